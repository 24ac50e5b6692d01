#include "ScreenFit.h"

#include <QEvent>
#include <QGuiApplication>
#include <QLayout>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <QWidget>

namespace {

QSize FrameOf(const QWidget* window) {
  return window->frameGeometry().size() - window->geometry().size();
}

// The frame a window has or will have: until the window manager has
// decorated it, the frame of the window it belongs to, which the same
// manager decorates alike.
QSize ExpectedFrame(const QWidget* window) {
  const QSize own = FrameOf(window);
  if (!own.isNull() || window->windowFlags().testFlag(Qt::FramelessWindowHint)) return own;
  const QWidget* owner = window->parentWidget() ? window->parentWidget()->window() : nullptr;
  return owner && owner->isVisible() ? FrameOf(owner) : own;
}

const char kFrameWatchName[] = "FrameWatch";

// A window manager decorates a window some time after it appears, and
// tells its frame later still, with no event to the window. For a while
// after the window is shown its frame is looked at, and the window is kept
// on the screen again whenever the frame has changed.
class TFrameWatch : public QObject {
 public:
  explicit TFrameWatch(QWidget* window) : QObject(window), Window_(window) {
    setObjectName(QLatin1String(kFrameWatchName));
    window->installEventFilter(this);
    Timer_.setInterval(kIntervalMs);
    connect(&Timer_, &QTimer::timeout, this, &TFrameWatch::Look);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == Window_ && event->type() == QEvent::Show) {
      Frame_ = FrameOf(Window_);
      Ticks_ = 0;
      Timer_.start();
    } else if (watched == Window_ && event->type() == QEvent::Hide) {
      Timer_.stop();
    }
    return false;
  }

 private:
  static constexpr int kIntervalMs = 100;
  static constexpr int kTicks = 30;

  void Look() {
    if (++Ticks_ >= kTicks) Timer_.stop();
    const QSize frame = FrameOf(Window_);
    if (frame == Frame_) return;
    Frame_ = frame;
    KeepOnScreen(Window_);
  }

  QWidget* Window_;
  QTimer Timer_;
  QSize Frame_;
  int Ticks_ = 0;
};

}  // namespace

QSize SizeWithin(QSize wanted, const QRect& available) {
  if (available.isEmpty()) return wanted;
  return wanted.boundedTo(available.size());
}

QRect AvailableArea(const QWidget* widget) {
  QScreen* screen = widget ? widget->screen() : nullptr;
  if (!screen) screen = QGuiApplication::primaryScreen();
  return screen ? screen->availableGeometry() : QRect();
}

void ResizeWithinScreen(QWidget* window, QSize wanted) { window->resize(SizeWithin(wanted, AvailableArea(window))); }

void KeepOnScreen(QWidget* window) {
  const QRect available = AvailableArea(window);
  if (available.isEmpty()) return;
  const QSize frame = ExpectedFrame(window);
  const QSize room = (available.size() - frame).expandedTo(QSize(1, 1));
  if (QLayout* layout = window->layout()) layout->activate();
  // The layout's minimum would hold the window larger than the screen: the
  // contents then give way rather than the window's edges.
  const QSize minimum = window->minimumSize();
  if (minimum.width() > room.width() || minimum.height() > room.height())
    window->setMinimumSize(minimum.boundedTo(room));
  // A window never resized takes its size hint when it is first shown.
  const QSize size = window->testAttribute(Qt::WA_Resized) ? window->size() : window->sizeHint();
  if (size.width() > room.width() || size.height() > room.height()) window->resize(size.boundedTo(room));
  if (!window->isVisible()) return;
  QRect outer = window->frameGeometry();
  outer.setSize(window->size() + frame);
  outer.moveLeft(qBound(available.left(), outer.left(), available.right() - outer.width() + 1));
  outer.moveTop(qBound(available.top(), outer.top(), available.bottom() - outer.height() + 1));
  window->move(outer.topLeft());
}

void ShowWithinScreen(QWidget* window) {
  if (!window->findChild<QObject*>(QLatin1String(kFrameWatchName), Qt::FindDirectChildrenOnly)) new TFrameWatch(window);
  KeepOnScreen(window);
  window->show();
  KeepOnScreen(window);
  QTimer::singleShot(0, window, [w = QPointer<QWidget>(window)] {
    if (w) KeepOnScreen(w);
  });
}

QRect LargestUncovered(const QRect& area, const QRect& cover) {
  const QRect over = area.intersected(cover);
  if (over.isEmpty()) return area;
  const QRect parts[] = {
      QRect(QPoint(area.left(), area.top()), QPoint(over.left() - 1, area.bottom())),
      QRect(QPoint(over.right() + 1, area.top()), QPoint(area.right(), area.bottom())),
      QRect(QPoint(area.left(), area.top()), QPoint(area.right(), over.top() - 1)),
      QRect(QPoint(area.left(), over.bottom() + 1), QPoint(area.right(), area.bottom())),
  };
  QRect best;
  long long bestArea = 0;
  for (const QRect& p : parts) {
    if (p.isEmpty()) continue;
    const long long a = static_cast<long long>(p.width()) * p.height();
    if (a > bestArea) {
      best = p;
      bestArea = a;
    }
  }
  return bestArea > 0 ? best : area;
}

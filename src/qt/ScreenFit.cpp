#include "ScreenFit.h"

#include <QGuiApplication>
#include <QLayout>
#include <QScreen>
#include <QWidget>

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
  // A window shown once knows its frame; before that the frame is taken as none.
  const QSize frame = window->frameGeometry().size() - window->geometry().size();
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
  outer.moveLeft(qBound(available.left(), outer.left(), available.right() - outer.width() + 1));
  outer.moveTop(qBound(available.top(), outer.top(), available.bottom() - outer.height() + 1));
  window->move(outer.topLeft());
}

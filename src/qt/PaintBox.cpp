#include "PaintBox.h"

#include <QMouseEvent>
#include <QPainter>
#include <QResizeEvent>
#include <QWheelEvent>
#include <QtMath>

TPaintBox::TPaintBox(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMouseTracking(true);
  setFocusPolicy(Qt::ClickFocus);
  SetPictureSize(QSize(qMax(1, width()), qMax(1, height())));
}

TPaintBox::~TPaintBox() = default;

void TPaintBox::SetPictureSize(QSize size) { SetPictureSize(size, devicePixelRatioF()); }

void TPaintBox::SetPictureSize(QSize size, qreal ratio) {
  size = size.expandedTo(QSize(1, 1));
  if (Canvas_ && PictureSize() == size && Picture_.devicePixelRatio() == ratio) return;
  Canvas_.reset();
  // One picture pixel per screen pixel, so that the scheme is crisp on a
  // high-resolution screen; the canvas still draws in the widget's pixels.
  Picture_ = QImage(QSize(qCeil(size.width() * ratio), qCeil(size.height() * ratio)), QImage::Format_RGB32);
  Picture_.setDevicePixelRatio(ratio);
  Picture_.fill(Qt::black);
  Canvas_ = std::make_unique<TQtCanvas>(&Picture_);
  emit CanvasChanged(Canvas_.get());
}

QSize TPaintBox::PictureSize() const {
  const QSizeF logical = Picture_.deviceIndependentSize();
  return QSize(qRound(logical.width()), qRound(logical.height()));
}

void TPaintBox::paintEvent(QPaintEvent* event) {
  // Moved to a screen of another pixel ratio: a picture to match, redrawn.
  if (Picture_.devicePixelRatio() != devicePixelRatioF()) SetPictureSize(size());
  QPainter p(this);
  const QRect r = event->rect();
  const qreal ratio = Picture_.devicePixelRatio();
  p.drawImage(QPointF(r.topLeft()), Picture_,
              QRectF(r.x() * ratio, r.y() * ratio, r.width() * ratio, r.height() * ratio));
}

void TPaintBox::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  SetPictureSize(event->size());
}

void TPaintBox::mousePressEvent(QMouseEvent* event) { emit MouseDown(event->position().toPoint(), event->button()); }

void TPaintBox::mouseMoveEvent(QMouseEvent* event) { emit MouseMove(event->position().toPoint()); }

void TPaintBox::mouseReleaseEvent(QMouseEvent* event) { emit MouseUp(event->position().toPoint(), event->button()); }

void TPaintBox::wheelEvent(QWheelEvent* event) {
  // Whole notches only; a touchpad's small steps add up until they make one.
  WheelRest_ += event->angleDelta().y();
  const int steps = WheelRest_ / 120;
  WheelRest_ -= steps * 120;
  if (steps != 0) emit Wheel(event->position(), steps);
  event->accept();
}

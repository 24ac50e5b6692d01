#include "PaintBox.h"

#include <QMouseEvent>
#include <QPainter>
#include <QResizeEvent>
#include <QWheelEvent>

TPaintBox::TPaintBox(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMouseTracking(true);
  setFocusPolicy(Qt::ClickFocus);
  SetPictureSize(QSize(qMax(1, width()), qMax(1, height())));
}

TPaintBox::~TPaintBox() = default;

void TPaintBox::SetPictureSize(QSize size) {
  size = size.expandedTo(QSize(1, 1));
  if (Canvas_ && Picture_.size() == size) return;
  Canvas_.reset();
  Picture_ = QImage(size, QImage::Format_RGB32);
  Picture_.fill(Qt::black);
  Canvas_ = std::make_unique<TQtCanvas>(&Picture_);
  emit CanvasChanged(Canvas_.get());
}

void TPaintBox::paintEvent(QPaintEvent* event) {
  QPainter p(this);
  p.drawImage(event->rect(), Picture_, event->rect());
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
  if (steps != 0) emit Wheel(event->position().toPoint(), steps);
  event->accept();
}

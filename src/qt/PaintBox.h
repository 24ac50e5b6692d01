#pragma once
// The paint box of the viewer and the editor: a widget that keeps the
// scheme's picture in a raster image and shows it. Everything is drawn into
// the picture through its canvas (so XOR feedback and the animation's
// redraw of one layer work on what is already there); a repaint of the
// widget only copies the picture to the screen.
#include <QImage>
#include <QWidget>
#include <memory>

#include "QtCanvas.h"

class TPaintBox : public QWidget {
  Q_OBJECT

 public:
  explicit TPaintBox(QWidget* parent = nullptr);
  ~TPaintBox() override;

  // The canvas on the picture; replaced when the widget is resized.
  TQtCanvas* Canvas() { return Canvas_.get(); }
  const QImage& Picture() const { return Picture_; }
  // The picture's size in the widget's pixels; on a high-resolution screen
  // Picture() holds that many times the screen's pixel ratio.
  QSize PictureSize() const;
  int PictureWidth() const { return PictureSize().width(); }
  int PictureHeight() const { return PictureSize().height(); }
  // Makes the picture the given size (tests and hidden windows) at the
  // widget's pixel ratio, or at the one given; the widget does this itself
  // whenever it is resized.
  void SetPictureSize(QSize size);
  void SetPictureSize(QSize size, qreal ratio);

 signals:
  // The picture was made anew (blank) with a new canvas: redraw it.
  void CanvasChanged(TQtCanvas* canvas);
  void MouseDown(QPoint pos, Qt::MouseButton button);
  void MouseMove(QPoint pos);
  void MouseUp(QPoint pos, Qt::MouseButton button);
  // `pos` keeps the fraction of a pixel a high-resolution screen reports.
  void Wheel(QPointF pos, int steps);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;

 private:
  QImage Picture_;
  std::unique_ptr<TQtCanvas> Canvas_;
  int WheelRest_ = 0;
};

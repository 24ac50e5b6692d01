// The main window's mouse modes on the paint box: pan, zoom-in rectangle,
// zoom-out, the wheel, and scrolling at the edges.
#include <QToolButton>

#include "ToolPanel.h"
#include "MainForm.h"
#include "model/Geometry.h"
#include "qt/Cursors.h"
#include "qt/PaintBox.h"
#include "qt/QtCanvas.h"

namespace {
constexpr int kEdgeBand = 10;
constexpr int kEdgeStep = 5;
constexpr int kEdgeDelayTicks = 5;
constexpr int kShortDrag = 10;
}  // namespace

void TMainForm::SetMouseMode(TMouseMode mode) {
  Mode_ = mode;
  switch (mode) {
    case TMouseMode::Pointer:
      Tools_->PointerButton->setChecked(true);
      Map_->setCursor(Qt::ArrowCursor);
      break;
    case TMouseMode::PanReady:
    case TMouseMode::Panning:
      Tools_->PanButton->setChecked(true);
      Map_->setCursor(SchemeCursor(mode == TMouseMode::Panning ? crFist : crHand));
      break;
    case TMouseMode::ZoomInReady:
    case TMouseMode::ZoomInDragging:
      Tools_->ZoomInButton->setChecked(true);
      Map_->setCursor(SchemeCursor(crZoomIn));
      break;
    case TMouseMode::ZoomOut:
      Tools_->ZoomOutButton->setChecked(true);
      Map_->setCursor(SchemeCursor(crZoomOut));
      break;
  }
  Repaint();
}

void TMainForm::MapMouseDown(QPoint p) {
  DragStart_ = p;
  ViewTouched();
  switch (Mode_) {
    case TMouseMode::PanReady:
      SetMouseMode(TMouseMode::Panning);
      break;
    case TMouseMode::ZoomInReady:
      Mode_ = TMouseMode::ZoomInDragging;
      break;
    case TMouseMode::ZoomOut:
      if (View_.Zoom > 0.05) View_.ZoomAtCentre(View_.Zoom * 2 / 3);
      Repaint();
      break;
    default:
      break;
  }
}

void TMainForm::MapMouseMove(QPoint p) {
  const int w = Map_->PictureWidth(), h = Map_->PictureHeight();
  TEdge edge = TEdge::None;
  if (p.x() < kEdgeBand) edge = TEdge::Left;
  if (w - p.x() < kEdgeBand) edge = TEdge::Right;
  if (p.y() < kEdgeBand) edge = TEdge::Up;
  if (h - p.y() < kEdgeBand) edge = TEdge::Down;
  Edge_ = edge;

  if (Mode_ == TMouseMode::ZoomInDragging) {
    MapPaint();
    TCanvas& c = *View_.Canvas;
    SetPen(c, clWhite, TPenMode::Xor, 1, TPenStyle::Dot);
    c.SetBrushStyle(TBrushStyle::Clear);
    const TRect r = RectFromPoints(DragStart_.x(), DragStart_.y(), p.x(), p.y());
    c.Rectangle(r.Left, r.Top, r.Right, r.Bottom);
    c.Pen.Mode = TPenMode::Copy;
    Map_->update();
  } else if (Mode_ == TMouseMode::Panning) {
    View_.OriginX += p.x() - DragStart_.x();
    View_.OriginY += p.y() - DragStart_.y();
    DragStart_ = p;
    Repaint();
  }
  if (Edge_ != TEdge::None) {
    EdgeTicks_ = 0;
    EdgeTimer_.start();
  }
}

void TMainForm::MapMouseUp(QPoint p) {
  if (Mode_ == TMouseMode::Panning) {
    SetMouseMode(TMouseMode::PanReady);
  } else if (Mode_ == TMouseMode::ZoomInDragging) {
    Mode_ = TMouseMode::ZoomInReady;
    if (PointDistance(TPoint{DragStart_.x(), DragStart_.y()}, TPoint{p.x(), p.y()}) >= kShortDrag)
      View_.FitRect(RectFromPoints(DragStart_.x(), DragStart_.y(), p.x(), p.y()),
                    TRect{0, 0, Map_->PictureWidth(), Map_->PictureHeight()});
    else
      View_.ZoomAtCentre(View_.Zoom * 1.5);
  }
  Repaint();
}

void TMainForm::MapWheel(QPointF p, int steps) {
  ViewTouched();
  double z = View_.Zoom;
  for (int i = 0; i < std::abs(steps); ++i) z = steps > 0 ? z * 1.25 : z / 1.25;
  // The world point under the cursor stays under it; beyond the limits of
  // every other zoom of the view nothing changes.
  if (!(z > 0.05 && z < 21)) return;
  View_.ZoomAt(z, p.x(), p.y());
  Repaint();
}

void TMainForm::EdgeScrollTick(QPoint cursor) {
  ++EdgeTicks_;
  if (!View_.Canvas || !PointInRect(cursor.x(), cursor.y(), View_.Canvas->ClipRect())) {
    EdgeTimer_.stop();
    return;
  }
  if (Edge_ == TEdge::None || EdgeTicks_ <= kEdgeDelayTicks) return;
  ViewTouched();
  switch (Edge_) {
    case TEdge::Up:
      View_.MoveOriginDown(kEdgeStep);
      break;
    case TEdge::Left:
      View_.MoveOriginRight(kEdgeStep);
      break;
    case TEdge::Down:
      View_.MoveOriginUp(kEdgeStep);
      break;
    case TEdge::Right:
      View_.MoveOriginLeft(kEdgeStep);
      break;
    case TEdge::None:
      break;
  }
  Repaint();
}

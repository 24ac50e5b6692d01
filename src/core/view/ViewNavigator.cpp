#include "ViewNavigator.h"

#include <cstdlib>

#include "model/Geometry.h"

TViewNavigator::TViewNavigator(TDrawContext& view, TNavigatorStyle style) : View_(view), Style_(style) {}

bool TViewNavigator::Press(TPoint p) {
  DragStart_ = p;
  switch (Mode_) {
    case TNavMode::PanReady:
      Mode_ = TNavMode::Panning;
      return false;
    case TNavMode::ZoomInReady:
      Mode_ = TNavMode::ZoomInDragging;
      return false;
    case TNavMode::ZoomOut:
      if (View_.Zoom > kMinZoom) {
        View_.ZoomAtCentre(View_.Zoom * 2 / 3);
        return true;
      }
      return false;
    default:
      return false;
  }
}

bool TViewNavigator::Move(TPoint p, int width, int height) {
  TNavEdge edge = TNavEdge::None;
  if (p.x < kEdgeBand) edge = TNavEdge::Left;
  if (width - p.x < kEdgeBand) edge = TNavEdge::Right;
  if (p.y < kEdgeBand) edge = TNavEdge::Up;
  if (height - p.y < kEdgeBand) edge = TNavEdge::Down;
  // Every move near an edge starts the delay again: the scheme scrolls only
  // while the cursor rests there.
  if (edge != TNavEdge::None) EdgeTicks_ = 0;
  Edge_ = edge;
  if (Mode_ != TNavMode::Panning) return false;
  View_.OriginX += p.x - DragStart_.x;
  View_.OriginY += p.y - DragStart_.y;
  DragStart_ = p;
  return true;
}

bool TViewNavigator::Release(TPoint p, int width, int height) {
  if (Mode_ == TNavMode::Panning) {
    Mode_ = TNavMode::PanReady;
    return true;
  }
  if (Mode_ != TNavMode::ZoomInDragging) return false;
  Mode_ = TNavMode::ZoomInReady;
  // Measured along the drag: a short diagonal frames as a long straight one.
  if (PointDistance(DragStart_, p) >= kFrameDrag)
    View_.FitRect(Frame(p), TRect{0, 0, width, height});
  else
    View_.ZoomAtCentre(View_.Zoom * kZoomInStep);
  return true;
}

TRect TViewNavigator::Frame(TPoint p) const { return RectFromPoints(DragStart_.x, DragStart_.y, p.x, p.y); }

std::optional<double> TViewNavigator::WheelZoom(int steps) const {
  double z = View_.Zoom;
  for (int i = 0; i < std::abs(steps); ++i) z = steps > 0 ? z * kWheelStep : z / kWheelStep;
  if (!(z > kMinZoom && z < kMaxZoom)) return std::nullopt;
  return z;
}

bool TViewNavigator::Wheel(double x, double y, int steps) {
  const std::optional<double> z = WheelZoom(steps);
  if (!z) return false;
  View_.ZoomAt(*z, x, y);
  return true;
}

void TViewNavigator::KeyZoom(double factor) { View_.ZoomAtCentre(View_.Zoom * factor); }

TEdgeTick TViewNavigator::EdgeTick(int x, int y, const TRect& box) {
  ++EdgeTicks_;
  TEdgeTick tick;
  if (!PointInRect(x, y, box)) {
    Edge_ = TNavEdge::None;
    return tick;
  }
  if (Edge_ == TNavEdge::None) {
    tick.KeepTicking = Style_.TickAwayFromEdges;
    return tick;
  }
  tick.KeepTicking = true;
  if (EdgeTicks_ <= kEdgeDelayTicks) return tick;
  switch (Edge_) {
    case TNavEdge::Up:
      tick.Dy = kEdgeStep;
      break;
    case TNavEdge::Left:
      tick.Dx = kEdgeStep;
      break;
    case TNavEdge::Down:
      tick.Dy = -kEdgeStep;
      break;
    default:
      tick.Dx = -kEdgeStep;
      break;
  }
  if (tick.Dx != 0) View_.OriginX += tick.Dx;
  if (tick.Dy != 0) View_.OriginY += tick.Dy;
  return tick;
}

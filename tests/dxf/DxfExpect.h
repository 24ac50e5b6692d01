#pragma once
// What a scheme's DXF must hold, worked out from the primitives the scheme
// draws (recorded, layer by layer) rather than from the writer.
#include <cstdlib>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "dxf/DxfCanvas.h"
#include "dxf/SchemeDxf.h"
#include "model/SVObject.h"
#include "platform/RecordingCanvas.h"

namespace dxftest {

constexpr int kFar = 1 << 29;

// A recorder that notes from which primitive on each scheme layer draws.
class TLayeredRecorder : public TRecordingCanvas {
 public:
  TLayeredRecorder() : TRecordingCanvas(TRect{-kFar, -kFar, kFar, kFar}) {}
  void BeginLayer(int layer) override { Marks.push_back({Ops().size(), layer}); }
  void EndLayer() override { Marks.push_back({Ops().size(), 0}); }
  std::vector<std::pair<std::size_t, int>> Marks;
};

inline bool Filled(const TCanvasOp& op) { return op.Brush.Style != TBrushStyle::Clear; }

inline bool Spans(const TCanvasOp& op, int least) {
  return std::abs(op.Points[1].x - op.Points[0].x) >= least && std::abs(op.Points[1].y - op.Points[0].y) >= least;
}

// The entities a CAD drawing holds for one primitive: its outline, a hatch
// for a filled inside, a hatch under an opaque text; nothing for what draws
// nothing.
inline int EntitiesOf(const TCanvasOp& op) {
  const int n = static_cast<int>(op.Points.size());
  switch (op.Kind) {
    case TCanvasOpKind::Line:
      return op.Points[0].x != op.Points[1].x || op.Points[0].y != op.Points[1].y ? 1 : 0;
    case TCanvasOpKind::Polyline:
      return n >= 2 ? 1 : 0;
    case TCanvasOpKind::Polygon:
      return n >= 2 ? 1 + (n >= 3 && Filled(op) ? 1 : 0) : 0;
    case TCanvasOpKind::Ellipse:
    case TCanvasOpKind::Rectangle:
      return Spans(op, 1) ? 1 + (Filled(op) ? 1 : 0) : 0;
    case TCanvasOpKind::Arc:
      return Spans(op, 2) ? 1 : 0;
    case TCanvasOpKind::Pie:
      return Spans(op, 2) ? 1 + (Filled(op) ? 1 : 0) : 0;
    case TCanvasOpKind::FillRect:
      return op.Points[1].x > op.Points[0].x && op.Points[1].y > op.Points[0].y && Filled(op) ? 1 : 0;
    case TCanvasOpKind::StretchDraw:
      return 1;
    case TCanvasOpKind::Text:
      return op.Text.empty() ? 0 : 1 + (op.TextTransparent ? 0 : 1);
  }
  return 0;
}

// The entities expected on each DXF layer, by its name, for what the scheme
// draws at world coordinates.
inline std::map<std::string, int> ExpectedPerLayer(TSVObject& scheme) {
  TLayeredRecorder recorder;
  DrawSchemeAtWorld(scheme, recorder);
  std::map<std::string, int> counts;
  for (int n = 1; n <= kLayerCount; ++n) counts[TDxfCanvas::LayerName(n)] = 0;
  counts["0"] = 0;
  counts["Defpoints"] = 0;
  int layer = 0;
  std::size_t mark = 0;
  const auto& ops = recorder.Ops();
  for (std::size_t i = 0; i < ops.size(); ++i) {
    while (mark < recorder.Marks.size() && recorder.Marks[mark].first <= i) layer = recorder.Marks[mark++].second;
    counts[layer == 0 ? "0" : TDxfCanvas::LayerName(layer)] += EntitiesOf(ops[i]);
  }
  return counts;
}

}  // namespace dxftest

namespace dxftest {

// How many primitives the scheme draws at world coordinates.
inline std::size_t PrimitiveCount(TSVObject& scheme) {
  TLayeredRecorder recorder;
  DrawSchemeAtWorld(scheme, recorder);
  return recorder.Ops().size();
}

}  // namespace dxftest

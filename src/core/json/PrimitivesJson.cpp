#include "PrimitivesJson.h"

#include <cstdio>

#include "Json.h"

namespace {

const char* OpName(TCanvasOpKind kind) {
  switch (kind) {
    case TCanvasOpKind::Line: return "line";
    case TCanvasOpKind::Polyline: return "polyline";
    case TCanvasOpKind::Polygon: return "polygon";
    case TCanvasOpKind::Ellipse: return "ellipse";
    case TCanvasOpKind::Rectangle: return "rectangle";
    case TCanvasOpKind::Arc: return "arc";
    case TCanvasOpKind::Pie: return "pie";
    case TCanvasOpKind::FillRect: return "fillrect";
    case TCanvasOpKind::StretchDraw: return "stretchdraw";
    case TCanvasOpKind::Text: return "text";
  }
  return "?";
}

const char* PenStyleName(TPenStyle s) { return s == TPenStyle::Dot ? "dot" : "solid"; }
const char* PenModeName(TPenMode m) { return m == TPenMode::Xor ? "xor" : "copy"; }

const char* BrushStyleName(TBrushStyle s) {
  switch (s) {
    case TBrushStyle::Solid: return "solid";
    case TBrushStyle::Clear: return "clear";
    case TBrushStyle::DiagCross: return "diagcross";
  }
  return "?";
}

const char* AlignName(TTextAlign a) {
  switch (a) {
    case TTextAlign::BaselineLeft: return "baseline-left";
    case TTextAlign::CenterTop: return "center-top";
    case TTextAlign::LeftTop: return "left-top";
  }
  return "?";
}

// 0x00BBGGRR as written in the passport's colours: "0x" and six hex digits.
std::string Hex(TColor c) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "0x%06X", static_cast<unsigned>(c));
  return buf;
}

}  // namespace

std::string PrimitiveJson(const TCanvasOp& op) {
  TJsonWriter json(0);
  json.BeginObject().Member("op", OpName(op.Kind));
  json.Key("points").BeginArray();
  for (const TPoint& p : op.Points) json.BeginArray().Int(p.x).Int(p.y).EndArray();
  json.EndArray();
  json.Key("pen").BeginObject();
  json.Member("color", Hex(op.Pen.Color)).Member("width", op.Pen.Width);
  json.Member("style", PenStyleName(op.Pen.Style)).Member("mode", PenModeName(op.Pen.Mode));
  json.EndObject();
  json.Key("brush").BeginObject();
  json.Member("color", Hex(op.Brush.Color)).Member("style", BrushStyleName(op.Brush.Style));
  json.EndObject();
  if (op.Kind == TCanvasOpKind::Text) {
    json.Key("font").BeginObject();
    json.Member("height", op.Font.Height).Member("escapement", op.Font.Escapement);
    json.Member("weight", op.Font.Weight).Member("italic", op.Font.Italic).Member("face", op.Font.FaceName);
    json.Member("color", Hex(op.FontColor));
    json.EndObject();
    json.Member("align", AlignName(op.Align)).Member("text", op.Text);
  }
  json.EndObject();
  return json.Text();
}

bool WritePrimitives(std::ostream& out, const std::vector<TCanvasOp>& ops) {
  for (const TCanvasOp& op : ops) out << PrimitiveJson(op) << '\n';
  return static_cast<bool>(out.flush());
}

#include "SvgCanvas.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "SvgText.h"
#include "platform/CanvasConventions.h"

namespace {

constexpr double kPi = 3.14159265358979323846;
// Outlines run through the centres of the pixels they cover.
constexpr double kPixelCentre = 0.5;

std::string Int(int v) { return std::to_string(v); }
std::string At(int v) { return SvgNumber(v + kPixelCentre); }

std::string Points(const TPoint* pts, int count) {
  std::string s;
  for (int i = 0; i < count; ++i) {
    if (i > 0) s += ' ';
    s += At(pts[i].x) + ',' + At(pts[i].y);
  }
  return s;
}

// The generic family a viewer falls back on when the face is missing.
const char* GenericFamily(const std::string& face) {
  if (face == "Liberation Serif") return "serif";
  if (face == "Liberation Mono") return "monospace";
  return "sans-serif";
}

}  // namespace

TSvgCanvas::TSvgCanvas(int width, int height, TTextMeasure& measure, TColor background)
    : Width_(width), Height_(height), Measure_(measure), Background_(background), Clip_{0, 0, width, height} {
  Body_.reserve(1 << 16);
}

std::string TSvgCanvas::Document() const {
  std::string doc = "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"no\"?>\n";
  doc += "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" width=\"" + Int(Width_) + "\" height=\"" +
         Int(Height_) + "\" viewBox=\"0 0 " + Int(Width_) + ' ' + Int(Height_) + "\">\n";
  if (!Defs_.empty()) doc += "<defs>\n" + Defs_ + "</defs>\n";
  doc += Body_;
  if (ItemOpen_) doc += "</g>\n";
  if (LayerOpen_) doc += "</g>\n";
  doc += "</svg>\n";
  return doc;
}

void TSvgCanvas::BeginLayer(int layer) {
  EndLayer();
  Layer_ = layer;
}

void TSvgCanvas::EndLayer() {
  EndItem();
  if (LayerOpen_) Body_ += "</g>\n";
  LayerOpen_ = false;
  Layer_ = 0;
}

void TSvgCanvas::BeginItem(std::uint32_t typeCode, int index) {
  EndItem();
  InItem_ = true;
  ItemType_ = typeCode;
  ItemIndex_ = index;
  if (!ItemTags) return;
  for (const auto& [name, value] : ItemTags(Layer_, typeCode, index))
    ItemAttrs_ += ' ' + name + "=\"" + XmlEscape(value) + '"';
}

void TSvgCanvas::EndItem() {
  if (ItemOpen_) Body_ += "</g>\n";
  ItemOpen_ = false;
  InItem_ = false;
  ItemAttrs_.clear();
}

std::string& TSvgCanvas::Out() {
  if (Layer_ != 0 && !LayerOpen_) {
    Body_ += "<g id=\"layer-" + Int(Layer_) + "\">\n";
    LayerOpen_ = true;
  }
  if (InItem_ && !ItemOpen_) {
    Body_ += "<g data-type=\"" + std::to_string(ItemType_) + "\" data-index=\"" + Int(ItemIndex_) + "\">\n";
    ItemOpen_ = true;
  }
  return Body_;
}

std::string& TSvgCanvas::Element(const char* tag) {
  std::string& out = Out();
  out += '<';
  out += tag;
  out += ItemAttrs_;
  return out;
}

TColor TSvgCanvas::Seen(TColor c) const {
  return Pen.Mode == TPenMode::Xor ? XorOver(c, Background_) : (c & 0xFFFFFFu);
}

std::string TSvgCanvas::StrokeAttrs() const {
  std::string s = " stroke=\"" + SvgColor(Seen(Pen.Color)) + '"';
  const int width = PenPixelWidth(Pen);
  if (width != 1) s += " stroke-width=\"" + Int(width) + "\" stroke-linecap=\"round\" stroke-linejoin=\"round\"";
  if (PenDotted(Pen)) s += " stroke-dasharray=\"" + Int(kDotLength) + ' ' + Int(kDotLength) + '"';
  return s;
}

std::string TSvgCanvas::BrushPaint(TColor color, TBrushStyle style) {
  if (style != TBrushStyle::DiagCross) return SvgColor(color);
  const std::string id = "hatch-" + SvgColor(color).substr(1);
  if (Hatches_.insert(color & 0xFFFFFFu).second)
    Defs_ += "<pattern id=\"" + id +
             "\" patternUnits=\"userSpaceOnUse\" width=\"8\" height=\"8\"><path d=\"M0 0L8 8M8 0L0 8\" stroke=\"" +
             SvgColor(color) + "\" fill=\"none\"/></pattern>\n";
  return "url(#" + id + ')';
}

std::string TSvgCanvas::FillAttrs() {
  if (Brush.Style == TBrushStyle::Clear) return " fill=\"none\"";
  return " fill=\"" + BrushPaint(Seen(Brush.Color), Brush.Style) + '"';
}

void TSvgCanvas::LineTo(int x, int y) {
  const TPoint from = PenPos;
  PenPos = TPoint{x, y};
  if (from.x == x && from.y == y) return;
  Element("line") += " x1=\"" + At(from.x) + "\" y1=\"" + At(from.y) + "\" x2=\"" + At(x) + "\" y2=\"" + At(y) + '"' +
           StrokeAttrs() + "/>\n";
}

void TSvgCanvas::Polyline(const TPoint* pts, int count) {
  if (!pts || count < 2) return;
  Element("polyline") += " points=\"" + Points(pts, count) + "\" fill=\"none\"" + StrokeAttrs() + "/>\n";
}

void TSvgCanvas::Polygon(const TPoint* pts, int count) {
  if (!pts || count < 2) return;
  const std::string fill = FillAttrs();
  Element("polygon") += " points=\"" + Points(pts, count) + '"' + fill + " fill-rule=\"evenodd\"" + StrokeAttrs() +
           "/>\n";
}

void TSvgCanvas::Ellipse(int l, int t, int r, int b) {
  const auto box = ExclusiveBox(l, t, r, b);
  if (!box) return;
  const std::string fill = FillAttrs();
  Element("ellipse") += " cx=\"" + SvgNumber(box->Left + box->Width * 0.5 + kPixelCentre) + "\" cy=\"" +
           SvgNumber(box->Top + box->Height * 0.5 + kPixelCentre) + "\" rx=\"" + SvgNumber(box->Width * 0.5) +
           "\" ry=\"" + SvgNumber(box->Height * 0.5) + '"' + fill + StrokeAttrs() + "/>\n";
}

void TSvgCanvas::Rectangle(int l, int t, int r, int b) {
  const auto box = ExclusiveBox(l, t, r, b);
  if (!box) return;
  const std::string fill = FillAttrs();
  Element("rect") += " x=\"" + At(box->Left) + "\" y=\"" + At(box->Top) + "\" width=\"" + Int(box->Width) +
           "\" height=\"" + Int(box->Height) + '"' + fill + StrokeAttrs() + "/>\n";
}

void TSvgCanvas::WriteArc(int l, int t, int r, int b, int x3, int y3, int x4, int y4, bool pie) {
  const auto arc = ArcGeometry(l, t, r, b, x3, y3, x4, y4);
  if (!arc) return;
  const double cx = arc->CenterX() + kPixelCentre, cy = arc->CenterY() + kPixelCentre;
  const double rx = arc->Width * 0.5, ry = arc->Height * 0.5;
  const auto point = [&](double degrees) {
    const double a = degrees * kPi / 180.0;
    return SvgNumber(cx + rx * std::cos(a)) + ' ' + SvgNumber(cy - ry * std::sin(a));
  };
  const std::string radii = SvgNumber(rx) + ' ' + SvgNumber(ry);
  std::string d = pie ? "M" + SvgNumber(cx) + ' ' + SvgNumber(cy) + "L" : "M";
  d += point(arc->Start);
  // Counter-clockwise as seen is the negative direction of SVG's y-down
  // angles: sweep flag 0. A whole turn is two halves: one arc command
  // cannot end where it starts.
  if (arc->Sweep >= 360.0) {
    d += "A" + radii + " 0 0 0 " + point(arc->Start + 180.0);
    d += "A" + radii + " 0 0 0 " + point(arc->Start + 360.0);
  } else {
    d += "A" + radii + " 0 " + (arc->Sweep > 180.0 ? "1" : "0") + " 0 " + point(arc->Start + arc->Sweep);
  }
  if (pie) d += "Z";
  const std::string fill = pie ? FillAttrs() : std::string(" fill=\"none\"");
  Element("path") += " d=\"" + d + '"' + fill + StrokeAttrs() + "/>\n";
}

void TSvgCanvas::Arc(int l, int t, int r, int b, int x3, int y3, int x4, int y4) {
  WriteArc(l, t, r, b, x3, y3, x4, y4, false);
}

void TSvgCanvas::Pie(int l, int t, int r, int b, int x3, int y3, int x4, int y4) {
  WriteArc(l, t, r, b, x3, y3, x4, y4, true);
}

void TSvgCanvas::FillRect(const TRect& r) {
  if (r.Right <= r.Left || r.Bottom <= r.Top || Brush.Style == TBrushStyle::Clear) return;
  // A fill is always a copy, whatever the pen's mode.
  const std::string paint = BrushPaint(Brush.Color & 0xFFFFFFu, Brush.Style);
  Element("rect") += " x=\"" + Int(r.Left) + "\" y=\"" + Int(r.Top) + "\" width=\"" + Int(r.Right - r.Left) +
           "\" height=\"" + Int(r.Bottom - r.Top) + "\" fill=\"" + paint + "\"/>\n";
}

void TSvgCanvas::StretchDraw(const TRect& dest, const TRasterImage& image) {
  const std::optional<TColor> mean = MeanColor(image);
  if (!mean) return;
  const int l = std::min(dest.Left, dest.Right), t = std::min(dest.Top, dest.Bottom);
  Element("rect") += " x=\"" + Int(l) + "\" y=\"" + Int(t) + "\" width=\"" + Int(std::abs(dest.Right - dest.Left)) +
           "\" height=\"" + Int(std::abs(dest.Bottom - dest.Top)) + "\" fill=\"" + SvgColor(*mean) + "\"/>\n";
}

void TSvgCanvas::TextOut(int x, int y, const std::string& text) {
  if (text.empty()) return;
  const TFontDesc& font = Font();
  const TFontMetrics m = Measure_.Metrics(font);
  const TSize extent = Measure_.TextExtent(font, text);
  const TTextOffset offset = TextOffset(TextAlign, extent.cx, m.Ascent);
  const double turn = TextRotation(font.Escapement);
  const std::string rotate =
      turn != 0 ? " transform=\"rotate(" + SvgNumber(turn) + ' ' + Int(x) + ' ' + Int(y) + ")\"" : std::string();
  if (!TextTransparent)
    Element("rect") += " x=\"" + Int(x + offset.Dx) + "\" y=\"" + Int(y + offset.BaselineDy - m.Ascent) + "\" width=\"" +
           Int(extent.cx) + "\" height=\"" + Int(extent.cy) + "\" fill=\"" + SvgColor(BackColor & 0xFFFFFFu) + '"' +
           rotate + "/>\n";
  const bool centred = TextAlign == TTextAlign::CenterTop;
  const std::string face = StandInFace(font.FaceName);
  std::string& out = Element("text");
  out += " x=\"" + Int(centred ? x : x + offset.Dx) + "\" y=\"" + Int(y + offset.BaselineDy) + '"';
  if (centred) out += " text-anchor=\"middle\"";
  out += " font-family=\"" + XmlEscape(face) + ", " + GenericFamily(face) + "\" font-size=\"" + Int(m.PixelSize) +
         '"';
  const int weight = font.Weight <= 0 ? 400 : std::clamp(font.Weight, 100, 900);
  if (weight != 400) out += " font-weight=\"" + Int(weight / 100 * 100) + '"';
  if (font.Italic) out += " font-style=\"italic\"";
  if (font.Underline || font.StrikeOut)
    out += std::string(" text-decoration=\"") + (font.Underline ? "underline" : "") +
           (font.Underline && font.StrikeOut ? " " : "") + (font.StrikeOut ? "line-through" : "") + '"';
  out += " fill=\"" + SvgColor(FontColor & 0xFFFFFFu) + '"' + rotate + " xml:space=\"preserve\">" + XmlEscape(text) +
         "</text>\n";
}

TSize TSvgCanvas::TextExtent(const std::string& text) { return Measure_.TextExtent(Font(), text); }

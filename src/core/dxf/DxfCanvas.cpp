#include "DxfCanvas.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "DxfGroups.h"
#include "model/SVObject.h"
#include "platform/CanvasConventions.h"
#include "view/LayerRows.h"

namespace {

constexpr double kPi = 3.14159265358979323846;
// A TEXT value longer than this is cut: older readers take no more.
constexpr std::size_t kMaxTextBytes = 250;
// The picture's diagonal-cross tile is eight units square.
constexpr double kCrossSpacing = 8.0 / 1.41421356237309504880;
// Curves a polyline or a hatch boundary cannot carry as bulges (elliptical
// ones) are cut into steps of at most this many degrees.
constexpr double kStepDegrees = 5.0;

int TrueColor(TColor c) { return (ColorR(c) << 16) | (ColorG(c) << 8) | ColorB(c); }

struct TBox {
  int L, T, R, B;
  double Cx() const { return (L + R) * 0.5; }
  double Cy() const { return -(T + B) * 0.5; }
  double Rx() const { return (R - L) * 0.5; }
  double Ry() const { return (B - T) * 0.5; }
};

TBox Sorted(int l, int t, int r, int b) { return TBox{std::min(l, r), std::min(t, b), std::max(l, r), std::max(t, b)}; }

// The ellipse's parametric angle, in degrees, of the ray from its centre
// towards a screen point: the point at angle a is (cx + rx·cos a, cy + ry·sin a)
// in the drawing.
double RayAngle(const TBox& box, int x, int y) {
  const double dx = x - (box.L + box.R) * 0.5, dy = (box.T + box.B) * 0.5 - y;
  if (dx == 0 && dy == 0) return 0;
  return std::atan2(dy * box.Rx(), dx * box.Ry()) * 180.0 / kPi;
}

// Start and counter-clockwise sweep in (0, 360] of an arc or a pie.
std::pair<double, double> ArcAngles(const TBox& box, int x3, int y3, int x4, int y4) {
  const double start = RayAngle(box, x3, y3);
  double sweep = std::fmod(RayAngle(box, x4, y4) - start, 360.0);
  if (sweep <= 1e-9) sweep += 360.0;
  return {start, sweep};
}

TDxfCanvas::TVertex OnEllipse(const TBox& box, double degrees) {
  const double a = degrees * kPi / 180.0;
  return {box.Cx() + box.Rx() * std::cos(a), box.Cy() + box.Ry() * std::sin(a), 0};
}

// The arc as polyline vertices from its start to its end: two bulged halves
// of a circle, or steps along an ellipse. The last vertex has no bulge.
std::vector<TDxfCanvas::TVertex> ArcVertices(const TBox& box, double start, double sweep) {
  std::vector<TDxfCanvas::TVertex> v;
  if (box.Rx() == box.Ry()) {
    const double bulge = std::tan(sweep * kPi / 180.0 / 8.0);
    for (int i = 0; i <= 2; ++i) {
      v.push_back(OnEllipse(box, start + sweep * i / 2.0));
      v.back().Bulge = i < 2 ? bulge : 0;
    }
    return v;
  }
  const int steps = std::max(2, static_cast<int>(std::ceil(sweep / kStepDegrees)));
  for (int i = 0; i <= steps; ++i) v.push_back(OnEllipse(box, start + sweep * i / steps));
  return v;
}

// The whole ellipse as a closed boundary (the last vertex leads back to the first).
std::vector<TDxfCanvas::TVertex> EllipseVertices(const TBox& box) {
  std::vector<TDxfCanvas::TVertex> v = ArcVertices(box, 0, 360);
  v.pop_back();
  if (box.Rx() == box.Ry())
    for (auto& p : v) p.Bulge = 1;
  return v;
}

std::vector<TDxfCanvas::TVertex> BoxVertices(double l, double t, double r, double b) {
  return {{l, t, 0}, {r, t, 0}, {r, b, 0}, {l, b, 0}};
}

}  // namespace

TDxfCanvas::TDxfCanvas(TTextMeasure& measure, TColor background) : Measure_(measure), Background_(background) {
  Body_.reserve(1 << 16);
  for (int n = 1; n <= kLayerCount; ++n) {
    Layers_.push_back(TDxfLayer{DxfText(LayerName(n), 255)});
  }
}

std::string TDxfCanvas::LayerName(int layer) {
  char number[8];
  std::snprintf(number, sizeof number, "%02d", layer);
  const std::string caption = LayerCaption(layer);
  return caption.empty() ? std::string(number) : std::string(number) + ' ' + caption;
}

TRect TDxfCanvas::ClipRect() const {
  constexpr int kFar = 1 << 29;
  return TRect{-kFar, -kFar, kFar, kFar};
}

void TDxfCanvas::BeginLayer(int layer) { Layer_ = layer >= 1 && layer <= kLayerCount ? layer : 0; }

void TDxfCanvas::EndLayer() { Layer_ = 0; }

std::string TDxfCanvas::Document() const { return DxfDocument(Layers_, Body_, Next_, Extents_); }

TColor TDxfCanvas::Seen(TColor c) const {
  return Pen.Mode == TPenMode::Xor ? XorOver(c, Background_) : (c & 0xFFFFFFu);
}

void TDxfCanvas::Head(const char* type, TColor color, bool dotted) {
  TDxfGroups g(Body_);
  g.Name(0, type);
  g.Handle(5, Next_++);
  g.Handle(330, kModelSpaceRecord);
  g.Name(100, "AcDbEntity");
  g.Name(8, Layer_ == 0 ? std::string_view("0") : std::string_view(Layers_[Layer_ - 1].Name));
  if (dotted) g.Name(6, kDotLineType);
  g.Int(420, TrueColor(color));
}

void TDxfCanvas::LwPolyline(const std::vector<TVertex>& v, bool closed, TColor color) {
  Head("LWPOLYLINE", color, PenDotted(Pen));
  TDxfGroups g(Body_);
  g.Name(100, "AcDbPolyline");
  g.Int(90, static_cast<long long>(v.size()));
  g.Int(70, closed ? 1 : 0);
  const int width = PenPixelWidth(Pen);
  if (width > 1) g.Real(43, width);
  for (const TVertex& p : v) {
    g.Point2(10, p.X, p.Y);
    if (p.Bulge != 0) g.Real(42, p.Bulge);
    Extents_.Add(p.X, p.Y);
  }
}

void TDxfCanvas::Hatch(const std::vector<TVertex>& v, TColor color, TBrushStyle style) {
  const bool cross = style == TBrushStyle::DiagCross;
  Head("HATCH", color);
  TDxfGroups g(Body_);
  g.Name(100, "AcDbHatch");
  g.Point(10, 0, 0);
  g.Point(210, 0, 1);
  g.Name(2, cross ? "_USER" : "SOLID");
  g.Int(70, cross ? 0 : 1);
  g.Int(71, 0);
  g.Int(91, 1);
  // One outer boundary, a polyline.
  g.Int(92, 3);
  const bool bulges = std::any_of(v.begin(), v.end(), [](const TVertex& p) { return p.Bulge != 0; });
  g.Int(72, bulges ? 1 : 0);
  g.Int(73, 1);
  g.Int(93, static_cast<long long>(v.size()));
  for (const TVertex& p : v) {
    g.Point2(10, p.X, p.Y);
    if (bulges) g.Real(42, p.Bulge);
    Extents_.Add(p.X, p.Y);
  }
  g.Int(97, 0);
  // Odd parity: the canvas's alternate fill.
  g.Int(75, 0);
  g.Int(76, cross ? 0 : 1);
  if (cross) {
    g.Real(52, 0);
    g.Real(41, kCrossSpacing);
    g.Int(77, 1);
    g.Int(78, 2);
    for (const double angle : {45.0, 135.0}) {
      const double a = angle * kPi / 180.0;
      g.Real(53, angle);
      g.Point2(43, 0, 0);
      g.Point2(45, -kCrossSpacing * std::sin(a), kCrossSpacing * std::cos(a));
      g.Int(79, 0);
    }
  }
  g.Int(98, 0);
}

void TDxfCanvas::FillUnder(const std::vector<TVertex>& v) {
  if (Brush.Style != TBrushStyle::Clear) Hatch(v, Seen(Brush.Color), Brush.Style);
}

void TDxfCanvas::LineTo(int x, int y) {
  const TPoint from = PenPos;
  PenPos = TPoint{x, y};
  if (from.x == x && from.y == y) return;
  if (PenPixelWidth(Pen) > 1) {
    LwPolyline({{double(from.x), Dy(from.y), 0}, {double(x), Dy(y), 0}}, false, Seen(Pen.Color));
    return;
  }
  Head("LINE", Seen(Pen.Color), PenDotted(Pen));
  TDxfGroups g(Body_);
  g.Name(100, "AcDbLine");
  g.Point(10, from.x, Dy(from.y));
  g.Point(11, x, Dy(y));
  Extents_.Add(from.x, Dy(from.y));
  Extents_.Add(x, Dy(y));
}

void TDxfCanvas::Polyline(const TPoint* pts, int count) {
  if (!pts || count < 2) return;
  std::vector<TVertex> v;
  v.reserve(static_cast<std::size_t>(count));
  for (int i = 0; i < count; ++i) v.push_back({double(pts[i].x), Dy(pts[i].y), 0});
  LwPolyline(v, false, Seen(Pen.Color));
}

void TDxfCanvas::Polygon(const TPoint* pts, int count) {
  if (!pts || count < 2) return;
  std::vector<TVertex> v;
  v.reserve(static_cast<std::size_t>(count));
  for (int i = 0; i < count; ++i) v.push_back({double(pts[i].x), Dy(pts[i].y), 0});
  if (count >= 3) FillUnder(v);
  LwPolyline(v, true, Seen(Pen.Color));
}

void TDxfCanvas::Rectangle(int l, int t, int r, int b) {
  const TBox box = Sorted(l, t, r, b);
  if (box.R - box.L < 1 || box.B - box.T < 1) return;
  const auto v = BoxVertices(box.L, Dy(box.T), box.R, Dy(box.B));
  FillUnder(v);
  LwPolyline(v, true, Seen(Pen.Color));
}

void TDxfCanvas::Ellipse(int l, int t, int r, int b) {
  const TBox box = Sorted(l, t, r, b);
  if (box.R - box.L < 1 || box.B - box.T < 1) return;
  FillUnder(EllipseVertices(box));
  Curve(box.Cx(), box.Cy(), box.Rx(), box.Ry(), 0, 360);
}

void TDxfCanvas::Arc(int l, int t, int r, int b, int x3, int y3, int x4, int y4) {
  if (std::abs(r - l) < 2 || std::abs(b - t) < 2) return;
  const TBox box = Sorted(l, t, r, b);
  const auto [start, sweep] = ArcAngles(box, x3, y3, x4, y4);
  Curve(box.Cx(), box.Cy(), box.Rx(), box.Ry(), start, sweep);
}

void TDxfCanvas::Curve(double cx, double cy, double rx, double ry, double start, double sweep) {
  const TColor color = Seen(Pen.Color);
  const bool whole = sweep >= 360.0;
  TDxfGroups g(Body_);
  if (rx == ry) {
    Head(whole ? "CIRCLE" : "ARC", color, PenDotted(Pen));
    g.Name(100, "AcDbCircle");
    g.Point(10, cx, cy);
    g.Real(40, rx);
    if (!whole) {
      g.Name(100, "AcDbArc");
      g.Real(50, std::fmod(start + 360.0, 360.0));
      g.Real(51, std::fmod(start + sweep + 360.0, 360.0));
    }
  } else {
    // The parameter runs from the major axis: along x for a wide ellipse,
    // along y (a quarter turn on) for a tall one.
    const bool wide = rx >= ry;
    const double twoPi = 2 * kPi;
    double first = std::fmod((wide ? start : start - 90.0) * kPi / 180.0, twoPi);
    if (first < 0) first += twoPi;
    Head("ELLIPSE", color, PenDotted(Pen));
    g.Name(100, "AcDbEllipse");
    g.Point(10, cx, cy);
    g.Point(11, wide ? rx : 0, wide ? 0 : ry);
    g.Point(210, 0, 1);
    g.Real(40, wide ? ry / rx : rx / ry);
    g.Real(41, whole ? 0 : first);
    g.Real(42, whole ? twoPi : std::fmod(first + sweep * kPi / 180.0, twoPi));
  }
  Extents_.Add(cx - rx, cy - ry);
  Extents_.Add(cx + rx, cy + ry);
}

void TDxfCanvas::Pie(int l, int t, int r, int b, int x3, int y3, int x4, int y4) {
  if (std::abs(r - l) < 2 || std::abs(b - t) < 2) return;
  const TBox box = Sorted(l, t, r, b);
  const auto [start, sweep] = ArcAngles(box, x3, y3, x4, y4);
  std::vector<TVertex> v{{box.Cx(), box.Cy(), 0}};
  for (const TVertex& p : ArcVertices(box, start, sweep)) v.push_back(p);
  FillUnder(v);
  LwPolyline(v, true, Seen(Pen.Color));
}

void TDxfCanvas::FillRect(const TRect& r) {
  if (r.Right <= r.Left || r.Bottom <= r.Top || Brush.Style == TBrushStyle::Clear) return;
  // A fill is always a copy, whatever the pen's mode.
  Hatch(BoxVertices(r.Left, Dy(r.Top), r.Right, Dy(r.Bottom)), Brush.Color & 0xFFFFFFu, Brush.Style);
}

void TDxfCanvas::StretchDraw(const TRect& dest, const TRasterImage& image) {
  const std::optional<TColor> mean = MeanColor(image);
  if (!mean || dest.Left == dest.Right || dest.Top == dest.Bottom) return;
  Hatch(BoxVertices(dest.Left, Dy(dest.Top), dest.Right, Dy(dest.Bottom)), *mean, TBrushStyle::Solid);
}

void TDxfCanvas::TextOut(int x, int y, const std::string& text) {
  const std::string value = DxfText(text, kMaxTextBytes);
  if (value.empty()) return;
  const TFontDesc& font = Font();
  const TFontMetrics m = Measure_.Metrics(font);
  const TSize extent = Measure_.TextExtent(font, text);
  const TTextOffset offset = TextOffset(TextAlign, extent.cx, m.Ascent);
  // Counter-clockwise in the drawing, as the escapement turns it on the screen.
  const double degrees = font.Escapement / 10.0;
  const double a = degrees * kPi / 180.0, c = std::cos(a), s = std::sin(a);
  // A point (dx, dy) of the unturned text, screen-wise from the reference point.
  const auto at = [&](double dx, double dy) {
    return TVertex{x + dx * c + dy * s, Dy(y) + dx * s - dy * c, 0};
  };
  if (!TextTransparent) {
    const double top = offset.BaselineDy - m.Ascent;
    Hatch({at(offset.Dx, top), at(offset.Dx + extent.cx, top), at(offset.Dx + extent.cx, top + extent.cy),
           at(offset.Dx, top + extent.cy)},
          BackColor & 0xFFFFFFu, TBrushStyle::Solid);
  }
  const TVertex base = at(offset.Dx, offset.BaselineDy);
  // A centred label stays centred in a CAD program's own font.
  const bool centred = TextAlign == TTextAlign::CenterTop;
  Head("TEXT", FontColor & 0xFFFFFFu);
  TDxfGroups g(Body_);
  g.Name(100, "AcDbText");
  g.Point(10, base.X, base.Y);
  g.Real(40, std::max(1, m.PixelSize) * kCapHeightPerEm);
  g.Name(1, value);
  if (degrees != 0) g.Real(50, std::fmod(degrees + 360.0, 360.0));
  g.Name(7, "Standard");
  if (centred) {
    const TVertex middle = at(0, offset.BaselineDy);
    g.Int(72, 1);
    g.Point(11, middle.X, middle.Y);
  }
  g.Name(100, "AcDbText");
  Extents_.Add(base.X, base.Y);
  const TVertex end = at(offset.Dx + extent.cx, offset.BaselineDy - m.Ascent);
  Extents_.Add(end.X, end.Y);
}

TSize TDxfCanvas::TextExtent(const std::string& text) { return Measure_.TextExtent(Font(), text); }

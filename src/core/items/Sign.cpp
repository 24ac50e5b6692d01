#include "Sign.h"

#include <vector>

#include "LabelIO.h"
#include "SignCatalog.h"
#include "model/Geometry.h"
#include "platform/TextFile.h"

namespace {

const char kLabelMessage[] = "Нарушение целостности базы. Ошибка в указании текстадля знака.";

// The six paints of a generic sign. The blue shapes (1, 3) have no inner
// ring, so their inner paints are never used.
struct TGenericPaint {
  TColor Outline;
  int Width;
  TColor OuterFill;
  TColor InnerPen;
  TColor InnerFill;
  TColor Mark;
};

bool IsRedKind(int kind) { return kind == 2 || kind == 5; }

TGenericPaint GenericPaint(const TDrawContext& ctx, TSignLook look, int kind) {
  const bool red = IsRedKind(kind);
  switch (look) {
    case TSignLook::Active:
      return {clWhite, 1, kSchemeBackground, clWhite, kSchemeBackground, clWhite};
    case TSignLook::Selected:
      return {clWhite, 1, kSelectedFill, clWhite, kSelectedFill, clWhite};
    case TSignLook::Inactive:
      break;
    case TSignLook::Print: {
      const int pw = TSign::PrintPenWidth(ctx);
      if (!ctx.ColorPrint) return {clBlack, pw, clSilver, clBlack, clWhite, red ? clBlack : clWhite};
      TGenericPaint p = GenericPaint(ctx, TSignLook::Inactive, kind);
      p.Width = pw;
      return p;
    }
  }
  if (red) return {kSignRed, 1, kSignRed, kSignRed, clWhite, clBlack};
  return {kSignBlue, 1, kSignBlue, kSignBlue, kSignBlue, clWhite};
}

// The exclamation mark standing for the picture of a generic sign.
void Mark(TCanvas& canvas, const TSignFrame& f, const TSignPoint (&bar)[4], const TSignPoint (&dot)[4]) {
  std::vector<TPoint> p;
  for (const auto& v : bar) p.push_back(f.At(v));
  canvas.Polygon(p);
  p.clear();
  for (const auto& v : dot) p.push_back(f.At(v));
  canvas.Polygon(p);
}

}  // namespace

TSignFrame::TSignFrame(TPoint base, TPoint aim, double unit) : Base(base) {
  DirectionVector(base.x, base.y, aim.x, aim.y, unit, Ux, Uy);
}

TPoint TSignFrame::At(double a, double c) const { return LocalToScreen(Base.x, Base.y, Ux, Uy, c, a); }

TSign::TSign(std::uint32_t typeCode) : TAirSVItem(typeCode) {}
TSign::~TSign() = default;

int TSign::PrintPenWidth(const TDrawContext& ctx) { return MaxInt(1, Round(ctx.LineFactor * 0.1)); }

TSignFrame TSign::Frame(const TDrawContext& ctx, double unit) const {
  return TSignFrame(BasePoint(ctx), AimPoint(ctx), unit);
}

double TSign::Reach() const { return Kind == 2 ? 9.0 / 7.0 : 1.0; }

TRect TSign::GetBounds(TDrawContext& ctx) {
  const TSignFrame f = Frame(ctx, Radius(ctx));
  const TPoint b = f.Base, p = f.At(1, 1), q = f.At(-1, 1);
  TRect r = UnionRects(RectFromPoints(b.x, b.y, p.x, p.y), RectFromPoints(b.x, b.y, q.x, q.y));
  // Those two squares hold only part of the picture; the box of the whole
  // picture is added so that a sign at the edge of the window is still drawn
  // and fitting the scheme to the window keeps it whole.
  const TSignFrame whole = Frame(ctx, Radius(ctx) * Reach());
  for (const TSignPoint corner : {TSignPoint{0, -1}, TSignPoint{0, 1}, TSignPoint{2, 1}, TSignPoint{2, -1}}) {
    const TPoint c = whole.At(corner);
    r = UnionRects(r, TRect{c.x, c.y, c.x, c.y});
  }
  if (Label) r = UnionRects(r, Label->GetBounds(ctx));
  return r;
}

void TSign::SaveToText(TTextWriter& f) {
  TAirSVItem::SaveToText(f);
  f.WriteIntLine(Kind);
  SaveLabel(f, Label.get());
}

void TSign::LoadFromText(TTextReader& f) {
  TAirSVItem::LoadFromText(f);
  Kind = static_cast<std::uint8_t>(f.ReadInt());
  f.SkipLine();
  Label = LoadTextLabel(f, this, kSignLabelCode, TextColor(), kLabelMessage);
}

bool TSign::SelectInRect(TDrawContext& ctx, const TRect& r) {
  const TPoint b = BasePoint(ctx), a = AimPoint(ctx);
  // A sign whose aim point lies on its base point stands along +x, as it is drawn.
  double dx = 0, dy = 0;
  DirectionVector(b.x, b.y, a.x, a.y, 2 * Radius(ctx), dx, dy);
  Selected = SegmentMeetsRect(r, b.x, b.y, Round(b.x + dx), Round(b.y + dy));
  return Selected;
}

void TSign::DrawActive(TDrawContext& ctx) { DrawLook(ctx, TSignLook::Active); }
void TSign::DrawInactive(TDrawContext& ctx) { DrawLook(ctx, TSignLook::Inactive); }
void TSign::DrawSelected(TDrawContext& ctx) { DrawLook(ctx, TSignLook::Selected); }
void TSign::DrawPrint(TDrawContext& ctx) { DrawLook(ctx, TSignLook::Print); }

void TSign::DrawLook(TDrawContext& ctx, TSignLook look) {
  DrawSymbol(ctx, look);
  if (!Label) return;
  switch (look) {
    case TSignLook::Active: Label->DrawActive(ctx); break;
    case TSignLook::Inactive: Label->DrawInactive(ctx); break;
    case TSignLook::Selected: Label->DrawSelected(ctx); break;
    case TSignLook::Print: Label->DrawPrint(ctx); break;
  }
}

void TSign::DrawRubber(TDrawContext& ctx, const TScreenPoints& pts, int /*mode*/) {
  TCanvas& canvas = *ctx.Canvas;
  SetPen(canvas, kRubberColor, TPenMode::Xor, 1, TPenStyle::Solid);
  canvas.SetBrushStyle(TBrushStyle::Clear);
  const TSignFrame f(pts[0], pts[1], Radius(ctx));
  Disc(canvas, f, 1, 0, Radius(ctx));
}

TColor TSign::TextColor() { return clWhite; }

void TSign::DrawSymbol(TDrawContext& ctx, TSignLook look) {
  if (Kind != 1 && Kind != 2 && Kind != 3 && Kind != 5) return;
  TCanvas& canvas = *ctx.Canvas;
  const TGenericPaint p = GenericPaint(ctx, look, Kind);
  const double r = Radius(ctx);
  const TSignFrame f = Frame(ctx, r);
  Pen(canvas, p.Outline, p.Width);
  canvas.SetBrushColor(p.OuterFill);
  switch (Kind) {
    case 1:
      Disc(canvas, f, 1, 0, r);
      break;
    case 5:
      Disc(canvas, f, 1, 0, r);
      Pen(canvas, p.InnerPen, 1);
      canvas.SetBrushColor(p.InnerFill);
      Disc(canvas, f, 1, 0, 0.8 * r);
      break;
    case 3:
      Poly(canvas, f, {{0, 1}, {2, 1}, {2, -1}, {0, -1}});
      break;
    default: {
      // The triangle is drawn in a larger frame, so its mark has its own coordinates.
      const TSignFrame t = Frame(ctx, r * 9.0 / 7.0);
      Poly(canvas, t, {{0, 1}, {1.73, 0}, {0, -1}});
      Pen(canvas, p.InnerPen, p.Width);
      canvas.SetBrushColor(p.InnerFill);
      Poly(canvas, t, {{0.192222, 0.666667}, {1.345556, 0}, {0.192222, -0.666667}});
      Pen(canvas, p.Mark, 1);
      canvas.SetBrushColor(p.Mark);
      Mark(canvas, t, {{1.201389, 1.0 / 12}, {0.768889, 1.0 / 12}, {0.768889, -1.0 / 12}, {1.201389, -1.0 / 12}},
           {{0.480556, 1.0 / 12}, {0.288333, 1.0 / 12}, {0.288333, -1.0 / 12}, {0.480556, -1.0 / 12}});
      return;
    }
  }
  Pen(canvas, p.Mark, 1);
  canvas.SetBrushColor(p.Mark);
  Mark(canvas, f, {{1.5, 1.0 / 12}, {1, 1.0 / 12}, {1, -1.0 / 12}, {1.5, -1.0 / 12}},
       {{2.0 / 3, 1.0 / 12}, {0.5, 1.0 / 12}, {0.5, -1.0 / 12}, {2.0 / 3, -1.0 / 12}});
}

void TSign::Disc(TCanvas& canvas, const TSignFrame& frame, double a, double c, double radius) {
  const TPoint centre = frame.At(a, c);
  const int r = Round(radius);
  canvas.Ellipse(centre.x - r, centre.y - r, centre.x + r, centre.y + r);
}

void TSign::Poly(TCanvas& canvas, const TSignFrame& frame, std::initializer_list<TSignPoint> pts) {
  Poly(canvas, frame, pts.begin(), static_cast<int>(pts.size()));
}

void TSign::Poly(TCanvas& canvas, const TSignFrame& frame, const TSignPoint* pts, int count) {
  std::vector<TPoint> p;
  p.reserve(static_cast<std::size_t>(count));
  for (int i = 0; i < count; ++i) p.push_back(frame.At(pts[i]));
  canvas.Polygon(p);
}

void TSign::Segment(TCanvas& canvas, const TSignFrame& frame, TSignPoint from, TSignPoint to) {
  const TPoint p = frame.At(from), q = frame.At(to);
  canvas.Line(p.x, p.y, q.x, q.y);
}

void TSign::Pen(TCanvas& canvas, TColor color, int width) {
  SetPen(canvas, color, TPenMode::Copy, width, TPenStyle::Solid);
}

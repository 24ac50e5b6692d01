#include "ECable.h"

#include <cstdlib>
#include <vector>

#include "LabelIO.h"
#include "StopLine.h"
#include "model/Geometry.h"
#include "model/TypeCodes.h"
#include "platform/TextFile.h"

namespace {

constexpr TColor kSelectedPen = 0xFF0000;
constexpr TColor kActiveFill = 0x404040;
constexpr TColor kSelectedFill = 0xB0B0B0;
constexpr TColor kSelectedHandle = 0x00F0F0;
constexpr std::uint32_t kLabelCode = TypeCode::SVText;

const char* const kLabelMessage = "Нарушение целостности базы. Ошибка в указании текстадля кабеля.";

struct TDash {
  double From, To;
};

// What one piece of a cable shows: its dashes as fractions of the piece, and
// either two arrowheads or a ring in the middle.
struct TPiecePattern {
  std::vector<TDash> Dashes;
  bool Arrows;
  bool Ring;
};

const TPiecePattern& PatternOf(std::uint8_t cableType) {
  static const TPiecePattern kSolidArrows{{{0, 1}}, true, false};
  static const TPiecePattern kDashedArrows{{{0, 1.0 / 9}, {2.0 / 9, 4.0 / 9}, {5.0 / 9, 7.0 / 9}, {8.0 / 9, 1}}, true, false};
  static const TPiecePattern kRing{{{0, 0.35}, {0.65, 1}}, false, true};
  static const TPiecePattern kDashedRing{{{0, 0.1}, {0.2, 0.4}, {0.6, 0.8}, {0.9, 1}}, false, true};
  static const TPiecePattern kNone{{}, false, false};
  switch (cableType) {
    case 0: case 1: return kSolidArrows;
    case 2: return kRing;
    case 3: case 4: return kDashedArrows;
    case 5: return kDashedRing;
    default: return kNone;
  }
}

bool IsCommunication(std::uint8_t cableType) { return cableType == 2 || cableType == 5; }

TPoint At(double x, double y) { return TPoint{Round(x), Round(y)}; }

// One piece from S to E with the symbol size a: u runs from S towards E with
// length a, w is u turned a quarter turn.
void DrawPiece(TCanvas& c, const TPiecePattern& pattern, TRealPoint s, TRealPoint e, double a) {
  const double dx = e.x - s.x, dy = e.y - s.y;
  auto point = [&](double f) { return TRealPoint{s.x + f * dx, s.y + f * dy}; };
  for (const TDash& d : pattern.Dashes) {
    const TRealPoint p = point(d.From), q = point(d.To);
    c.Line(Round(p.x), Round(p.y), Round(q.x), Round(q.y));
  }
  double ux = 0, uy = 0;
  DirectionVector(s.x, s.y, e.x, e.y, a, ux, uy);
  const double wx = -uy, wy = ux;
  if (pattern.Arrows) {
    const int width = c.Pen.Width;
    c.Pen.Width = 1;
    const TRealPoint q = point(0.25), r = point(0.75);
    c.Polygon(std::vector<TPoint>{At(q.x, q.y), At(q.x + 1.8 * ux + 0.5 * wx, q.y + 1.8 * uy + 0.5 * wy),
                                  At(q.x + 1.8 * ux - 0.5 * wx, q.y + 1.8 * uy - 0.5 * wy)});
    c.Polygon(std::vector<TPoint>{At(r.x, r.y), At(r.x - 1.8 * ux + 0.5 * wx, r.y - 1.8 * uy + 0.5 * wy),
                                  At(r.x - 1.8 * ux - 0.5 * wx, r.y - 1.8 * uy - 0.5 * wy)});
    c.Pen.Width = width;
  }
  if (pattern.Ring) {
    const TRealPoint m = point(0.5);
    const double radius = 0.4 * a;
    c.Ellipse(Round(m.x - radius), Round(m.y - radius), Round(m.x + radius), Round(m.y + radius));
  }
}

}  // namespace

TColor CableColor(std::uint8_t cableType) {
  switch (cableType) {
    case 0: case 3: return 0x0000FF;
    case 1: case 4: return 0x10FFFF;
    case 2: case 5: return 0x60FF60;
    default: return 0x808080;
  }
}

TColor TECable::TextColor() { return CableColor(CableType); }

TRect TECable::GetBounds(TDrawContext& ctx) {
  // Arrowheads stand half a symbol to either side of the run and rings 0.4
  // of one; the symbol is larger in print or in the views, whichever the
  // context is for, and the printed pen adds half its width.
  const double symbol = MaxReal(3 * ctx.SignScale, MaxReal(2, ctx.LineFactor));
  const int pen = MaxInt(1, Round(0.3 * ctx.LineFactor));
  TRect r = BandBounds(ctx, TLineSVItem::GetBounds(ctx), 0.5 * symbol + 0.5 * pen);
  if (Label) r = UnionRects(r, Label->GetBounds(ctx));
  return r;
}

void TECable::SaveToText(TTextWriter& f) {
  TLineSVItem::SaveToText(f);
  f.WriteIntLine(CableType);
  SaveLabel(f, Label.get());
}

void TECable::LoadFromText(TTextReader& f) {
  TLineSVItem::LoadFromText(f);
  CableType = static_cast<std::uint8_t>(f.ReadInt());
  f.SkipLine();
  Label = LoadLinedLabel(f, this, kLabelCode, TextColor(), kLabelMessage);
}

bool TECable::FindAnchor(int x, int y, TDrawContext& ctx, std::uint32_t typeCode, double& X, double& Y) {
  // Wells, cables, controllers, poles and cable labels may start on a cable.
  if (typeCode != SnapRequest::Well && typeCode != SnapRequest::Cable && typeCode != SnapRequest::Cabinet &&
      typeCode != SnapRequest::Pole && typeCode != SnapRequest::LinedLabel)
    return false;
  if (FindLineEnd(x, y, ctx, X, Y)) return true;
  const TRealPoint mouse = ctx.ScreenToWorld(x, y);
  const TRealPoint f = NearestPointOnSegment(mouse.x, mouse.y, X1, Y1, X2, Y2);
  const TPoint s = ctx.WorldToScreen(f.x, f.y);
  if (std::abs(s.x - x) > ctx.HitTolerance || std::abs(s.y - y) > ctx.HitTolerance) return false;
  X = f.x;
  Y = f.y;
  return true;
}

void TECable::DrawRun(TDrawContext& ctx, const TLook& look) {
  TCanvas& c = *ctx.Canvas;
  SetPen(c, look.Pen, TPenMode::Copy, look.PenWidth, TPenStyle::Solid);
  c.SetBrushColor(look.Fill);
  const TPoint p1 = ctx.WorldToScreen(X1, Y1), p2 = ctx.WorldToScreen(X2, Y2);
  const TPiecePattern& pattern = PatternOf(CableType);
  // Capped like the markings' patterns: a run from a damaged scheme can be
  // millions of pieces long on the screen.
  const int count = look.PieceLength > 0 ? RoundedPieces(PointDistance(p1, p2) / look.PieceLength) : 0;
  // A cable of a type without a symbol is still shown as a plain run, so it
  // can be found and retyped.
  if (count <= 0 || pattern.Dashes.empty()) {
    c.Line(p1.x, p1.y, p2.x, p2.y);
    return;
  }
  const double dx = p2.x - p1.x, dy = p2.y - p1.y;
  for (int i = 0; i < count; ++i) {
    const TRealPoint s{p1.x + dx * i / count, p1.y + dy * i / count};
    const TRealPoint e{p1.x + dx * (i + 1) / count, p1.y + dy * (i + 1) / count};
    DrawPiece(c, pattern, s, e, look.SymbolSize);
  }
}

void TECable::DrawHandles(TDrawContext& ctx, TColor fill) {
  TCanvas& c = *ctx.Canvas;
  c.SetBrushColor(fill);
  const int t = ctx.HitTolerance;
  for (const TPoint p : {ctx.WorldToScreen(X1, Y1), ctx.WorldToScreen(X2, Y2)})
    c.FillRect(TRect{p.x - t, p.y - t, p.x + t, p.y + t});
}

void TECable::DrawActive(TDrawContext& ctx) {
  const double s = ctx.SignScale;
  const TColor color = CableColor(CableType);
  DrawRun(ctx, TLook{3 * s, 56 * s, color, 1, kActiveFill});
  DrawHandles(ctx, color);
  if (Label) Label->DrawActive(ctx);
}

void TECable::DrawInactive(TDrawContext& ctx) {
  const double s = ctx.SignScale;
  const TColor color = CableColor(CableType);
  DrawRun(ctx, TLook{3 * s, 56 * s, color, 1, color});
  if (Label) Label->DrawInactive(ctx);
}

void TECable::DrawSelected(TDrawContext& ctx) {
  const double s = ctx.SignScale;
  DrawRun(ctx, TLook{3 * s, 56 * s, kSelectedPen, 1, kSelectedFill});
  DrawHandles(ctx, kSelectedHandle);
  if (Label) Label->DrawSelected(ctx);
}

void TECable::DrawPrint(TDrawContext& ctx) {
  const double pf = ctx.LineFactor;
  const TColor pen = ctx.ColorPrint ? CableColor(CableType) : clBlack;
  int width = MaxInt(1, Round(0.3 * pf));
  if (IsCommunication(CableType)) width = MaxInt(1, Round(0.2 * pf));
  if (PatternOf(CableType).Dashes.empty()) width = 1;
  DrawRun(ctx, TLook{MaxReal(2, pf), 14 * pf, pen, width, pen});
  if (Label) Label->DrawPrint(ctx);
}

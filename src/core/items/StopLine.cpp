#include "StopLine.h"

#include <cmath>

#include "model/Geometry.h"
#include "model/TypeCodes.h"

namespace {
constexpr TColor kMarkingDark = 0x404040;
constexpr TColor kPrintFill = 0xE0E0E0;
constexpr TColor kHandleGrey = 0x707070;
}  // namespace

double RealPixels(const TDrawContext& ctx, const TSVItem& item) { return ctx.Zoom * item.RealScale(); }

int PixelLength(double pixels) {
  constexpr double kLimit = 134217727.0;
  if (pixels > kLimit) return static_cast<int>(kLimit);
  if (pixels < -kLimit) return -static_cast<int>(kLimit);
  return Round(pixels);
}

TPoint TLineFrame::At(double along, double across) const { return LocalToScreen(Ox, Oy, Ux, Uy, across, along); }

TLineFrame TLineFrame::MovedTo(double along) const {
  TLineFrame f = *this;
  f.Ox = Round(Ox + Ux * along);
  f.Oy = Round(Oy + Uy * along);
  return f;
}

TLineFrame LineFrame(TPoint p1, TPoint p2) {
  TLineFrame f;
  f.Ox = p1.x;
  f.Oy = p1.y;
  f.Length = PointDistance(p1, p2);
  DirectionVector(p1.x, p1.y, p2.x, p2.y, 1.0, f.Ux, f.Uy);
  return f;
}

namespace {
int BoundedPieces(double n) {
  if (!(n > 0)) return 0;
  if (n >= kMaxPieces) return kMaxPieces;
  return static_cast<int>(n);
}
}  // namespace

int RoundedPieces(double ratio) {
  if (!(ratio < static_cast<double>(kMaxPieces))) return BoundedPieces(ratio);
  return BoundedPieces(Round(ratio));
}

int TruncatedPieces(double ratio) { return BoundedPieces(std::trunc(ratio)); }

void SetMarkLook(TCanvas& canvas, TMarkLook look) {
  switch (look) {
    case TMarkLook::Active:
      SetPen(canvas, clWhite, TPenMode::Copy, 1, TPenStyle::Dot);
      SetBrush(canvas, kMarkingDark, TBrushStyle::Solid);
      break;
    case TMarkLook::Inactive:
      SetPen(canvas, clWhite, TPenMode::Copy, 1, TPenStyle::Solid);
      SetBrush(canvas, clWhite, TBrushStyle::Solid);
      break;
    case TMarkLook::Selected:
      SetPen(canvas, clBlue, TPenMode::Copy, 1, TPenStyle::Solid);
      SetBrush(canvas, kMarkingDark, TBrushStyle::Solid);
      break;
    case TMarkLook::Print:
      SetPen(canvas, clBlack, TPenMode::Copy, 1, TPenStyle::Solid);
      SetBrush(canvas, kPrintFill, TBrushStyle::Solid);
      break;
  }
}

void DrawQuad(TCanvas& canvas, TPoint a, TPoint b, TPoint c, TPoint d) {
  const TPoint pts[4] = {a, b, c, d};
  canvas.Polygon(pts, 4);
}

void DrawSegment(TCanvas& canvas, TPoint a, TPoint b) { canvas.Line(a.x, a.y, b.x, b.y); }

void DrawEndHandles(TDrawContext& ctx, TPoint p1, TPoint p2) {
  const int h = ctx.HitTolerance;
  SetBrush(*ctx.Canvas, kHandleGrey, TBrushStyle::Solid);
  for (const TPoint p : {p1, p2}) ctx.Canvas->FillRect(TRect{p.x - h, p.y - h, p.x + h, p.y + h});
}

bool JoinsLaneLines(std::uint32_t typeCode) {
  return typeCode == SnapRequest::StopLine || typeCode == SnapRequest::SingleLine;
}

bool TStopLine::FindAnchor(int x, int y, TDrawContext& ctx, std::uint32_t typeCode, double& X, double& Y) {
  return JoinsLaneLines(typeCode) && FindLineEnd(x, y, ctx, X, Y);
}

void TStopLine::DrawBand(TDrawContext& ctx) {
  const TLineFrame f = LineFrame(ctx.WorldToScreen(X1, Y1), ctx.WorldToScreen(X2, Y2));
  const TLineFrame e = f.AtEnd();
  // Never thinner than a pixel, so the line stays visible however far out the view is zoomed.
  const double h = MaxReal(0.5, 4 * RealPixels(ctx, *this));
  DrawQuad(*ctx.Canvas, f.At(0, -h), e.At(0, -h), e.At(0, h), f.At(0, h));
}

void TStopLine::DrawActive(TDrawContext& ctx) {
  SetMarkLook(*ctx.Canvas, TMarkLook::Active);
  DrawBand(ctx);
  DrawEndHandles(ctx, ctx.WorldToScreen(X1, Y1), ctx.WorldToScreen(X2, Y2));
}

void TStopLine::DrawInactive(TDrawContext& ctx) {
  SetMarkLook(*ctx.Canvas, TMarkLook::Inactive);
  DrawBand(ctx);
}

void TStopLine::DrawSelected(TDrawContext& ctx) {
  SetMarkLook(*ctx.Canvas, TMarkLook::Selected);
  DrawBand(ctx);
  DrawEndHandles(ctx, ctx.WorldToScreen(X1, Y1), ctx.WorldToScreen(X2, Y2));
}

void TStopLine::DrawPrint(TDrawContext& ctx) {
  SetMarkLook(*ctx.Canvas, TMarkLook::Print);
  DrawBand(ctx);
}

TRect BandBounds(TDrawContext& ctx, TRect lineBounds, double halfWidth) {
  if (!IsValidRect(lineBounds)) return lineBounds;
  const int grow = MaxInt(ctx.HitTolerance, PixelLength(halfWidth) + 1);
  return TRect{lineBounds.Left - grow, lineBounds.Top - grow, lineBounds.Right + grow, lineBounds.Bottom + grow};
}

TRect TStopLine::GetBounds(TDrawContext& ctx) {
  return BandBounds(ctx, TLineSVItem::GetBounds(ctx), MaxReal(0.5, 4 * RealPixels(ctx, *this)));
}

#include "WELL.h"

#include <cstdlib>

#include "LabelIO.h"
#include "StopLine.h"
#include "model/Geometry.h"
#include "model/TypeCodes.h"
#include "platform/TextFile.h"

namespace {

constexpr TColor kWellColor = 0x10FFFF;
constexpr TColor kWellFill = 0x404040;
constexpr TColor kSelectedFill = 0xFF0000;
constexpr std::uint32_t kLabelCode = TypeCode::SVText;
constexpr std::uint32_t kCableCode = SnapRequest::Cable;

const char* const kLabelMessage = "Нарушение целостности базы. Ошибка в указании текстадля колодца.";

}  // namespace

TColor TWELL::TextColor() { return kWellColor; }

int TWELL::Radius(const TDrawContext& ctx, double printExtra) const {
  const double real = 4.0 * ctx.Zoom * RealScale();
  return PixelLength(MaxReal(MaxReal(real, 4.0 * ctx.SignScale), printExtra));
}

TRect TWELL::GetBounds(TDrawContext& ctx) {
  const TPoint c = ctx.WorldToScreen(X, Y);
  // The circle is never smaller than the symbol square, and may be larger
  // when the real size wins or, on a printer, a millimetre does; the bounds
  // hold all of it with half of the outline.
  const int pen = MaxInt(1, Round(ctx.LineFactor / 6.0));
  const int half = MaxInt(PixelLength(3.0 * ctx.SignScale), Radius(ctx, ctx.LineFactor) + pen / 2);
  TRect r{c.x - half, c.y - half, c.x + half, c.y + half};
  if (Label) r = UnionRects(r, Label->GetBounds(ctx));
  return r;
}

void TWELL::SaveToText(TTextWriter& f) {
  WriteRealPair(f, X, Y);
  SaveLabel(f, Label.get());
}

void TWELL::LoadFromText(TTextReader& f) {
  ReadRealPair(f, X, Y);
  Label = LoadTextLabel(f, this, kLabelCode, kWellColor, kLabelMessage);
}

bool TWELL::SelectInRect(TDrawContext& ctx, const TRect& r) {
  const TPoint c = ctx.WorldToScreen(X, Y);
  Selected = PointInRect(c.x, c.y, r);
  return Selected;
}

bool TWELL::FindAnchor(int x, int y, TDrawContext& ctx, std::uint32_t typeCode, double& AX, double& AY) {
  if (typeCode != kCableCode) return false;
  const TPoint c = ctx.WorldToScreen(X, Y);
  if (std::abs(c.x - x) > ctx.HitTolerance || std::abs(c.y - y) > ctx.HitTolerance) return false;
  AX = X;
  AY = Y;
  return true;
}

void TWELL::PlaceAt(TDrawContext& ctx, const TScreenPoints& pts, const TSnapRecord& snap, int) {
  if (snap[0].Found) {
    X = snap[0].X;
    Y = snap[0].Y;
  } else {
    ctx.ScreenToWorld(pts[0].x, pts[0].y, X, Y);
  }
}

void TWELL::DrawCircle(TDrawContext& ctx, TColor pen, int width, TColor fill, double printExtra) {
  TCanvas& c = *ctx.Canvas;
  SetPen(c, pen, TPenMode::Copy, width, TPenStyle::Solid);
  c.SetBrushColor(fill);
  const TPoint p = ctx.WorldToScreen(X, Y);
  const int r = Radius(ctx, printExtra);
  c.Ellipse(p.x - r, p.y - r, p.x + r, p.y + r);
}

void TWELL::DrawActive(TDrawContext& ctx) {
  DrawCircle(ctx, kWellColor, 1, kWellFill, 0);
  if (Label) Label->DrawActive(ctx);
}

void TWELL::DrawInactive(TDrawContext& ctx) {
  DrawCircle(ctx, kWellColor, 1, kWellFill, 0);
  if (Label) Label->DrawInactive(ctx);
}

void TWELL::DrawSelected(TDrawContext& ctx) {
  DrawCircle(ctx, kWellColor, 1, kSelectedFill, 0);
  if (Label) Label->DrawSelected(ctx);
}

void TWELL::DrawRubber(TDrawContext&, const TScreenPoints&, int) {}

void TWELL::DrawPrint(TDrawContext& ctx) {
  DrawCircle(ctx, clBlack, MaxInt(1, Round(ctx.LineFactor / 6.0)), clWhite, ctx.LineFactor);
  if (Label) Label->DrawPrint(ctx);
}

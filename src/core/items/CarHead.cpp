#include "CarHead.h"

#include <vector>

#include "model/Geometry.h"
#include "plan/SVNapr.h"
#include "platform/TextFile.h"

namespace {
constexpr TColor kDarkGrey = 0x404040;

struct TLocal {
  double Along, Across;
};

const std::vector<TLocal> kStraight = {{0.95, 0.05}, {0.4, 0.05},  {0.4, 0.2},   {0.1, 0},
                                       {0.4, -0.2},  {0.4, -0.05}, {0.95, -0.05}};
const std::vector<TLocal> kTurn = {{0.575, 0.625}, {0.8, 0.3}, {0.65, 0.3}, {0.65, -0.4},
                                   {0.5, -0.4},    {0.5, 0.3}, {0.35, 0.3}};
const std::vector<TLocal> kTurnAndStraight = {{0.95, -0.2}, {0.4, -0.2}, {0.4, -0.35}, {0.1, -0.15}, {0.4, 0.05},
                                              {0.4, -0.1},  {0.6, -0.1}, {0.6, 0.2},   {0.45, 0.2},  {0.65, 0.5},
                                              {0.85, 0.2},  {0.7, 0.2},  {0.7, -0.1},  {0.95, -0.1}};
}  // namespace

void TCarHead::SaveToText(TTextWriter& f) {
  TAirSVItem::SaveToText(f);
  f.WriteIntLine(ArrowKind);
  f.WriteLine(NaprLine(Napr));
  SaveHeadLabel(f);
}

void TCarHead::LoadFromText(TTextReader& f) {
  TAirSVItem::LoadFromText(f);
  ArrowKind = static_cast<std::uint8_t>(f.ReadInt());
  f.SkipLine();
  Napr = ResolveNapr(f.ReadLine());
  LoadHeadLabel(f);
}

void TCarHead::PlaceAt(TDrawContext& ctx, const TScreenPoints& pts, const TSnapRecord& snap, int /*count*/) {
  PlaceHanging(ctx, pts, snap, "Ошибка. stick не прицепился, но создался");
}

void TCarHead::DrawArrow(TDrawContext& ctx, const THeadFrame& f) {
  // Left-turning arrows point to the +across side, right-turning ones mirror them.
  const std::vector<TLocal>* shape = nullptr;
  double side = 1;
  switch (ArrowKind) {
    case 1: shape = &kStraight; break;
    case 2: shape = &kTurn; break;
    case 3: shape = &kTurnAndStraight; break;
    case 4:
      shape = &kTurn;
      side = -1;
      break;
    case 5:
      shape = &kTurnAndStraight;
      side = -1;
      break;
    default: return;
  }
  std::vector<TPoint> pts;
  pts.reserve(shape->size());
  for (const TLocal& v : *shape) pts.push_back(f.At(v.Along, side * v.Across));
  ctx.Canvas->Polygon(pts);
}

void TCarHead::DrawHead(TDrawContext& ctx, TColor body, TColor arrow, bool arrowPen) {
  const double s = SymbolSize(ctx);
  const THeadFrame f = Frame(ctx, s);
  ctx.Canvas->SetBrushColor(body);
  DrawHalfDisc(ctx, f, s);
  ctx.Canvas->SetBrushColor(arrow);
  if (arrowPen) ctx.Canvas->Pen.Color = arrow;
  DrawArrow(ctx, f);
}

void TCarHead::DrawActive(TDrawContext& ctx) {
  SetPen(*ctx.Canvas, clWhite, TPenMode::Copy, 1, TPenStyle::Solid);
  DrawHead(ctx, kDarkGrey, clWhite, false);
  DrawLabelActive(ctx);
}

void TCarHead::DrawInactive(TDrawContext& ctx) {
  SetPen(*ctx.Canvas, clWhite, TPenMode::Copy, 1, TPenStyle::Solid);
  const TColor body = SignalColorOf(LiveNapr(Napr));
  // A lit body takes a black arrow; a dark one keeps it white.
  DrawHead(ctx, body, body == kDarkGrey ? clWhite : clBlack, true);
  DrawLabelInactive(ctx);
}

void TCarHead::DrawSelected(TDrawContext& ctx) {
  SetPen(*ctx.Canvas, clWhite, TPenMode::Copy, 1, TPenStyle::Solid);
  DrawHead(ctx, clBlue, clWhite, false);
  DrawLabelSelected(ctx);
}

void TCarHead::DrawPrint(TDrawContext& ctx) {
  SetPen(*ctx.Canvas, clBlack, TPenMode::Copy, MaxInt(1, Round(ctx.LineFactor / 6)), TPenStyle::Solid);
  const TSVNapr* napr = LiveNapr(Napr);
  const double s = SymbolSize(ctx);
  const THeadFrame f = Frame(ctx, s);
  ctx.Canvas->SetBrushColor(napr && ctx.ColorPrint ? napr->SignalColor() : clWhite);
  DrawHalfDisc(ctx, f, s);
  ctx.Canvas->Pen.Width = 1;
  ctx.Canvas->SetBrushColor(clBlack);
  DrawArrow(ctx, f);
  DrawLabelPrint(ctx);
}

#include "Head.h"

#include <algorithm>

#include "items/LabelIO.h"
#include "model/Geometry.h"
#include "plan/SVInfo.h"
#include "plan/SVNapr.h"
#include "platform/TextFile.h"

namespace {
constexpr TColor kRubber = 0x10FFFF;
constexpr const char* kNoNapr = "no napr";
}  // namespace

TPoint THeadFrame::At(double along, double across) const { return LocalToScreen(Bx, By, Ux, Uy, across, along); }

TRect THeadFrame::CircleBox(double along, double across, double r) const {
  const TRealPoint c = Point(along, across);
  return TRect{Round(c.x - r), Round(c.y - r), Round(c.x + r), Round(c.y + r)};
}

THeadFrame THead::FrameAt(TPoint b, TPoint a, double length) {
  THeadFrame f;
  f.Bx = b.x;
  f.By = b.y;
  DirectionVector(b.x, b.y, a.x, a.y, length, f.Ux, f.Uy);
  return f;
}

TColor SignalColorOf(const TSVNapr* napr) { return napr ? napr->SignalColor() : kSignalDark; }

TRect THead::GetBounds(TDrawContext& ctx) {
  // The whole body, on both sides of the head's axis, so that a head whose
  // body reaches into the window is drawn.
  const THeadFrame f = Frame(ctx, SymbolSize(ctx));
  const double d = BodyDepth();
  const TPoint corners[] = {BasePoint(ctx), f.At(0, 1), f.At(0, -1), f.At(d, 1), f.At(d, -1)};
  TRect r{corners[0].x, corners[0].y, corners[0].x, corners[0].y};
  for (const TPoint& p : corners) {
    r.Left = std::min(r.Left, p.x);
    r.Top = std::min(r.Top, p.y);
    r.Right = std::max(r.Right, p.x);
    r.Bottom = std::max(r.Bottom, p.y);
  }
  if (Label) r = UnionRects(r, Label->GetBounds(ctx));
  return r;
}

bool THead::SelectInRect(TDrawContext& ctx, const TRect& r) {
  const THeadFrame f = Frame(ctx, 1.25 * SymbolSize(ctx));
  const TPoint b = BasePoint(ctx), e = f.At(1, 0);
  Selected = SegmentMeetsRect(r, b.x, b.y, e.x, e.y);
  return Selected;
}

void THead::DrawHalfDisc(TDrawContext& ctx, const THeadFrame& f, double s) {
  const TRect box = f.CircleBox(1, 0, s);
  const TPoint start = f.At(1, -1), end = f.At(1, 1);
  ctx.Canvas->Pie(box.Left, box.Top, box.Right, box.Bottom, start.x, start.y, end.x, end.y);
}

void THead::DrawRubber(TDrawContext& ctx, const TScreenPoints& pts, int /*mode*/) {
  SetPen(*ctx.Canvas, kRubber, TPenMode::Xor, 1, TPenStyle::Solid);
  ctx.Canvas->SetBrushStyle(TBrushStyle::Clear);
  const double s = SymbolSize(ctx);
  DrawHalfDisc(ctx, FrameAt(pts[0], pts[1], s), s);
}

TSVNapr* THead::ResolveNapr(const std::string& name) const {
  const TSVInfo* info = Info();
  // "no napr" names no direction even where a direction is numbered 0.
  if (!info || name == kNoNapr) return nullptr;
  return info->Directions.findNapr(name);
}

TSVNapr* THead::LiveNapr(TSVNapr* napr) const {
  const TSVInfo* info = Info();
  if (!napr || !info) return napr;
  const TNaprSet& set = info->Directions;
  for (int i = 1; i <= set.Count; ++i) {
    if (set.Item(i) == napr) return napr;
  }
  return nullptr;
}

std::string THead::NaprLine(TSVNapr* napr) const {
  const TSVNapr* live = LiveNapr(napr);
  return live ? live->Name : kNoNapr;
}

void THead::SaveHeadLabel(TTextWriter& f) { SaveLabel(f, Label.get()); }

void THead::LoadHeadLabel(TTextReader& f) {
  Label = LoadTextLabel(f, this, static_cast<std::uint32_t>(-1), TextColor(),
                        "Нарушение целостности базы. Ошибка в указании текстадля головки.");
}

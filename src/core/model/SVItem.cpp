#include "SVItem.h"

#include "Geometry.h"
#include "Layer.h"
#include "SVObject.h"
#include "plan/SVInfo.h"
#include "platform/TextFile.h"

TRect TSVItem::GetBounds(TDrawContext&) { return kNoExtent; }

bool TSVItem::HitTest(int, int, TDrawContext&) { return false; }

void TSVItem::SaveToText(TTextWriter&) {}

void TSVItem::LoadFromText(TTextReader&) {}

bool TSVItem::SelectInRect(TDrawContext& ctx, const TRect& r) {
  Selected = RectsMeet(r, GetBounds(ctx));
  return Selected;
}

void TSVItem::SelectAtPoint(int x, int y, TDrawContext& ctx) { Selected = HitTest(x, y, ctx); }

bool TSVItem::FindAnchor(int, int, TDrawContext&, std::uint32_t, double&, double&) { return false; }

bool TSVItem::FindAnchorEx(int, int, TDrawContext&, std::uint32_t, double&, double&, double&, double&) {
  return false;
}

void TSVItem::PlaceAt(TDrawContext&, const TScreenPoints&, const TSnapRecord&, int) {}

void TSVItem::DrawActive(TDrawContext&) {}

void TSVItem::DrawInactive(TDrawContext&) {}

void TSVItem::DrawSelected(TDrawContext&) {}

void TSVItem::DrawRubber(TDrawContext&, const TScreenPoints&, int) {}

void TSVItem::DrawPrint(TDrawContext&) {}

bool TSVItem::IsVisibleIn(TDrawContext& ctx) {
  if (Hidden || !ctx.Canvas) return false;
  const TRect b = GetBounds(ctx);
  return IsValidRect(b) && RectsMeet(b, ctx.Canvas->ClipRect());
}

TColor TSVItem::TextColor() { return clGray; }

TSVObject* TSVItem::Scheme() const { return Owner ? Owner->Scheme : nullptr; }

TSVInfo* TSVItem::Info() const {
  TSVObject* scheme = Scheme();
  return scheme ? scheme->Info.get() : nullptr;
}

double TSVItem::RealScale() const {
  const TSVInfo* info = Info();
  return info ? info->RealScale : 1.0;
}

bool TSVItem::LayerShowsText() const { return Owner ? Owner->ShowText : true; }

void DrawItem(TSVItem& item, TDrawContext& ctx, bool editable) {
  if (item.Hidden || !item.IsVisibleIn(ctx)) return;
  if (!editable)
    item.DrawInactive(ctx);
  else if (item.Selected)
    item.DrawSelected(ctx);
  else
    item.DrawActive(ctx);
}

void PrintItem(TSVItem& item, TDrawContext& ctx) {
  if (item.IsVisibleIn(ctx)) item.DrawPrint(ctx);
}

void WriteRealPair(TTextWriter& f, double x, double y) { f.WriteLine(FormatCoord(x) + " " + FormatCoord(y)); }

void ReadRealPair(TTextReader& f, double& x, double& y) {
  x = f.ReadReal();
  y = f.ReadReal();
  f.SkipLine();
}

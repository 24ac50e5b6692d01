#include "SVRealText.h"

#include "SVText.h"
#include "model/Geometry.h"
#include "model/TypeCodes.h"
#include "platform/TextFile.h"

namespace {

constexpr TColor kSelectedBack = 0xFF0000;
// The direction a free text's font starts with; the first refresh sets the real one.
constexpr int kInitialEscapement = 150;

}  // namespace

std::unique_ptr<TSVRealText> TSVRealText::MakeFreeText(const std::string& text) {
  auto item = std::make_unique<TSVRealText>(TypeCode::SVRealText);
  item->SetDefaultFont();
  item->Text = text;
  return item;
}

void TSVRealText::SetDefaultFont() {
  Font = TFontDesc{};
  Font.Escapement = kInitialEscapement;
  Font.Orientation = kInitialEscapement;
  CachedEscapement = Font.Escapement;
  CachedHeight = Font.Height;
}

int TSVRealText::CellHeight(const TDrawContext& ctx) { return Round(18.0 * ctx.SignScale); }

void TSVRealText::RefreshFont(TDrawContext& ctx) {
  ApplyTextFont(ctx.Canvas, Font, CachedEscapement, CachedHeight, TextEscapement(BasePoint(ctx), AimPoint(ctx)),
                CellHeight(ctx));
}

void TSVRealText::SaveToText(TTextWriter& f) {
  TAirSVItem::SaveToText(f);
  f.WriteLine(SingleLine(Text));
}

void TSVRealText::LoadFromText(TTextReader& f) {
  TAirSVItem::LoadFromText(f);
  Text = f.ReadLine();
  SetDefaultFont();
}

void TSVRealText::PlaceAt(TDrawContext& ctx, const TScreenPoints& pts, const TSnapRecord& snap, int) {
  PlaceText(*this, ctx, pts, snap, false);
}

void TSVRealText::TextBox(TDrawContext& ctx, TPoint& p1, TPoint& corner) {
  const TTextFrame fr = MakeTextFrame(*this, ctx);
  TSize ext;
  if (ctx.Canvas) {
    RefreshFont(ctx);
    ext = ctx.Canvas->TextExtent(Text);
  }
  p1 = fr.P1;
  corner = fr.At(ext.cx, -ext.cy);
}

TRect TSVRealText::GetBounds(TDrawContext& ctx) {
  if (!LayerShowsText()) return kNoExtent;
  TPoint p1, corner;
  TextBox(ctx, p1, corner);
  return RectFromPoints(p1.x, p1.y, corner.x, corner.y);
}

bool TSVRealText::SelectInRect(TDrawContext& ctx, const TRect& r) {
  TPoint p1, corner;
  TextBox(ctx, p1, corner);
  Selected = SegmentMeetsRect(r, p1.x, p1.y, corner.x, corner.y);
  return Selected;
}

void TSVRealText::WriteText(TDrawContext& ctx, TColor color, bool opaque) {
  TCanvas& c = *ctx.Canvas;
  const TPoint p1 = BasePoint(ctx);
  c.FontColor = color;
  c.TextTransparent = !opaque;
  c.BackColor = kSelectedBack;
  c.TextAlign = TTextAlign::BaselineLeft;
  c.TextOut(p1.x, p1.y, Text);
  c.TextTransparent = true;
}

void TSVRealText::DrawActive(TDrawContext& ctx) {
  if (!ctx.Canvas || !LayerShowsText()) return;
  TCanvas& c = *ctx.Canvas;
  RefreshFont(ctx);
  const TTextFrame fr = MakeTextFrame(*this, ctx);
  const TPoint e = fr.At(c.TextWidth(Text), 0);
  SetPen(c, clWhite, TPenMode::Copy, 1, TPenStyle::Dot);
  c.Line(fr.A.x, fr.A.y, fr.P1.x, fr.P1.y);
  WriteText(ctx, clWhite, false);
  c.Line(fr.P1.x, fr.P1.y, e.x, e.y);
}

void TSVRealText::DrawInactive(TDrawContext& ctx) {
  if (!ctx.Canvas || !LayerShowsText()) return;
  RefreshFont(ctx);
  WriteText(ctx, clWhite, false);
}

void TSVRealText::DrawSelected(TDrawContext& ctx) {
  if (!ctx.Canvas || !LayerShowsText()) return;
  TCanvas& c = *ctx.Canvas;
  RefreshFont(ctx);
  const TTextFrame fr = MakeTextFrame(*this, ctx);
  SetPen(c, clWhite, TPenMode::Copy, 1, TPenStyle::Dot);
  c.Line(fr.A.x, fr.A.y, fr.P1.x, fr.P1.y);
  WriteText(ctx, clWhite, true);
}

void TSVRealText::DrawPrint(TDrawContext& ctx) {
  if (!ctx.Canvas || !LayerShowsText()) return;
  RefreshFont(ctx);
  WriteText(ctx, clBlack, false);
}

void TSVRealText::DrawRubber(TDrawContext& ctx, const TScreenPoints& pts, int mode) {
  TPoint at;
  DrawTextRubber(ctx, pts, mode, Text, Font, CachedEscapement, CachedHeight, CellHeight(ctx), at);
}

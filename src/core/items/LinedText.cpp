#include "LinedText.h"

#include "model/Geometry.h"
#include "model/TypeCodes.h"
#include "platform/TextFile.h"

namespace {

constexpr TColor kSelectedColor = 0xFF0000;

// Where the parts of a lined label go on the screen.
struct TLinedLayout {
  TTextFrame Frame;
  int UpperHeight = 0;
  int Width = 0;
  TPoint End;
  TPoint UpperAt;
  TPoint LowerAt;
  TPoint Leader[3];
};

// Needs the font selected: the widths are measured with it.
TLinedLayout Layout(TCanvas& c, const TTextFrame& fr, const std::string& upper, const std::string& lower) {
  TLinedLayout l;
  l.Frame = fr;
  const TSize su = c.TextExtent(upper);
  const TSize sl = c.TextExtent(lower);
  l.UpperHeight = su.cy;
  l.Width = MaxInt(su.cx, sl.cx);
  const int height = MaxInt(su.cy, sl.cy);
  const int rise = Round(0.9 * height);
  l.End = fr.At(l.Width, 0);
  l.UpperAt = fr.At(0.5 * l.Width, -rise);
  l.LowerAt = fr.At(0.5 * l.Width, 0);
  // The leader reaches the underline at its nearer end and runs on along it.
  const bool startNearer = PointDistance(fr.A, fr.P1) <= PointDistance(fr.A, l.End);
  l.Leader[0] = fr.A;
  l.Leader[1] = startNearer ? fr.P1 : l.End;
  l.Leader[2] = startNearer ? l.End : fr.P1;
  return l;
}

}  // namespace

std::unique_ptr<TLinedText> TLinedText::MakeLabel(TSVItem* owner, const std::string& upper, const std::string& lower,
                                                  double sizeFactor) {
  auto label = std::make_unique<TLinedText>(TypeCode::LinedText);
  label->SetDefaultFont();
  label->OwnerItem = owner;
  label->Color = owner ? owner->TextColor() : clGray;
  label->Text = upper;
  label->LowerText = lower;
  label->SizeFactor = sizeFactor;
  label->Unplaced = true;
  return label;
}

void TLinedText::SetDefaultFont() {
  TSVText::SetDefaultFont();
  Font.Italic = false;
}

void TLinedText::SaveToText(TTextWriter& f) {
  TSVText::SaveToText(f);
  f.WriteLine(SingleLine(LowerText));
}

void TLinedText::LoadFromText(TTextReader& f) {
  TSVText::LoadFromText(f);
  LowerText = f.ReadLine();
}

TRect TLinedText::GetBounds(TDrawContext& ctx) {
  if (!Shown()) return kNoExtent;
  const TTextFrame fr = MakeTextFrame(*this, ctx);
  if (!ctx.Canvas) return RectFromPoints(fr.P1.x, fr.P1.y, fr.P1.x, fr.P1.y);
  RefreshFont(ctx);
  const TLinedLayout l = Layout(*ctx.Canvas, fr, Text, LowerText);
  const TPoint a = fr.At(0, l.UpperHeight);
  const TPoint b = fr.At(l.Width, -l.UpperHeight);
  return RectFromPoints(a.x, a.y, b.x, b.y);
}

namespace {

void DrawLined(TDrawContext& ctx, TLinedText& label, TColor color, TPenStyle style, int penWidth) {
  TCanvas& c = *ctx.Canvas;
  label.RefreshFont(ctx);
  const TLinedLayout l = Layout(c, MakeTextFrame(label, ctx), label.Text, label.LowerText);
  SetPen(c, color, TPenMode::Copy, penWidth, style);
  c.Polyline(l.Leader, 3);
  c.FontColor = color;
  c.TextTransparent = true;
  c.TextAlign = TTextAlign::CenterTop;
  if (!label.Text.empty()) c.TextOut(l.UpperAt.x, l.UpperAt.y, label.Text);
  if (!label.LowerText.empty()) c.TextOut(l.LowerAt.x, l.LowerAt.y, label.LowerText);
  c.TextAlign = TTextAlign::BaselineLeft;
}

}  // namespace

void TLinedText::DrawActive(TDrawContext& ctx) {
  if (!ctx.Canvas || !Shown() || Unplaced) return;
  DrawLined(ctx, *this, Color, TPenStyle::Dot, 1);
}

void TLinedText::DrawInactive(TDrawContext& ctx) {
  if (!ctx.Canvas || !Shown() || Unplaced) return;
  DrawLined(ctx, *this, Color, TPenStyle::Solid, 1);
}

void TLinedText::DrawSelected(TDrawContext& ctx) {
  if (!ctx.Canvas || !Shown() || Unplaced) return;
  DrawLined(ctx, *this, kSelectedColor, TPenStyle::Dot, 1);
}

void TLinedText::DrawPrint(TDrawContext& ctx) {
  if (!ctx.Canvas || !Shown()) return;
  DrawLined(ctx, *this, clBlack, TPenStyle::Solid, MaxInt(1, Round(ctx.LineFactor / 6.0)));
}

void TLinedText::DrawRubber(TDrawContext& ctx, const TScreenPoints& pts, int mode) {
  TPoint at;
  if (!DrawTextRubber(ctx, pts, mode, Text, Font, CachedEscapement, CachedHeight, BaseHeight(ctx), at)) return;
  ctx.Canvas->TextAlign = TTextAlign::LeftTop;
  ctx.Canvas->TextOut(at.x, at.y, LowerText);
  ctx.Canvas->TextAlign = TTextAlign::BaselineLeft;
}

#include "SVText.h"

#include "model/Geometry.h"
#include "model/TypeCodes.h"
#include "platform/TextFile.h"

namespace {

constexpr TColor kRubberColor = 0x10FFFF;
constexpr TColor kSelectedBack = 0xFF0000;

}  // namespace

// --- the text frame and font ---------------------------------------------------

TPoint TTextFrame::At(double along, double across) const {
  return TPoint{P1.x + Round(along * Ux + across * Wx), P1.y + Round(along * Uy + across * Wy)};
}

TTextFrame MakeTextFrame(const TAirSVItem& item, const TDrawContext& ctx) {
  TTextFrame fr;
  fr.A = item.AnchorPoint(ctx);
  fr.P1 = item.BasePoint(ctx);
  fr.P2 = item.AimPoint(ctx);
  DirectionVector(fr.P1.x, fr.P1.y, fr.P2.x, fr.P2.y, 1.0, fr.Ux, fr.Uy);
  fr.Wx = -fr.Uy;
  fr.Wy = fr.Ux;
  return fr;
}

int TextEscapement(TPoint p1, TPoint p2) {
  // Most labels run straight across or up the screen, and every repaint asks
  // every label for its direction: those need no arc tangent.
  if (p1.y == p2.y && p1.x != p2.x) return p2.x > p1.x ? 0 : 1800;
  if (p1.x == p2.x && p1.y != p2.y) return p2.y < p1.y ? 900 : 2700;
  // Screen y grows downwards; the font's escapement counts counter-clockwise
  // as seen, so the angle is taken with y turned up.
  const double a = VectorAngle(p1.x, -p1.y, p2.x, -p2.y);
  return Round(10.0 * a * 180.0 / kPi);
}

void ApplyTextFont(TCanvas* canvas, TFontDesc& font, int& cachedEscapement, int& cachedHeight, int escapement,
                   int height) {
  if (escapement != cachedEscapement || height != cachedHeight) {
    font.Escapement = escapement;
    font.Orientation = escapement;
    font.Height = height;
    cachedEscapement = escapement;
    cachedHeight = height;
  }
  if (canvas) canvas->SetFont(font);
}

std::string SingleLine(const std::string& text) {
  std::string s = text;
  for (char& c : s)
    if (c == '\r' || c == '\n') c = ' ';
  return s;
}

void PlaceText(TAirSVItem& item, TDrawContext& ctx, const TScreenPoints& pts, const TSnapRecord& snap, bool useSnap) {
  double ax = 0, ay = 0;
  if (useSnap && snap[0].Found) {
    ax = snap[0].X;
    ay = snap[0].Y;
  } else {
    ctx.ScreenToWorld(pts[0].x, pts[0].y, ax, ay);
  }
  const double k = ctx.Zoom / ctx.SignScale;
  const TRealPoint w1 = ctx.ScreenToWorld(pts[1].x, pts[1].y);
  const TRealPoint w2 = ctx.ScreenToWorld(pts[2].x, pts[2].y);
  item.AnchorX = ax;
  item.AnchorY = ay;
  item.Anchor2X = (w1.x - ax) * k;
  item.Anchor2Y = (w1.y - ay) * k;
  item.OffsetX = (w2.x - ax) * k;
  item.OffsetY = (w2.y - ay) * k;
}

bool DrawTextRubber(TDrawContext& ctx, const TScreenPoints& pts, int mode, const std::string& text, TFontDesc& font,
                    int& cachedEscapement, int& cachedHeight, int height, TPoint& textAt) {
  if (!ctx.Canvas || (mode != 1 && mode != 2)) return false;
  TCanvas& c = *ctx.Canvas;
  SetPen(c, kRubberColor, TPenMode::Xor, 1, TPenStyle::Solid);
  c.SetBrushStyle(TBrushStyle::Clear);
  int escapement = 0;
  if (mode == 1) {
    c.Line(pts[0].x, pts[0].y, pts[1].x, pts[1].y);
  } else {
    c.MoveTo(pts[0].x, pts[0].y);
    c.LineTo(pts[1].x, pts[1].y);
    c.LineTo(pts[2].x, pts[2].y);
    escapement = TextEscapement(pts[1], pts[2]);
  }
  textAt = pts[1];
  ApplyTextFont(&c, font, cachedEscapement, cachedHeight, escapement, height);
  c.FontColor = kRubberColor;
  c.TextTransparent = true;
  c.TextAlign = TTextAlign::BaselineLeft;
  c.TextOut(textAt.x, textAt.y, text);
  return true;
}

// --- TSVText ---------------------------------------------------------------------

std::unique_ptr<TSVText> TSVText::MakeLabel(TSVItem* owner, const std::string& text, double sizeFactor) {
  auto label = std::make_unique<TSVText>(TypeCode::SVText);
  label->SetDefaultFont();
  label->OwnerItem = owner;
  label->Color = owner ? owner->TextColor() : clGray;
  label->Text = text;
  label->SizeFactor = sizeFactor;
  label->Unplaced = true;
  return label;
}

void TSVText::SetDefaultFont() {
  Font = TFontDesc{};
  Font.Italic = true;
  Font.FaceName = "Arial Cyr";
  CachedEscapement = Font.Escapement;
  CachedHeight = Font.Height;
}

int TSVText::BaseHeight(const TDrawContext& ctx) { return Round(-14.0 * ctx.SignScale); }

void TSVText::RefreshFont(TDrawContext& ctx) {
  const TTextFrame fr = MakeTextFrame(*this, ctx);
  if (SizeFactor == 0) SizeFactor = 1.0;
  const int h = Round(-14.0 * ctx.SignScale * SizeFactor);
  ApplyTextFont(ctx.Canvas, Font, CachedEscapement, CachedHeight, TextEscapement(fr.P1, fr.P2), h);
}

bool TSVText::Shown() const { return OwnerItem ? OwnerItem->LayerShowsText() : true; }

void TSVText::SaveToText(TTextWriter& f) {
  TAirSVItem::SaveToText(f);
  f.WriteLine(SingleLine(Text));
}

void TSVText::LoadFromText(TTextReader& f) {
  TAirSVItem::LoadFromText(f);
  Text = f.ReadLine();
  SetDefaultFont();
}

void TSVText::PlaceAt(TDrawContext& ctx, const TScreenPoints& pts, const TSnapRecord& snap, int) {
  PlaceText(*this, ctx, pts, snap, true);
  Unplaced = false;
}

TRect TSVText::GetBounds(TDrawContext& ctx) {
  if (!Shown()) return kNoExtent;
  const TTextFrame fr = MakeTextFrame(*this, ctx);
  TSize ext;
  if (ctx.Canvas) {
    RefreshFont(ctx);
    ext = ctx.Canvas->TextExtent(Text);
  }
  const TPoint q = fr.At(ext.cx, -ext.cy);
  return RectFromPoints(fr.P1.x, fr.P1.y, q.x, q.y);
}

void TSVText::DrawActive(TDrawContext& ctx) {
  if (!ctx.Canvas || !Shown() || Unplaced) return;
  TCanvas& c = *ctx.Canvas;
  RefreshFont(ctx);
  const TTextFrame fr = MakeTextFrame(*this, ctx);
  const TPoint e = fr.At(c.TextWidth(Text), 0);
  SetPen(c, Color, TPenMode::Copy, 1, TPenStyle::Dot);
  c.Line(fr.A.x, fr.A.y, fr.P1.x, fr.P1.y);
  c.Line(fr.P1.x, fr.P1.y, e.x, e.y);
  c.FontColor = Color;
  c.TextTransparent = true;
  c.TextAlign = TTextAlign::BaselineLeft;
  c.TextOut(fr.P1.x, fr.P1.y, Text);
}

void TSVText::DrawInactive(TDrawContext& ctx) {
  if (!ctx.Canvas || !Shown()) return;
  TCanvas& c = *ctx.Canvas;
  RefreshFont(ctx);
  const TTextFrame fr = MakeTextFrame(*this, ctx);
  c.FontColor = Color;
  c.TextTransparent = true;
  c.TextAlign = TTextAlign::BaselineLeft;
  c.TextOut(fr.P1.x, fr.P1.y, Text);
}

void TSVText::DrawSelected(TDrawContext& ctx) {
  if (!ctx.Canvas || !Shown() || Unplaced) return;
  TCanvas& c = *ctx.Canvas;
  RefreshFont(ctx);
  const TTextFrame fr = MakeTextFrame(*this, ctx);
  SetPen(c, clWhite, TPenMode::Copy, 1, TPenStyle::Dot);
  c.Line(fr.A.x, fr.A.y, fr.P1.x, fr.P1.y);
  c.FontColor = clWhite;
  c.TextTransparent = false;
  c.BackColor = kSelectedBack;
  c.TextAlign = TTextAlign::BaselineLeft;
  c.TextOut(fr.P1.x, fr.P1.y, Text);
  c.TextTransparent = true;
}

void TSVText::DrawPrint(TDrawContext& ctx) {
  if (!ctx.Canvas || !Shown()) return;
  TCanvas& c = *ctx.Canvas;
  RefreshFont(ctx);
  const TTextFrame fr = MakeTextFrame(*this, ctx);
  c.FontColor = clBlack;
  c.TextTransparent = true;
  c.TextAlign = TTextAlign::BaselineLeft;
  c.TextOut(fr.P1.x, fr.P1.y, Text);
}

void TSVText::DrawRubber(TDrawContext& ctx, const TScreenPoints& pts, int mode) {
  TPoint at;
  DrawTextRubber(ctx, pts, mode, Text, Font, CachedEscapement, CachedHeight, BaseHeight(ctx), at);
}

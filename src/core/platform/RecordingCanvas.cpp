#include "RecordingCanvas.h"

#include <cstdlib>

#include "Codec1251.h"

TCanvasOp TRecordingCanvas::Make(TCanvasOpKind kind, std::vector<TPoint> pts) const {
  TCanvasOp op;
  op.Kind = kind;
  op.Points = std::move(pts);
  op.Pen = Pen;
  op.Brush = Brush;
  return op;
}

void TRecordingCanvas::LineTo(int x, int y) {
  Ops_.push_back(Make(TCanvasOpKind::Line, {PenPos, TPoint{x, y}}));
  PenPos = TPoint{x, y};
}

void TRecordingCanvas::Polyline(const TPoint* pts, int count) {
  Ops_.push_back(Make(TCanvasOpKind::Polyline, std::vector<TPoint>(pts, pts + (count > 0 ? count : 0))));
}

void TRecordingCanvas::Polygon(const TPoint* pts, int count) {
  Ops_.push_back(Make(TCanvasOpKind::Polygon, std::vector<TPoint>(pts, pts + (count > 0 ? count : 0))));
}

void TRecordingCanvas::Ellipse(int l, int t, int r, int b) {
  Ops_.push_back(Make(TCanvasOpKind::Ellipse, {TPoint{l, t}, TPoint{r, b}}));
}

void TRecordingCanvas::Rectangle(int l, int t, int r, int b) {
  Ops_.push_back(Make(TCanvasOpKind::Rectangle, {TPoint{l, t}, TPoint{r, b}}));
}

void TRecordingCanvas::Arc(int l, int t, int r, int b, int x3, int y3, int x4, int y4) {
  Ops_.push_back(Make(TCanvasOpKind::Arc, {TPoint{l, t}, TPoint{r, b}, TPoint{x3, y3}, TPoint{x4, y4}}));
}

void TRecordingCanvas::Pie(int l, int t, int r, int b, int x3, int y3, int x4, int y4) {
  Ops_.push_back(Make(TCanvasOpKind::Pie, {TPoint{l, t}, TPoint{r, b}, TPoint{x3, y3}, TPoint{x4, y4}}));
}

void TRecordingCanvas::FillRect(const TRect& r) {
  Ops_.push_back(Make(TCanvasOpKind::FillRect, {TPoint{r.Left, r.Top}, TPoint{r.Right, r.Bottom}}));
}

void TRecordingCanvas::StretchDraw(const TRect& dest, const TRasterImage&) {
  Ops_.push_back(Make(TCanvasOpKind::StretchDraw, {TPoint{dest.Left, dest.Top}, TPoint{dest.Right, dest.Bottom}}));
}

void TRecordingCanvas::TextOut(int x, int y, const std::string& text) {
  TCanvasOp op = Make(TCanvasOpKind::Text, {TPoint{x, y}});
  op.Text = text;
  op.Font = Font();
  op.FontColor = FontColor;
  op.TextTransparent = TextTransparent;
  op.BackColor = BackColor;
  op.Align = TextAlign;
  Ops_.push_back(std::move(op));
}

TSize TRecordingCanvas::TextExtent(const std::string& text) {
  int h = std::abs(Font().Height);
  if (h == 0) h = 16;
  int w = h / 2;
  if (w < 1) w = 1;
  return TSize{static_cast<int>(Utf8Length(text)) * w, h};
}

std::vector<TCanvasOp> TRecordingCanvas::OpsOf(TCanvasOpKind kind) const {
  std::vector<TCanvasOp> out;
  for (const auto& op : Ops_)
    if (op.Kind == kind) out.push_back(op);
  return out;
}

std::vector<std::string> TRecordingCanvas::Texts() const {
  std::vector<std::string> out;
  for (const auto& op : Ops_)
    if (op.Kind == TCanvasOpKind::Text) out.push_back(op.Text);
  return out;
}

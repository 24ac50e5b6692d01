#include "TeeCanvas.h"

TTeeCanvas::TTeeCanvas(TCanvas& target, TRecordingCanvas& recorder) : Target_(target), Recorder_(recorder) {
  Pen = target.Pen;
  Brush = target.Brush;
  FontColor = target.FontColor;
  TextTransparent = target.TextTransparent;
  BackColor = target.BackColor;
  TextAlign = target.TextAlign;
  PenPos = target.PenPos;
  SetFont(target.Font());
  Recorder_.SetFont(target.Font());
  Recorder_.SetClipRect(target.ClipRect());
}

void TTeeCanvas::PassTo(TCanvas& c) const {
  c.Pen = Pen;
  c.Brush = Brush;
  c.FontColor = FontColor;
  c.TextTransparent = TextTransparent;
  c.BackColor = BackColor;
  c.TextAlign = TextAlign;
  c.PenPos = PenPos;
}

void TTeeCanvas::Pass() {
  PassTo(Target_);
  PassTo(Recorder_);
}

void TTeeCanvas::FontChanged() {
  Target_.SetFont(Font());
  Recorder_.SetFont(Font());
}

void TTeeCanvas::LineTo(int x, int y) {
  Pass();
  Target_.LineTo(x, y);
  Recorder_.LineTo(x, y);
  PenPos = TPoint{x, y};
}

void TTeeCanvas::Polyline(const TPoint* pts, int count) {
  Pass();
  Target_.Polyline(pts, count);
  Recorder_.Polyline(pts, count);
}

void TTeeCanvas::Polygon(const TPoint* pts, int count) {
  Pass();
  Target_.Polygon(pts, count);
  Recorder_.Polygon(pts, count);
}

void TTeeCanvas::Ellipse(int l, int t, int r, int b) {
  Pass();
  Target_.Ellipse(l, t, r, b);
  Recorder_.Ellipse(l, t, r, b);
}

void TTeeCanvas::Rectangle(int l, int t, int r, int b) {
  Pass();
  Target_.Rectangle(l, t, r, b);
  Recorder_.Rectangle(l, t, r, b);
}

void TTeeCanvas::Arc(int l, int t, int r, int b, int x3, int y3, int x4, int y4) {
  Pass();
  Target_.Arc(l, t, r, b, x3, y3, x4, y4);
  Recorder_.Arc(l, t, r, b, x3, y3, x4, y4);
}

void TTeeCanvas::Pie(int l, int t, int r, int b, int x3, int y3, int x4, int y4) {
  Pass();
  Target_.Pie(l, t, r, b, x3, y3, x4, y4);
  Recorder_.Pie(l, t, r, b, x3, y3, x4, y4);
}

void TTeeCanvas::FillRect(const TRect& r) {
  Pass();
  Target_.FillRect(r);
  Recorder_.FillRect(r);
}

void TTeeCanvas::StretchDraw(const TRect& dest, const TRasterImage& image) {
  Pass();
  Target_.StretchDraw(dest, image);
  Recorder_.StretchDraw(dest, image);
}

void TTeeCanvas::StretchDrawPart(const TRect& dest, const TRasterImage& image, const TRect& source) {
  Pass();
  Target_.StretchDrawPart(dest, image, source);
  // The recorder keeps where the image went, not its pixels: no part is cut.
  Recorder_.StretchDraw(dest, image);
}

void TTeeCanvas::TextOut(int x, int y, const std::string& text) {
  Pass();
  Target_.TextOut(x, y, text);
  Recorder_.TextOut(x, y, text);
}

TSize TTeeCanvas::TextExtent(const std::string& text) { return Target_.TextExtent(text); }

void TTeeCanvas::SetClipRect(const TRect& r) {
  Target_.SetClipRect(r);
  Recorder_.SetClipRect(r);
}

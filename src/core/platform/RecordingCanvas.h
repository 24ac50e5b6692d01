#pragma once
// A canvas that draws nothing and records every primitive with the state in
// force, so tests can check what an item draws in screen coordinates.
#include <string>
#include <vector>

#include "Canvas.h"

enum class TCanvasOpKind { Line, Polyline, Polygon, Ellipse, Rectangle, Arc, Pie, FillRect, StretchDraw, Text };

struct TCanvasOp {
  TCanvasOpKind Kind = TCanvasOpKind::Line;
  // Line: from, to. Polyline/Polygon: the vertices. Ellipse, Rectangle,
  // FillRect, StretchDraw: top-left, bottom-right. Arc, Pie: the two box
  // corners, then the start and end ray points. Text: the reference point.
  std::vector<TPoint> Points;
  TPen Pen;
  TBrush Brush;
  // Text only.
  std::string Text;
  TFontDesc Font;
  TColor FontColor = clBlack;
  bool TextTransparent = true;
  TColor BackColor = clWhite;
  TTextAlign Align = TTextAlign::BaselineLeft;
};

class TRecordingCanvas : public TCanvas {
 public:
  explicit TRecordingCanvas(TRect clip = TRect{0, 0, 1000, 1000}) : Clip_(clip) {}

  void LineTo(int x, int y) override;
  void Polyline(const TPoint* pts, int count) override;
  void Polygon(const TPoint* pts, int count) override;
  void Ellipse(int l, int t, int r, int b) override;
  void Rectangle(int l, int t, int r, int b) override;
  void Arc(int l, int t, int r, int b, int x3, int y3, int x4, int y4) override;
  void Pie(int l, int t, int r, int b, int x3, int y3, int x4, int y4) override;
  void FillRect(const TRect& r) override;
  void StretchDraw(const TRect& dest, const TRasterImage& image) override;
  void TextOut(int x, int y, const std::string& text) override;
  // Deterministic metrics: every character is half the font's pixel height
  // wide (at least 1), the text is that height tall; a zero height counts as 16.
  TSize TextExtent(const std::string& text) override;
  TRect ClipRect() const override { return Clip_; }
  void SetClipRect(const TRect& r) override { Clip_ = r; }

  using TCanvas::Polygon;
  using TCanvas::Polyline;

  const std::vector<TCanvasOp>& Ops() const { return Ops_; }
  void Clear() { Ops_.clear(); }
  // The recorded operations of one kind, in order.
  std::vector<TCanvasOp> OpsOf(TCanvasOpKind kind) const;
  // All recorded texts, in order.
  std::vector<std::string> Texts() const;

 private:
  TCanvasOp Make(TCanvasOpKind kind, std::vector<TPoint> pts) const;
  TRect Clip_;
  std::vector<TCanvasOp> Ops_;
};

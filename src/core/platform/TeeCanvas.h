#pragma once
// A canvas that draws on another canvas and records every primitive on the
// way: the picture is the drawing canvas's own (its metrics place the labels,
// its pixels are the result) and the record says what was drawn where, with
// the pen, brush and font in force.
#include "Canvas.h"
#include "RecordingCanvas.h"

class TTeeCanvas : public TCanvas {
 public:
  // Starts with the state of `target`; both canvases must outlive the tee.
  TTeeCanvas(TCanvas& target, TRecordingCanvas& recorder);

  void LineTo(int x, int y) override;
  void Polyline(const TPoint* pts, int count) override;
  void Polygon(const TPoint* pts, int count) override;
  void Ellipse(int l, int t, int r, int b) override;
  void Rectangle(int l, int t, int r, int b) override;
  void Arc(int l, int t, int r, int b, int x3, int y3, int x4, int y4) override;
  void Pie(int l, int t, int r, int b, int x3, int y3, int x4, int y4) override;
  void FillRect(const TRect& r) override;
  void StretchDraw(const TRect& dest, const TRasterImage& image) override;
  // Recorded as a stretch of the image onto `dest`.
  void StretchDrawPart(const TRect& dest, const TRasterImage& image, const TRect& source) override;
  void TextOut(int x, int y, const std::string& text) override;
  // The drawing canvas's metrics.
  TSize TextExtent(const std::string& text) override;
  TRect ClipRect() const override { return Target_.ClipRect(); }
  void SetClipRect(const TRect& r) override;
  // The drawing canvas keeps and restores its picture; the record keeps
  // every primitive drawn, also those a restore paints over.
  bool SavePicture() override { return Target_.SavePicture(); }
  bool RestorePicture() override { return Target_.RestorePicture(); }
  // The drawing canvas learns the layers and items; the record stays a
  // plain list of primitives.
  void BeginLayer(int layer) override { Target_.BeginLayer(layer); }
  void EndLayer() override { Target_.EndLayer(); }
  void BeginItem(std::uint32_t typeCode, int index) override { Target_.BeginItem(typeCode, index); }
  void EndItem() override { Target_.EndItem(); }

  using TCanvas::Polygon;
  using TCanvas::Polyline;

 protected:
  void FontChanged() override;

 private:
  // Puts the tee's pen, brush, text state and pen position on both canvases
  // before a primitive reads them.
  void Pass();
  void PassTo(TCanvas& c) const;

  TCanvas& Target_;
  TRecordingCanvas& Recorder_;
};

#pragma once
// The scheme as an SVG 1.1 picture: a canvas that writes every primitive as
// an SVG element instead of pixels, so that the picture opens in a browser
// or a drawing program at any magnification.
//
// The file looks like the raster picture of the same size drawn from the
// same calls:
// - coordinates are the canvas's pixels; outlines run through pixel centres
//   (half a pixel right and down of the integer point), as a one-pixel pen
//   covers the pixel right and below its point; fills of whole pixels
//   (FillRect) lie on the pixel grid;
// - boxes, arcs, font sizes and text placement follow CanvasConventions.h;
//   texts are laid out with the given TTextMeasure, a centred one is
//   anchored at its middle so that a viewer with other fonts still centres it;
// - an XOR pen (and the brush under it) is drawn in the colour it would give
//   over the background the picture is drawn on: a file has no pixels
//   underneath to combine with;
// - the diagonal-cross brush is a pattern of eight-pixel diagonals;
// - a raster image (StretchDraw) is a placeholder rectangle in the image's
//   average colour: the core has no picture encoder.
//
// The primitives of each layer go into <g id="layer-N">, those of each item
// into a <g> carrying data-type (the item's type code) and data-index (its
// place in the layer's chain, 0 the first read from the file). A layer or an
// item that draws nothing leaves no group.
//
// Whoever draws may tag the elements of some items: ItemTags is asked once
// as each item begins and every element the item draws carries the
// attributes it gives (a published page finds the signal heads of a
// direction so, without the items knowing of pages).
#include <cstdint>
#include <functional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "platform/Canvas.h"
#include "platform/TextMeasure.h"

class TSvgCanvas : public TCanvas {
 public:
  // A picture of width × height pixels drawn over `background`; the measure
  // must outlive the canvas.
  TSvgCanvas(int width, int height, TTextMeasure& measure, TColor background);

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
  TSize TextExtent(const std::string& text) override;
  TRect ClipRect() const override { return Clip_; }
  void SetClipRect(const TRect& r) override { Clip_ = r; }

  void BeginLayer(int layer) override;
  void EndLayer() override;
  void BeginItem(std::uint32_t typeCode, int index) override;
  void EndItem() override;

  using TCanvas::Polygon;
  using TCanvas::Polyline;

  // Attribute names and values (escaped by the canvas) for the elements of
  // item `index` of type `typeCode` in `layer`; nothing for most items.
  using TItemTags = std::vector<std::pair<std::string, std::string>>;
  std::function<TItemTags(int layer, std::uint32_t typeCode, int index)> ItemTags;

  // The whole file as drawn so far, groups still open closed.
  std::string Document() const;

 private:
  // Opens the groups a primitive drawn now belongs to, then returns the
  // body to write it into.
  std::string& Out();
  // Out() with the start tag of an element begun: "<tag" and the item's tags.
  std::string& Element(const char* tag);
  // stroke, fill and dash attributes of the current pen and brush.
  std::string StrokeAttrs() const;
  std::string FillAttrs();
  std::string BrushPaint(TColor color, TBrushStyle style);
  TColor Seen(TColor c) const;
  void WriteArc(int l, int t, int r, int b, int x3, int y3, int x4, int y4, bool pie);

  int Width_;
  int Height_;
  TTextMeasure& Measure_;
  TColor Background_;
  TRect Clip_;
  std::string Defs_;
  std::string Body_;
  std::set<TColor> Hatches_;
  int Layer_ = 0;
  bool LayerOpen_ = false;
  bool InItem_ = false;
  bool ItemOpen_ = false;
  std::uint32_t ItemType_ = 0;
  int ItemIndex_ = 0;
  std::string ItemAttrs_;
};

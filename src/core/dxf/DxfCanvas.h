#pragma once
// The scheme as an AutoCAD 2004 drawing (ASCII DXF, AC1018): a canvas that
// writes every primitive as a CAD entity instead of pixels, in a file of
// code page ANSI_1251 so that Russian labels are Windows-1251 bytes.
//
// Coordinates are the canvas's units with y turned up: the point (x, y) of
// a primitive is (x, −y) in the drawing, so a scheme drawn at zoom 1 with
// the origin at 0 lies at its world coordinates. A drawing has no pixels:
// boxes are the corners as given (the raster leaves out the right and
// bottom edge only because a pixel lies right and below its point).
//
// What each primitive becomes (a fill is a solid hatch drawn first, in the
// brush's colour; every entity carries its true colour):
// - LineTo: a LINE, or a LWPOLYLINE of the pen's width for a wide pen;
//   nothing for a line to where the pen stands;
// - Polyline (2 points or more): an open LWPOLYLINE;
// - Polygon (2 points or more): a closed LWPOLYLINE, and with a brush and
//   3 points or more a HATCH (odd parity, the canvas's alternate fill);
// - Rectangle (at least a unit each way): a closed LWPOLYLINE, and a HATCH
//   with a brush;
// - Ellipse (at least a unit each way): a CIRCLE when the axes are equal,
//   an ELLIPSE otherwise, and a HATCH with a brush;
// - Arc (at least two units each way): an ARC of a circle, an elliptical
//   ELLIPSE arc otherwise, a CIRCLE or whole ELLIPSE for a full turn;
// - Pie (the same size): a closed LWPOLYLINE through the centre, and a
//   HATCH with a brush;
// - FillRect (non-empty, with a brush), StretchDraw: a HATCH (a raster is
//   a rectangle in its average colour: the core has no picture encoder);
// - TextOut (non-empty): a TEXT, and a HATCH under it for an opaque
//   background.
// The diagonal-cross brush is a double hatch of diagonals eight units
// apart along each axis, as the picture's. An XOR pen (and the brush under
// it) is drawn in the colour it would give over the background. Outlines
// of circles, ellipses and arcs are thin whatever the pen: those entities
// have no width.
//
// Entities go to layer "0", or while a scheme layer is begun to the layer
// named by its two-digit number and the caption of its row in the layers
// dialog ("04 Бордюр, рельсы").
#include <cstdint>
#include <string>
#include <vector>

#include "DxfDocument.h"
#include "platform/Canvas.h"
#include "platform/TextMeasure.h"

class TDxfCanvas : public TCanvas {
 public:
  // Texts are laid out with `measure`, which must outlive the canvas; an XOR
  // pen is drawn as over `background`.
  TDxfCanvas(TTextMeasure& measure, TColor background);

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
  // Everything is inside: a drawing is not cut to a window.
  TRect ClipRect() const override;
  void SetClipRect(const TRect&) override {}

  void BeginLayer(int layer) override;
  void EndLayer() override;

  using TCanvas::Polygon;
  using TCanvas::Polyline;

  // The whole file as drawn so far.
  std::string Document() const;

  // The DXF layer name of a scheme layer, in UTF-8.
  static std::string LayerName(int layer);

  // A CAD text's height is the height of its capitals; the canvas's font
  // size is the em. The capitals of Liberation Sans and Arial are this
  // part of the em.
  static constexpr double kCapHeightPerEm = 0.716;

  struct TVertex {
    double X = 0;
    double Y = 0;
    double Bulge = 0;
  };

 private:
  void Head(const char* type, TColor color, bool dotted = false);
  void LwPolyline(const std::vector<TVertex>& v, bool closed, TColor color);
  void Hatch(const std::vector<TVertex>& v, TColor color, TBrushStyle style);
  void FillUnder(const std::vector<TVertex>& v);
  // The outline of the ellipse in the world box (centre cx, cy; half-axes
  // rx, ry) from `start` through `sweep` degrees: a circle or an arc where
  // the axes are equal, else an ellipse entity; a sweep of 360 is whole.
  void Curve(double cx, double cy, double rx, double ry, double start, double sweep);
  TColor Seen(TColor c) const;
  double Dy(int y) const { return -static_cast<double>(y); }

  TTextMeasure& Measure_;
  TColor Background_;
  std::vector<TDxfLayer> Layers_;
  std::string Body_;
  std::uint32_t Next_ = kFirstEntityHandle;
  TDxfExtents Extents_;
  // Index into Layers_ + 1, or 0 for layer "0".
  int Layer_ = 0;
  std::vector<std::string> LayerNames_;
};

#pragma once
// The device-context rules the scheme items were drawn for, turned into
// explicit geometry once, so that every back end (the raster canvas, the
// SVG and DXF writers) draws the same shapes from the same arguments:
//
// - rectangles and ellipses given by two corners leave out the right and
//   bottom edge: the box (0,0)-(10,5) covers pixels 0..9 and 0..4;
// - arcs and pies run counter-clockwise as seen on the screen, from the ray
//   through the start point to the ray through the end point;
// - a font height below zero is the character (em) height, above zero the
//   whole cell (ascent and descent), zero the usual 16-pixel cell;
// - the escapement turns text counter-clockwise in tenths of a degree;
// - the alignment says which point of the text the reference point is.
#include <optional>
#include <string>

#include "Canvas.h"

// The outline box of a rectangle or an ellipse: the pen runs along the
// pixels Left..Left+Width and Top..Top+Height.
struct TOutlineBox {
  int Left = 0;
  int Top = 0;
  int Width = 0;
  int Height = 0;
};

// Nothing when the corners span less than one pixel either way; the corners
// may come in any order.
std::optional<TOutlineBox> ExclusiveBox(int l, int t, int r, int b);

// An arc of the ellipse inscribed in a box, by the ellipse's parametric
// angle: the point at angle a is (cx + Width/2·cos a, cy − Height/2·sin a).
struct TArcGeometry {
  double Left = 0;
  double Top = 0;
  double Width = 0;
  double Height = 0;
  // Degrees, counter-clockwise as seen from 3 o'clock.
  double Start = 0;
  // Degrees counter-clockwise, in (0, 360]: equal rays give the whole ellipse.
  double Sweep = 0;
  double CenterX() const { return Left + Width * 0.5; }
  double CenterY() const { return Top + Height * 0.5; }
};

// Nothing when the box is less than two pixels wide or high.
std::optional<TArcGeometry> ArcGeometry(int l, int t, int r, int b, int x3, int y3, int x4, int y4);

// The em size in pixels of a font height, for a face whose cell (ascent and
// descent) is `cellAt100` pixels at an em of 100 pixels. At least 1.
int FontPixelSize(int height, double cellAt100);

// The turn of a text by its escapement, in degrees clockwise as seen on the
// screen (y down): what a painter's or an SVG rotation takes.
double TextRotation(int escapement);

// Where the baseline's left end lies relative to the reference point, for
// a text of the given width and ascent.
struct TTextOffset {
  int Dx = 0;
  int BaselineDy = 0;
};
TTextOffset TextOffset(TTextAlign align, int width, int ascent);

// A thin pen (width 1 or less) draws one pixel wide; only a thin dotted pen
// draws dots, three pixels on and three off; wide pens are always solid.
int PenPixelWidth(const TPen& pen);
bool PenDotted(const TPen& pen);
constexpr int kDotLength = 3;

// The colour an XOR pen leaves on a background of one colour. A file has no
// pixels underneath, so a file back end draws an XOR pen in this colour.
TColor XorOver(TColor pen, TColor background);

// The installed family that stands in for a face name of the passports:
// metric-compatible Liberation faces for the Windows ones.
std::string StandInFace(const std::string& face);

#pragma once
// The drawing surface every scheme item draws on: a small device-context-like
// interface with a current pen, brush, font, text colour and background mode.
// Back ends: the raster one for windows and printing (src/qt), the SVG writer
// (src/core/svg), the DXF writer (src/core/dxf) and a recorder for tests. The rules they share for boxes,
// arcs and fonts are in CanvasConventions.h; measuring text is TextMeasure.h.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "Types.h"

enum class TPenStyle { Solid, Dot };
enum class TPenMode { Copy, Xor };
enum class TBrushStyle { Solid, Clear, DiagCross };
enum class TTextAlign { BaselineLeft, CenterTop, LeftTop };

struct TPen {
  TColor Color = clBlack;
  int Width = 1;
  TPenStyle Style = TPenStyle::Solid;
  TPenMode Mode = TPenMode::Copy;
};

struct TBrush {
  TColor Color = clWhite;
  TBrushStyle Style = TBrushStyle::Solid;
};

// A logical font description. Height < 0 asks for a character height of
// |Height| pixels, Height > 0 for a cell height. Escapement and Orientation
// are in tenths of a degree, counter-clockwise as seen on the screen.
struct TFontDesc {
  int Height = 0;
  int Width = 0;
  int Escapement = 0;
  int Orientation = 0;
  int Weight = 400;
  bool Italic = false;
  bool Underline = false;
  bool StrikeOut = false;
  int CharSet = 204;
  int OutPrecision = 7;
  int ClipPrecision = 0;
  int Quality = 1;
  int PitchAndFamily = 34;
  std::string FaceName;
  friend bool operator==(const TFontDesc& a, const TFontDesc& b) {
    return a.Height == b.Height && a.Width == b.Width && a.Escapement == b.Escapement &&
           a.Orientation == b.Orientation && a.Weight == b.Weight && a.Italic == b.Italic &&
           a.Underline == b.Underline && a.StrikeOut == b.StrikeOut && a.FaceName == b.FaceName;
  }
};

// A raster image in 0x00BBGGRR pixels, row by row from the top.
struct TRasterImage {
  int Width = 0;
  int Height = 0;
  std::vector<TColor> Pixels;
  // The drawing backend's own copy of the pixels, made on first drawing and
  // kept with the image, so a large image is converted once and not at every
  // repaint. Whoever changes Pixels resets it.
  mutable std::shared_ptr<const void> DeviceCopy{};
  bool Empty() const { return Width <= 0 || Height <= 0; }
};

// The mean colour of an image's pixels: how the vector outputs, which carry
// no pictures, stand an image in as one filled rectangle. Nothing for an
// empty image or one with fewer pixels than its size says.
std::optional<TColor> MeanColor(const TRasterImage& image);

class TCanvas {
 public:
  virtual ~TCanvas() = default;

  // --- state ---------------------------------------------------------------
  // Pen and brush are plain state read by the drawing operations.
  TPen Pen;
  TBrush Brush;
  TColor FontColor = clBlack;
  // Text background: transparent, or opaque in BackColor.
  bool TextTransparent = true;
  TColor BackColor = clWhite;
  TTextAlign TextAlign = TTextAlign::BaselineLeft;

  // Setting a colour makes the brush solid; only a clear style set after
  // the colour leaves the inside unfilled.
  void SetBrushColor(TColor c) {
    Brush.Color = c;
    Brush.Style = TBrushStyle::Solid;
  }
  void SetBrushStyle(TBrushStyle s) { Brush.Style = s; }

  void SetFont(const TFontDesc& font) {
    if (!(font == Font_)) {
      Font_ = font;
      FontChanged();
    }
  }
  const TFontDesc& Font() const { return Font_; }

  void MoveTo(int x, int y) { PenPos = TPoint{x, y}; }
  TPoint PenPos;

  // --- primitives ------------------------------------------------------------
  // A line from the pen position to (x, y), not including (x, y); the pen
  // position moves to (x, y).
  virtual void LineTo(int x, int y) = 0;
  virtual void Polyline(const TPoint* pts, int count) = 0;
  // Outline with the pen, inside with the brush (alternate fill).
  virtual void Polygon(const TPoint* pts, int count) = 0;
  virtual void Ellipse(int l, int t, int r, int b) = 0;
  virtual void Rectangle(int l, int t, int r, int b) = 0;
  // Arc and pie of the ellipse in the box, counter-clockwise as seen on the
  // screen from the ray towards (x3, y3) to the ray towards (x4, y4).
  virtual void Arc(int l, int t, int r, int b, int x3, int y3, int x4, int y4) = 0;
  virtual void Pie(int l, int t, int r, int b, int x3, int y3, int x4, int y4) = 0;
  // Fills with the brush, no outline, right and bottom edges excluded.
  virtual void FillRect(const TRect& r) = 0;
  virtual void StretchDraw(const TRect& dest, const TRasterImage& image) = 0;
  // Stretches only the `source` rectangle of the image onto `dest`: a large
  // image is drawn without scaling the whole of it. The default copies the
  // part out and stretches that.
  virtual void StretchDrawPart(const TRect& dest, const TRasterImage& image, const TRect& source);
  // Writes a line of UTF-8 text at (x, y) with the current font, colour,
  // background and alignment, rotated by the font's escapement about (x, y).
  virtual void TextOut(int x, int y, const std::string& text) = 0;
  // Width and height of the unrotated text in the current font.
  virtual TSize TextExtent(const std::string& text) = 0;
  virtual TRect ClipRect() const = 0;
  virtual void SetClipRect(const TRect& r) = 0;

  // --- conveniences built on the primitives ----------------------------------
  void Line(int x1, int y1, int x2, int y2) {
    MoveTo(x1, y1);
    LineTo(x2, y2);
  }
  void Polyline(const std::vector<TPoint>& pts) { Polyline(pts.data(), static_cast<int>(pts.size())); }
  void Polygon(const std::vector<TPoint>& pts) { Polygon(pts.data(), static_cast<int>(pts.size())); }
  int TextWidth(const std::string& text) { return TextExtent(text).cx; }
  int TextHeight(const std::string& text) { return TextExtent(text).cy; }

  // --- the picture last fully painted -----------------------------------------
  // A canvas that can keep a copy of its whole picture answers true: a
  // preview drawn over a large scheme then restores the picture instead of
  // painting the scheme again.
  virtual bool SavePicture() { return false; }
  virtual bool RestorePicture() { return false; }

  // --- structure of the scheme ---------------------------------------------------
  // The scheme says which layer (1..12) and which item (its type code and its
  // place in the layer's chain, 0 the first read from the file) the
  // primitives that follow belong to. A picture has no use for it; a file
  // back end groups the primitives by it. Calls are nested: layer, item.
  virtual void BeginLayer(int /*layer*/) {}
  virtual void EndLayer() {}
  virtual void BeginItem(std::uint32_t /*typeCode*/, int /*index*/) {}
  virtual void EndItem() {}

 protected:
  virtual void FontChanged() {}

 private:
  TFontDesc Font_;
};

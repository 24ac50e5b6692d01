#pragma once
// The scheme canvas on a QPainter. It behaves the way the items were drawn
// for: pens and brushes are read from the canvas state at each primitive, an
// XOR pen erases what it drew when drawing again, rectangles and ellipses
// leave out their right and bottom edge, arcs run counter-clockwise from the
// start ray to the end ray, and fonts are logical fonts with a signed height
// and an escapement.
//
// The painter stays active on the device for the canvas's whole life, as a
// window's device context would; a window that resizes its picture makes a
// new canvas.
#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <map>
#include <memory>
#include <tuple>
#include <unordered_map>

#include "platform/Canvas.h"
#include "platform/OffscreenPicture.h"
#include "platform/CanvasConventions.h"
#include "platform/TextMeasure.h"

// Text measured with the fonts the Qt canvas draws with, on a given device:
// the canvas measures with it, and a file written beside a picture lays its
// labels out with it, as the picture does.
class TQtTextMeasure : public TTextMeasure {
 public:
  struct TFont {
    QFont Font;
    QFontMetricsF Metrics;
    // Extents of the texts measured in this font. Every repaint asks for the
    // bounds of every label to decide whether it is in the window, and
    // shaping the text each time costs more than drawing it.
    mutable std::unordered_map<std::string, TSize> Extents;
  };

  // Measures for `device` (its resolution); it must outlive the measure.
  explicit TQtTextMeasure(const QPaintDevice* device) : Device_(device) {}
  TQtTextMeasure(const TQtTextMeasure&) = delete;
  TQtTextMeasure& operator=(const TQtTextMeasure&) = delete;

  TFontMetrics Metrics(const TFontDesc& font) override;
  TSize TextExtent(const TFontDesc& font, const std::string& text) override { return Extent(Find(font), text); }

  // The Qt font that stands for a font description, made once.
  const TFont& Find(const TFontDesc& font);
  static TSize Extent(const TFont& font, const std::string& text);

 private:
  using TFontKey = std::tuple<int, int, int, int, bool, bool, bool, std::string>;
  const QPaintDevice* Device_;
  std::map<TFontKey, std::unique_ptr<TFont>> Fonts_;
};

class TQtCanvas : public TCanvas, public TOffscreenPictures {
 public:
  // Paints on `device` (a QImage for windows and files, a printer page).
  explicit TQtCanvas(QPaintDevice* device);
  ~TQtCanvas() override;
  TQtCanvas(const TQtCanvas&) = delete;
  TQtCanvas& operator=(const TQtCanvas&) = delete;

  void LineTo(int x, int y) override;
  void Polyline(const TPoint* pts, int count) override;
  void Polygon(const TPoint* pts, int count) override;
  void Ellipse(int l, int t, int r, int b) override;
  void Rectangle(int l, int t, int r, int b) override;
  void Arc(int l, int t, int r, int b, int x3, int y3, int x4, int y4) override;
  void Pie(int l, int t, int r, int b, int x3, int y3, int x4, int y4) override;
  void FillRect(const TRect& r) override;
  void StretchDraw(const TRect& dest, const TRasterImage& image) override;
  void StretchDrawPart(const TRect& dest, const TRasterImage& image, const TRect& source) override;
  bool SavePicture() override;
  bool RestorePicture() override;
  std::unique_ptr<TOffscreenPicture> NewPicture(int width, int height) override;
  void TextOut(int x, int y, const std::string& text) override;
  TSize TextExtent(const std::string& text) override;
  TRect ClipRect() const override { return Clip_; }
  void SetClipRect(const TRect& r) override;

  using TCanvas::Polygon;
  using TCanvas::Polyline;

  QPainter& Painter() { return Painter_; }

 protected:
  void FontChanged() override;

 private:
  // Puts the canvas pen, brush and mode on the painter; `filled` false
  // draws the outline only.
  void PreparePath(bool filled);
  void PrepareCopy();
  const TQtTextMeasure::TFont& CurrentFont();
  TSize Measure(const std::string& text);
  // Marks an area drawn on since the saved picture was last saved or restored.
  void Touch(const QRect& r);
  static QPainterPath ArcPath(const TArcGeometry& arc, bool pie);

  QPainter Painter_;
  TRect Clip_;
  QImage Saved_;
  QRect Touched_;  // in the painter's coordinates
  std::unique_ptr<TQtTextMeasure> Measure_;
  const TQtTextMeasure::TFont* Current_ = nullptr;
};

// 0x00BBGGRR to Qt and back.
QColor ToQColor(TColor c);
TColor FromQColor(const QColor& c);
// The installed family that stands in for a face name of the passports
// (StandInFace).
QString MapFaceName(const std::string& face);

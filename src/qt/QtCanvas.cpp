#include "QtCanvas.h"

#include <QPainterPath>
#include <algorithm>
#include <memory>
#include <cmath>

namespace {

QPoint ToQPoint(TPoint p) { return QPoint(p.x, p.y); }

}  // namespace

QColor ToQColor(TColor c) { return QColor(ColorR(c), ColorG(c), ColorB(c)); }

TColor FromQColor(const QColor& c) { return MakeColor(c.red(), c.green(), c.blue()); }

QString MapFaceName(const std::string& face) { return QString::fromStdString(StandInFace(face)); }

TFontMetrics TQtTextMeasure::Metrics(const TFontDesc& font) {
  const TFont& f = Find(font);
  return TFontMetrics{f.Font.pixelSize(), static_cast<int>(std::lround(f.Metrics.ascent())),
                      static_cast<int>(std::ceil(f.Metrics.ascent() + f.Metrics.descent()))};
}

const TQtTextMeasure::TFont& TQtTextMeasure::Find(const TFontDesc& d) {
  const TFontKey key{d.Height, d.Width, d.Escapement, d.Weight, d.Italic, d.Underline, d.StrikeOut, d.FaceName};
  auto it = Fonts_.find(key);
  if (it != Fonts_.end()) return *it->second;
  QFont font(MapFaceName(d.FaceName));
  font.setKerning(false);
  font.setItalic(d.Italic);
  font.setUnderline(d.Underline);
  font.setStrikeOut(d.StrikeOut);
  const int weight = d.Weight <= 0 ? 400 : std::clamp(d.Weight, 100, 900);
  font.setWeight(static_cast<QFont::Weight>(weight));
  // A cell height needs the face's own proportion of cell to em.
  double cellAt100 = 0;
  if (d.Height >= 0) {
    font.setPixelSize(100);
    const QFontMetricsF probe(font, Device_);
    cellAt100 = probe.ascent() + probe.descent();
  }
  font.setPixelSize(FontPixelSize(d.Height, cellAt100));
  if (d.Width > 0) {
    const QFontMetricsF natural(font, Device_);
    const double avg = natural.averageCharWidth();
    if (avg > 0) font.setStretch(std::clamp(static_cast<int>(std::lround(d.Width * 100.0 / avg)), 1, 4000));
  }
  auto made = std::make_unique<TFont>(TFont{font, QFontMetricsF(font, Device_), {}});
  return *Fonts_.emplace(key, std::move(made)).first->second;
}

TSize TQtTextMeasure::Extent(const TFont& font, const std::string& text) {
  const auto it = font.Extents.find(text);
  if (it != font.Extents.end()) return it->second;
  // A scheme has a few thousand distinct label texts at most; a stream of
  // ever new ones must not grow the cache without end.
  if (font.Extents.size() >= 65536) font.Extents.clear();
  const TSize extent{static_cast<int>(std::ceil(font.Metrics.horizontalAdvance(QString::fromStdString(text)))),
                     static_cast<int>(std::ceil(font.Metrics.ascent() + font.Metrics.descent()))};
  font.Extents.emplace(text, extent);
  return extent;
}

namespace {
// The device's size in the canvas's pixels. A picture made for a
// high-resolution screen holds more pixels than the widget it stands for;
// the painter scales by its pixel ratio, so the scheme is drawn in the
// widget's (logical) pixels and comes out at the screen's resolution.
TRect LogicalBounds(const QPaintDevice* device) {
  const bool raster = device->devType() == QInternal::Image || device->devType() == QInternal::Pixmap;
  const double ratio = raster ? device->devicePixelRatioF() : 1.0;
  return {0, 0, qRound(device->width() / ratio), qRound(device->height() / ratio)};
}
}  // namespace

TQtCanvas::TQtCanvas(QPaintDevice* device) : Clip_(LogicalBounds(device)) {
  Painter_.begin(device);
  Painter_.setRenderHint(QPainter::Antialiasing, false);
  Painter_.setRenderHint(QPainter::TextAntialiasing, true);
  Painter_.setRenderHint(QPainter::SmoothPixmapTransform, false);
  Painter_.setBackgroundMode(Qt::TransparentMode);
  Measure_ = std::make_unique<TQtTextMeasure>(Painter_.device());
}

TQtCanvas::~TQtCanvas() {
  if (Painter_.isActive()) Painter_.end();
}

namespace {

// An RGB32 image and a canvas on it; the image is handed over with its own
// pixels as the device copy, so drawing it later converts nothing.
class TQtOffscreenPicture : public TOffscreenPicture {
 public:
  TQtOffscreenPicture(int width, int height)
      : Image_(std::make_shared<QImage>(width, height, QImage::Format_RGB32)),
        Canvas_(std::make_unique<TQtCanvas>(Image_.get())) {}
  bool Allocated() const { return !Image_->isNull(); }
  TCanvas& Canvas() override { return *Canvas_; }
  TRasterImage TakeImage() override {
    Canvas_.reset();
    TRasterImage out;
    out.Width = Image_->width();
    out.Height = Image_->height();
    out.Pixels.resize(static_cast<std::size_t>(out.Width) * static_cast<std::size_t>(out.Height));
    TColor* dst = out.Pixels.data();
    for (int y = 0; y < out.Height; ++y) {
      const auto* line = reinterpret_cast<const QRgb*>(Image_->constScanLine(y));
      for (int x = 0; x < out.Width; ++x) *dst++ = MakeColor(qRed(line[x]), qGreen(line[x]), qBlue(line[x]));
    }
    out.DeviceCopy = std::shared_ptr<const QImage>(Image_);
    return out;
  }

 private:
  std::shared_ptr<QImage> Image_;
  std::unique_ptr<TQtCanvas> Canvas_;
};

}  // namespace

std::unique_ptr<TOffscreenPicture> TQtCanvas::NewPicture(int width, int height) {
  if (width <= 0 || height <= 0) return nullptr;
  auto picture = std::make_unique<TQtOffscreenPicture>(width, height);
  // Painting is limited by the allocation: a picture too large for memory
  // is no picture, and the caller draws on the window itself.
  if (!picture->Allocated()) return nullptr;
  return picture;
}

void TQtCanvas::PreparePath(bool filled) {
  QPen pen;
  const bool thin = Pen.Width <= 1;
  pen.setColor(ToQColor(Pen.Color));
  pen.setWidth(PenPixelWidth(Pen));
  if (thin) {
    // A thin line leaves out its last pixel, so a chain of LineTo calls
    // touches every joint once and an XOR chain stays reversible.
    pen.setCapStyle(Qt::FlatCap);
    pen.setJoinStyle(Qt::MiterJoin);
    if (PenDotted(Pen)) pen.setDashPattern({kDotLength, kDotLength});
  } else {
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
  }
  Painter_.setPen(pen);
  if (!filled || Brush.Style == TBrushStyle::Clear)
    Painter_.setBrush(Qt::NoBrush);
  else if (Brush.Style == TBrushStyle::DiagCross)
    Painter_.setBrush(QBrush(ToQColor(Brush.Color), Qt::DiagCrossPattern));
  else
    Painter_.setBrush(QBrush(ToQColor(Brush.Color)));
  Painter_.setCompositionMode(Pen.Mode == TPenMode::Xor ? QPainter::RasterOp_SourceXorDestination
                                                        : QPainter::CompositionMode_SourceOver);
}

void TQtCanvas::PrepareCopy() { Painter_.setCompositionMode(QPainter::CompositionMode_SourceOver); }

void TQtCanvas::LineTo(int x, int y) {
  const TPoint from = PenPos;
  PenPos = TPoint{x, y};
  if (from.x == x && from.y == y) return;
  PreparePath(false);
  Touch(QRect(QPoint(from.x, from.y), QPoint(x, y)).normalized());
  Painter_.drawLine(QPoint(from.x, from.y), QPoint(x, y));
}

void TQtCanvas::Polyline(const TPoint* pts, int count) {
  if (!pts || count < 2) return;
  PreparePath(false);
  QPolygon poly(count);
  for (int i = 0; i < count; ++i) poly[i] = ToQPoint(pts[i]);
  Touch(poly.boundingRect());
  Painter_.drawPolyline(poly);
}

void TQtCanvas::Polygon(const TPoint* pts, int count) {
  if (!pts || count < 2) return;
  PreparePath(true);
  QPolygon poly(count);
  for (int i = 0; i < count; ++i) poly[i] = ToQPoint(pts[i]);
  Touch(poly.boundingRect());
  Painter_.drawPolygon(poly, Qt::OddEvenFill);
}

void TQtCanvas::Ellipse(int l, int t, int r, int b) {
  const auto box = ExclusiveBox(l, t, r, b);
  if (!box) return;
  PreparePath(true);
  Touch(QRect(box->Left, box->Top, box->Width + 1, box->Height + 1));
  Painter_.drawEllipse(QRectF(box->Left, box->Top, box->Width, box->Height));
}

void TQtCanvas::Rectangle(int l, int t, int r, int b) {
  const auto box = ExclusiveBox(l, t, r, b);
  if (!box) return;
  PreparePath(true);
  Touch(QRect(box->Left, box->Top, box->Width + 1, box->Height + 1));
  Painter_.drawRect(QRect(box->Left, box->Top, box->Width, box->Height));
}

QPainterPath TQtCanvas::ArcPath(const TArcGeometry& arc, bool pie) {
  const QRectF box(arc.Left, arc.Top, arc.Width, arc.Height);
  QPainterPath path;
  if (pie) {
    path.moveTo(box.center());
    path.arcTo(box, arc.Start, arc.Sweep);
    path.closeSubpath();
  } else {
    path.arcMoveTo(box, arc.Start);
    path.arcTo(box, arc.Start, arc.Sweep);
  }
  return path;
}

void TQtCanvas::Arc(int l, int t, int r, int b, int x3, int y3, int x4, int y4) {
  const auto arc = ArcGeometry(l, t, r, b, x3, y3, x4, y4);
  if (!arc) return;
  PreparePath(false);
  Touch(QRect(QPoint(l, t), QPoint(r, b)).normalized());
  Painter_.drawPath(ArcPath(*arc, false));
}

void TQtCanvas::Pie(int l, int t, int r, int b, int x3, int y3, int x4, int y4) {
  const auto arc = ArcGeometry(l, t, r, b, x3, y3, x4, y4);
  if (!arc) return;
  PreparePath(true);
  Touch(QRect(QPoint(l, t), QPoint(r, b)).normalized());
  Painter_.drawPath(ArcPath(*arc, true));
}

void TQtCanvas::FillRect(const TRect& r) {
  if (r.Right <= r.Left || r.Bottom <= r.Top || Brush.Style == TBrushStyle::Clear) return;
  PrepareCopy();
  const QRect rect(r.Left, r.Top, r.Right - r.Left, r.Bottom - r.Top);
  Touch(rect);
  if (Brush.Style == TBrushStyle::DiagCross)
    Painter_.fillRect(rect, QBrush(ToQColor(Brush.Color), Qt::DiagCrossPattern));
  else
    Painter_.fillRect(rect, ToQColor(Brush.Color));
}

void TQtCanvas::StretchDraw(const TRect& dest, const TRasterImage& image) {
  if (image.Empty() || image.Pixels.size() < static_cast<std::size_t>(image.Width) * image.Height) return;
  QImage img(image.Width, image.Height, QImage::Format_RGB32);
  for (int y = 0; y < image.Height; ++y) {
    auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
    const TColor* src = image.Pixels.data() + static_cast<std::size_t>(y) * image.Width;
    for (int x = 0; x < image.Width; ++x) line[x] = qRgb(ColorR(src[x]), ColorG(src[x]), ColorB(src[x]));
  }
  PrepareCopy();
  Touch(QRect(QPoint(dest.Left, dest.Top), QPoint(dest.Right, dest.Bottom)).normalized());
  Painter_.drawImage(QRect(dest.Left, dest.Top, dest.Right - dest.Left, dest.Bottom - dest.Top), img);
}

void TQtCanvas::StretchDrawPart(const TRect& dest, const TRasterImage& image, const TRect& source) {
  if (image.Empty() || image.Pixels.size() < static_cast<std::size_t>(image.Width) * image.Height) return;
  auto copy = std::static_pointer_cast<const QImage>(image.DeviceCopy);
  if (!copy) {
    auto img = std::make_shared<QImage>(image.Width, image.Height, QImage::Format_RGB32);
    for (int y = 0; y < image.Height; ++y) {
      auto* line = reinterpret_cast<QRgb*>(img->scanLine(y));
      const TColor* src = image.Pixels.data() + static_cast<std::size_t>(y) * image.Width;
      for (int x = 0; x < image.Width; ++x) line[x] = qRgb(ColorR(src[x]), ColorG(src[x]), ColorB(src[x]));
    }
    copy = img;
    image.DeviceCopy = copy;
  }
  PrepareCopy();
  Touch(QRect(QPoint(dest.Left, dest.Top), QPoint(dest.Right, dest.Bottom)).normalized());
  Painter_.drawImage(QRect(dest.Left, dest.Top, dest.Right - dest.Left, dest.Bottom - dest.Top), *copy,
                     QRect(source.Left, source.Top, source.Right - source.Left, source.Bottom - source.Top));
}

bool TQtCanvas::SavePicture() {
  auto* img = dynamic_cast<QImage*>(Painter_.device());
  if (!img) return false;
  Saved_ = img->copy();
  Touched_ = QRect();
  return true;
}

bool TQtCanvas::RestorePicture() {
  auto* img = dynamic_cast<QImage*>(Painter_.device());
  if (!img || Saved_.size() != img->size()) return false;
  // Only what was drawn since the picture was saved or last restored can
  // differ from it: a preview that follows the mouse costs the size of the
  // preview, not of the window.
  const double ratio = Saved_.devicePixelRatio();
  const QRect area = Touched_.intersected(QRect(QPoint(0, 0), Saved_.deviceIndependentSize().toSize()));
  Touched_ = QRect();
  if (area.isEmpty()) return true;
  Painter_.save();
  Painter_.setClipping(false);
  Painter_.setCompositionMode(QPainter::CompositionMode_Source);
  Painter_.drawImage(QPointF(area.topLeft()), Saved_,
                     QRectF(area.x() * ratio, area.y() * ratio, area.width() * ratio, area.height() * ratio));
  Painter_.restore();
  return true;
}

void TQtCanvas::Touch(const QRect& r) {
  if (Saved_.isNull()) return;
  // Wide pens, round caps and the pixel a thin pen may add at either end.
  const int m = std::max(Pen.Width, 1) + 2;
  Touched_ |= r.adjusted(-m, -m, m + 1, m + 1);
}

void TQtCanvas::FontChanged() { Current_ = nullptr; }

const TQtTextMeasure::TFont& TQtCanvas::CurrentFont() {
  if (!Current_) Current_ = &Measure_->Find(Font());
  return *Current_;
}

void TQtCanvas::TextOut(int x, int y, const std::string& text) {
  if (text.empty()) return;
  const TQtTextMeasure::TFont& f = CurrentFont();
  const QString s = QString::fromStdString(text);
  // Whole pixels, so that the cell of an opaque text is exactly what
  // TextExtent reports.
  const TSize extent = Measure(text);
  const int width = extent.cx;
  const int height = extent.cy;
  const int ascent = static_cast<int>(std::lround(f.Metrics.ascent()));
  const TTextOffset offset = TextOffset(TextAlign, width, ascent);
  const int dx = offset.Dx, baseline = offset.BaselineDy;
  // Turned by any escapement, the text stays within its length plus its
  // height (with an italic's overhang) of the reference point.
  const int reach = width + 2 * height + 2;
  Touch(QRect(x - reach, y - reach, 2 * reach + 1, 2 * reach + 1));
  Painter_.save();
  Painter_.setCompositionMode(QPainter::CompositionMode_SourceOver);
  Painter_.translate(x, y);
  const double turn = TextRotation(Font().Escapement);
  if (turn != 0) Painter_.rotate(turn);
  if (!TextTransparent) Painter_.fillRect(QRect(dx, baseline - ascent, width, height), ToQColor(BackColor));
  Painter_.setFont(f.Font);
  Painter_.setPen(ToQColor(FontColor));
  Painter_.drawText(QPoint(dx, baseline), s);
  Painter_.restore();
}

TSize TQtCanvas::TextExtent(const std::string& text) { return Measure(text); }

TSize TQtCanvas::Measure(const std::string& text) { return TQtTextMeasure::Extent(CurrentFont(), text); }

void TQtCanvas::SetClipRect(const TRect& r) {
  Clip_ = r;
  Painter_.setClipRect(QRect(r.Left, r.Top, r.Right - r.Left, r.Bottom - r.Top));
}

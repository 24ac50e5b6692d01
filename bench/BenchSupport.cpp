#include "BenchSupport.h"

#include <malloc.h>

#include <QFont>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <new>

#include "gen/PassportGenerator.h"
#include "platform/RecordingCanvas.h"
#include "qt/QtCanvas.h"

// --- heap accounting -------------------------------------------------------

namespace {
// One thread allocates while counting; no atomics needed.
bool gCounting = false;
long long gHeapNow = 0;
long long gHeapPeak = 0;

void* Allocate(std::size_t n) {
  void* p = std::malloc(n ? n : 1);
  if (!p) throw std::bad_alloc();
  if (gCounting) {
    gHeapNow += static_cast<long long>(malloc_usable_size(p));
    if (gHeapNow > gHeapPeak) gHeapPeak = gHeapNow;
  }
  return p;
}

void Release(void* p) noexcept {
  if (!p) return;
  if (gCounting) gHeapNow -= static_cast<long long>(malloc_usable_size(p));
  std::free(p);
}
}  // namespace

void* operator new(std::size_t n) { return Allocate(n); }
void* operator new[](std::size_t n) { return Allocate(n); }
void operator delete(void* p) noexcept { Release(p); }
void operator delete[](void* p) noexcept { Release(p); }
void operator delete(void* p, std::size_t) noexcept { Release(p); }
void operator delete[](void* p, std::size_t) noexcept { Release(p); }

void StartHeapCount() {
  gHeapNow = gHeapPeak = 0;
  gCounting = true;
}
void StopHeapCount() { gCounting = false; }
long long HeapNow() { return gHeapNow; }
long long HeapPeak() { return gHeapPeak; }

// --- passports ---------------------------------------------------------------

const std::string& PassportDir(int items) {
  static std::map<int, std::string> dirs;
  auto it = dirs.find(items);
  if (it == dirs.end()) {
    const std::string dir =
        (std::filesystem::temp_directory_path() / ("svpass-bench-" + std::to_string(items))).string() + "/";
    std::filesystem::create_directories(dir);
    if (!WriteGeneratedPassport(dir, TGeneratorOptions{items, 1})) std::abort();
    it = dirs.emplace(items, dir).first;
  }
  return it->second;
}

TSVObject& LoadedPassport(int items) {
  static std::map<int, std::unique_ptr<TSVObject>> schemes;
  auto& scheme = schemes[items];
  if (!scheme) {
    scheme = std::make_unique<TSVObject>(PassportDir(items));
    scheme->LoadAll();
  }
  return *scheme;
}

// --- the window ----------------------------------------------------------------

TWindow::TWindow(TSVObject& scheme) : Picture(kPictureWidth, kPictureHeight, QImage::Format_RGB32) {
  Canvas = std::make_unique<TQtCanvas>(&Picture);
  InitViewContext(Ctx, Canvas.get(), scheme);
  FitShown(scheme, Ctx, kPictureWidth, kPictureHeight);
}

TWindow::~TWindow() = default;

// --- the floor -------------------------------------------------------------------

struct TReplay::TOp {
  TCanvasOpKind Kind;
  QPen Pen;
  QBrush Brush;
  QPolygon Points;
  QRect Box;
  int Start = 0, Span = 0;
  const QFont* Font = nullptr;
  QString Text;
  double Angle = 0;
};

namespace {

QPen PenOf(const TPen& p) {
  QPen pen(ToQColor(p.Color));
  pen.setWidth(p.Width <= 1 ? 1 : p.Width);
  if (p.Style == TPenStyle::Dot && p.Width <= 1) pen.setDashPattern({3.0, 3.0});
  return pen;
}

QBrush BrushOf(const TBrush& b) {
  if (b.Style == TBrushStyle::Clear) return QBrush(Qt::NoBrush);
  return QBrush(ToQColor(b.Color), b.Style == TBrushStyle::DiagCross ? Qt::DiagCrossPattern : Qt::SolidPattern);
}

int Degrees16(double dx, double dy) { return static_cast<int>(std::lround(std::atan2(-dy, dx) * 180 / M_PI * 16)); }

// One QFont per distinct logical font, made before the timing starts, as
// the canvas keeps its fonts.
const QFont* FontOf(const TFontDesc& d) {
  static std::map<std::tuple<int, int, bool, std::string>, std::unique_ptr<QFont>> fonts;
  auto& f = fonts[{d.Height, d.Weight, d.Italic, d.FaceName}];
  if (!f) {
    f = std::make_unique<QFont>(MapFaceName(d.FaceName));
    f->setItalic(d.Italic);
    f->setPixelSize(std::max(1, d.Height < 0 ? -d.Height : (d.Height == 0 ? 13 : d.Height * 4 / 5)));
  }
  return f.get();
}

}  // namespace

TReplay::TReplay(TSVObject& scheme, const TDrawContext& ctx, TSchemeLook look, int layer) {
  TRecordingCanvas recorder(TRect{0, 0, kPictureWidth, kPictureHeight});
  TDrawContext rctx = ctx;
  rctx.Canvas = &recorder;
  if (layer > 0)
    scheme.DrawLayer(layer, rctx, look == TSchemeLook::Edit);
  else
    PaintScheme(scheme, rctx, look);
  for (const TCanvasOp& r : recorder.Ops()) {
    TOp op{r.Kind, PenOf(r.Pen), BrushOf(r.Brush), {}, {}, 0, 0, nullptr, {}, 0};
    for (const TPoint& p : r.Points) op.Points << QPoint(p.x, p.y);
    if (r.Points.size() >= 2)
      op.Box = QRect(QPoint(r.Points[0].x, r.Points[0].y), QPoint(r.Points[1].x, r.Points[1].y));
    if ((r.Kind == TCanvasOpKind::Arc || r.Kind == TCanvasOpKind::Pie) && r.Points.size() == 4) {
      const QPointF c = QRectF(op.Box).center();
      op.Start = Degrees16(r.Points[2].x - c.x(), r.Points[2].y - c.y());
      const int end = Degrees16(r.Points[3].x - c.x(), r.Points[3].y - c.y());
      op.Span = ((end - op.Start) % 5760 + 5760) % 5760;
    }
    if (r.Kind == TCanvasOpKind::Text) {
      op.Font = FontOf(r.Font);
      op.Text = QString::fromStdString(r.Text);
      op.Pen = QPen(ToQColor(r.FontColor));
      op.Angle = -r.Font.Escapement / 10.0;
    }
    Ops_.push_back(std::move(op));
  }
}

TReplay::~TReplay() = default;

std::size_t TReplay::Count() const { return Ops_.size(); }

void TReplay::Draw(QPainter& p) const {
  for (const TOp& op : Ops_) {
    p.setPen(op.Pen);
    p.setBrush(op.Brush);
    switch (op.Kind) {
      case TCanvasOpKind::Line: p.drawLine(op.Points[0], op.Points[1]); break;
      case TCanvasOpKind::Polyline: p.drawPolyline(op.Points); break;
      case TCanvasOpKind::Polygon: p.drawPolygon(op.Points, Qt::OddEvenFill); break;
      case TCanvasOpKind::Ellipse: p.drawEllipse(op.Box); break;
      case TCanvasOpKind::Rectangle: p.drawRect(op.Box); break;
      case TCanvasOpKind::Arc: p.drawArc(op.Box, op.Start, op.Span); break;
      case TCanvasOpKind::Pie: p.drawPie(op.Box, op.Start, op.Span); break;
      case TCanvasOpKind::FillRect: p.fillRect(op.Box, op.Brush); break;
      case TCanvasOpKind::StretchDraw: break;
      case TCanvasOpKind::Text:
        p.setFont(*op.Font);
        if (op.Angle != 0) {
          p.save();
          p.translate(op.Points[0]);
          p.rotate(op.Angle);
          p.drawText(QPoint(0, 0), op.Text);
          p.restore();
        } else {
          p.drawText(op.Points[0], op.Text);
        }
        break;
    }
  }
}

#include "SchemeBase.h"

#include <algorithm>
#include <cmath>

#include "BaseDrawingPaint.h"
#include "model/Geometry.h"
#include "platform/OffscreenPicture.h"

// The drawn base as a picture at one zoom, covering a part of the plan
// around the paint box: panning within it, and repainting the scheme over
// it, copy pixels instead of drawing every entity again.
struct TSchemeBase::TCachedPicture {
  TRasterImage Image;
  const TCanvas* Canvas = nullptr;
  double Zoom = 0;
  // The picture's place in base pixels at that zoom (base point × zoom).
  TRect Area{};
  bool Covers(const TCanvas* canvas, double zoom, const TRect& need) const {
    return canvas == Canvas && zoom == Zoom && need.Left >= Area.Left && need.Top >= Area.Top &&
           need.Right <= Area.Right && need.Bottom <= Area.Bottom;
  }
};

TSchemeBase::TSchemeBase() = default;
TSchemeBase::~TSchemeBase() = default;

void TSchemeBase::Load(TRasterImage image) {
  Drop();
  Image_ = std::move(image);
  State_ = Image_.Empty() ? TBaseState::None : TBaseState::Shown;
}

void TSchemeBase::Load(TBaseDrawing drawing) {
  Drop();
  Drawing_ = std::move(drawing);
  State_ = Drawing_.Empty() ? TBaseState::None : TBaseState::Shown;
}

void TSchemeBase::Toggle() {
  if (State_ == TBaseState::None) return;
  State_ = State_ == TBaseState::Shown ? TBaseState::Hidden : TBaseState::Shown;
}

void TSchemeBase::Drop() {
  Image_ = TRasterImage{};
  Drawing_ = TBaseDrawing{};
  Cache_.reset();
  State_ = TBaseState::None;
}

void TSchemeBase::Draw(TCanvas& canvas, const TDrawContext& ctx, int width, int height, TColor background) {
  if (State_ != TBaseState::Shown) return;
  if (IsDrawing())
    DrawDrawing(canvas, ctx, width, height, background);
  else
    DrawImage(canvas, ctx, width, height);
}

void TSchemeBase::DrawImage(TCanvas& canvas, const TDrawContext& ctx, int width, int height) const {
  const double z = ctx.Zoom;
  const int left = Round(ctx.BaseImageX * z + ctx.OriginX);
  const int top = Round(ctx.BaseImageY * z + ctx.OriginY);
  const TRect screen{left, top, Round(left + Image_.Width * z), Round(top + Image_.Height * z)};
  const TRect target = IntersectRects(screen, TRect{0, 0, width, height});
  // Only the part of the image on the paint box is drawn: a photograph of
  // ten thousand pixels a side is never scaled as a whole.
  TRect source{Round(-left / z), Round(-top / z), Round(width / z - left / z), Round(height / z - top / z)};
  source = IntersectRects(source, TRect{0, 0, Image_.Width, Image_.Height});
  if (!IsValidRect(target) || !IsValidRect(source) || RectWidth(source) <= 0 || RectHeight(source) <= 0) return;
  canvas.StretchDrawPart(target, Image_, source);
}

void TSchemeBase::DrawDrawing(TCanvas& canvas, const TDrawContext& ctx, int width, int height, TColor background) {
  const double z = ctx.Zoom;
  if (!(z > 0) || width <= 0 || height <= 0) return;
  // Base pixel p (base point × zoom) is at screen p + (ox, oy).
  const double ox = ctx.BaseImageX * z + ctx.OriginX;
  const double oy = ctx.BaseImageY * z + ctx.OriginY;
  const auto pixelRect = [](double l, double t, double r, double b) {
    const auto lo = [](double v) { return static_cast<int>(std::floor(std::clamp(v, -1e9, 1e9))); };
    const auto hi = [](double v) { return static_cast<int>(std::ceil(std::clamp(v, -1e9, 1e9))); };
    return TRect{lo(l), lo(t), hi(r), hi(b)};
  };
  // Two pixels round the plan for the pens.
  const TRect plan = pixelRect(Drawing_.MinX * z - 2, Drawing_.MinY * z - 2, Drawing_.MaxX * z + 2,
                               Drawing_.MaxY * z + 2);
  const TRect need = IntersectRects(pixelRect(-ox, -oy, width - ox, height - oy), plan);
  if (!IsValidRect(need) || RectWidth(need) <= 0 || RectHeight(need) <= 0) return;

  if (!Cache_ || !Cache_->Covers(&canvas, z, need)) {
    // Half a paint box more on every side, so a pan redraws nothing until
    // it has gone that far.
    const TRect area = IntersectRects(
        TRect{need.Left - width / 2, need.Top - height / 2, need.Right + width / 2, need.Bottom + height / 2}, plan);
    TOffscreenPictures* pictures = OffscreenPicturesOf(canvas);
    std::unique_ptr<TOffscreenPicture> picture =
        pictures ? pictures->NewPicture(RectWidth(area), RectHeight(area)) : nullptr;
    if (!picture) {
      // A canvas without pixels (a file, the recorder) takes the shapes.
      Cache_.reset();
      PaintBaseDrawing(canvas, Drawing_, z, ox, oy, TRect{0, 0, width, height}, kBaseDrawingColor);
      return;
    }
    TCanvas& pc = picture->Canvas();
    const TRect all{0, 0, RectWidth(area), RectHeight(area)};
    pc.SetClipRect(all);
    pc.SetBrushColor(background);
    pc.FillRect(all);
    PaintBaseDrawing(pc, Drawing_, z, -area.Left, -area.Top, all, kBaseDrawingColor);
    Cache_ = std::make_unique<TCachedPicture>();
    Cache_->Image = picture->TakeImage();
    Cache_->Canvas = &canvas;
    Cache_->Zoom = z;
    Cache_->Area = area;
  }
  const TRect& area = Cache_->Area;
  const int left = Round(ox + area.Left), top = Round(oy + area.Top);
  const TRect target =
      IntersectRects(TRect{left, top, left + RectWidth(area), top + RectHeight(area)}, TRect{0, 0, width, height});
  if (!IsValidRect(target) || RectWidth(target) <= 0 || RectHeight(target) <= 0) return;
  const TRect source{target.Left - left, target.Top - top, target.Right - left, target.Bottom - top};
  canvas.StretchDrawPart(target, Cache_->Image, source);
}

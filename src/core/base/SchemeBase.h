#pragma once
// The base under the scheme in the editor: a scanned picture of the site or
// a survey plan drawn from CAD, shown or hidden, and the picture of it kept
// for repainting. Where it lies is the view's business: the draw context's
// BaseImageX/Y (moved by "Перенос", shifted by "Подгонка под основу")
// place the base's origin in world units, unturned by the alignment.
#include <memory>

#include "BaseDrawing.h"
#include "model/DrawContext.h"
#include "platform/Canvas.h"

enum class TBaseState { None, Hidden, Shown };

// The one colour a drawn base takes: a grey-blue that stays behind the
// scheme's own colours on the editor's dark background.
constexpr TColor kBaseDrawingColor = MakeColor(120, 140, 160);

class TSchemeBase {
 public:
  TSchemeBase();
  ~TSchemeBase();
  TSchemeBase(const TSchemeBase&) = delete;
  TSchemeBase& operator=(const TSchemeBase&) = delete;

  // A loaded picture or drawing replaces the base and is shown; an empty
  // one leaves no base.
  void Load(TRasterImage image);
  void Load(TBaseDrawing drawing);
  // Shown ↔ hidden; nothing without a base.
  void Toggle();
  // No base any more.
  void Drop();

  TBaseState State() const { return State_; }
  bool IsDrawing() const { return !Drawing_.Empty(); }
  const TRasterImage& Image() const { return Image_; }
  const TBaseDrawing& Drawing() const { return Drawing_; }

  // Draws the base, when shown, on the paint box of `width` × `height`
  // pixels over `background`, placed by the context's zoom, origin and
  // base position.
  void Draw(TCanvas& canvas, const TDrawContext& ctx, int width, int height, TColor background);

 private:
  struct TCachedPicture;
  void DrawImage(TCanvas& canvas, const TDrawContext& ctx, int width, int height) const;
  void DrawDrawing(TCanvas& canvas, const TDrawContext& ctx, int width, int height, TColor background);

  TBaseState State_ = TBaseState::None;
  TRasterImage Image_;
  TBaseDrawing Drawing_;
  std::unique_ptr<TCachedPicture> Cache_;
};

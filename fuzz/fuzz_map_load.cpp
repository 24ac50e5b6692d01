// map.txt of a passport, read with a fixed info.txt, then fitted and drawn
// in every look the way the viewer, the editor and the printer use it.
#include <cstddef>
#include <cstdint>

#include "FuzzSupport.h"
#include "model/SVObject.h"
#include "plan/SVInfo.h"
#include "plan/SVtime.h"

namespace {

void Fit(TSVObject& scheme, TDrawContext& ctx) {
  const TRect box = ctx.Canvas->ClipRect();
  ctx.FitRect(scheme.BoundsShown(ctx), box);
  ctx.FitRect(scheme.BoundsShown(ctx), TRect{box.Left + 5, box.Top + 5, box.Right - 5, box.Bottom - 5});
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  Messages();
  WriteFile(ScratchDir("svo1") + "info.txt", FixedInfoBytes());
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string& dir = ScratchDir("svo1");
  WriteFile(dir + "map.txt", data, size);
  Messages().Reset();
  TSVObject scheme(dir);
  scheme.LoadAll();

  TNullCanvas canvas;
  TDrawContext ctx;
  ctx.Canvas = &canvas;
  ctx.Normalize();
  ctx.SignScale = 1.0;
  ctx.ObjectScale = scheme.Info->RealScale;
  ctx.HitTolerance = 4;
  Fit(scheme, ctx);
  scheme.DrawAll(ctx, false);
  // The phase display repaints the heads and arrows of every phase.
  for (int p = 1; p <= scheme.Info->PhaseCount; ++p) {
    scheme.Time->SetPhase(p);
    scheme.CopyTimingToDirections();
    scheme.DrawLayer(7, ctx, false);
    scheme.DrawLayer(12, ctx, false);
  }
  // The editor: everything selected, snapping at the centre for each kind
  // being placed, then delete and undo.
  scheme.BoundsOfVisibleLayers(ctx);
  scheme.SelectInRect(ctx, canvas.ClipRect());
  scheme.DrawAll(ctx, true);
  double x = 0, y = 0, x2 = 0, y2 = 0;
  for (const std::uint32_t code : {1u, 3u, 4u, 5u, 8u, 10u, 13u, 17u, 23u, 30u, 33u}) {
    scheme.FindAnchor(960, 540, code, ctx, x, y);
    scheme.FindAnchorEx(960, 540, code, ctx, x, y, x2, y2);
  }
  scheme.HideSelected();
  scheme.DrawAll(ctx, true);
  scheme.RestoreHidden();
  // The printer: a finer device with thicker pens.
  ctx.LineFactor = 4.0;
  ctx.ColorPrint = (size & 1) != 0;
  scheme.PrintAll(ctx);
  return 0;
}

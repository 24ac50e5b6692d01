#include "SchemeView.h"

#include <functional>

#include "model/SVObject.h"
#include "plan/SVInfo.h"
#include "plan/SVtime.h"

namespace {

// One cell of the preset table: -1 leaves the switch as it is.
struct TPresetCell {
  signed char Visible;
  signed char ShowText;
};

// Rows are layers 1 to 12; columns "Показать все слои", "Кабельное
// хозяйство", "Схема расстановки ТСРД", "Схема ОДД".
constexpr TPresetCell kPresets[kLayerCount][4] = {
    {{1, 1}, {1, 1}, {0, -1}, {0, -1}},    // 1 buildings
    {{1, 1}, {1, 1}, {0, -1}, {0, -1}},    // 2 cables
    {{1, 1}, {-1, -1}, {1, 1}, {0, -1}},   // 3 markings
    {{1, 1}, {1, 1}, {1, 1}, {1, 1}},      // 4 curbs and rails
    {{1, 1}, {1, 1}, {0, -1}, {0, -1}},    // 5 wells
    {{1, 1}, {1, 1}, {0, -1}, {0, -1}},    // 6 controllers
    {{1, 1}, {0, -1}, {0, 1}, {1, 1}},     // 7 directions
    {{1, 1}, {0, -1}, {1, 1}, {1, -1}},    // 8 stands
    {{1, -1}, {1, -1}, {1, -1}, {0, -1}},  // 9 gantries and stays
    {{1, 1}, {1, 1}, {1, 0}, {1, 1}},      // 10 poles
    {{1, 1}, {0, -1}, {1, 1}, {1, 1}},     // 11 signs
    {{1, 1}, {0, -1}, {1, 1}, {1, 1}},     // 12 signal heads
};

void Fit(TDrawContext& ctx, int width, int height, const std::function<TRect()>& bounds) {
  ctx.FitSettled(bounds, TRect{0, 0, width, height}, TRect{5, 5, width - 5, height - 5});
}

}  // namespace

std::optional<TSchemeLook> ParseSchemeLook(const std::string& name) {
  if (name == "view") return TSchemeLook::View;
  if (name == "edit") return TSchemeLook::Edit;
  if (name == "print") return TSchemeLook::Print;
  return std::nullopt;
}

std::optional<TLayerPreset> ParseLayerPreset(const std::string& name) {
  if (name == "all") return TLayerPreset::All;
  if (name == "cable") return TLayerPreset::Cable;
  if (name == "tsrd") return TLayerPreset::Tsrd;
  if (name == "odd") return TLayerPreset::Odd;
  return std::nullopt;
}

void InitViewContext(TDrawContext& ctx, TCanvas* canvas, TSVObject& scheme) {
  ctx = TDrawContext{};
  ctx.Canvas = canvas;
  ctx.Normalize();
  ctx.SignScale = 1.0;
  ctx.ObjectScale = scheme.Info->RealScale;
}

void FitShown(TSVObject& scheme, TDrawContext& ctx, int width, int height) {
  Fit(ctx, width, height, [&] { return scheme.BoundsShown(ctx); });
}

void FitVisible(TSVObject& scheme, TDrawContext& ctx, int width, int height) {
  Fit(ctx, width, height, [&] { return scheme.BoundsOfVisibleLayers(ctx); });
}

void PaintScheme(TSVObject& scheme, TDrawContext& ctx, TSchemeLook look) {
  if (!ctx.Canvas) return;
  PaintBackground(*ctx.Canvas, look);
  DrawScheme(scheme, ctx, look);
}

void PaintBackground(TCanvas& canvas, TSchemeLook look) {
  canvas.Pen.Mode = TPenMode::Copy;
  canvas.SetBrushColor(look == TSchemeLook::Print ? clWhite : kSchemeBackground);
  canvas.FillRect(canvas.ClipRect());
}

void DrawScheme(TSVObject& scheme, TDrawContext& ctx, TSchemeLook look) {
  if (look == TSchemeLook::Print)
    scheme.PrintAll(ctx);
  else
    scheme.DrawAll(ctx, look == TSchemeLook::Edit);
}

void ApplyLayerPreset(TSVObject& scheme, TLayerPreset preset) {
  const int column = static_cast<int>(preset);
  for (int n = 1; n <= kLayerCount; ++n) {
    const TPresetCell cell = kPresets[n - 1][column];
    TLayer& layer = scheme.Layer(n);
    if (cell.Visible >= 0) layer.Visible = cell.Visible == 1;
    if (cell.ShowText >= 0) layer.ShowText = cell.ShowText == 1;
  }
}

void ShowPhase(TSVObject& scheme, int phase) {
  scheme.Time->SetPhase(phase);
  scheme.CopyTimingToDirections();
}

void ShowProgram(TSVObject& scheme, int program) {
  scheme.Time->Program = static_cast<std::uint8_t>(program);
  scheme.Time->SetPhase(scheme.Time->Phase);
  scheme.CopyTimingToDirections();
}

std::vector<std::uint32_t> SignalState(const TSVObject& scheme) {
  std::vector<std::uint32_t> state;
  const TNaprSet& directions = scheme.Info->Directions;
  state.reserve(directions.Count);
  for (int i = 1; i <= directions.Count; ++i) {
    const TSVNapr* d = directions.Item(i);
    state.push_back((d->SignalColor() & 0xFFFFFFu) | (d->IsGreenNow() ? 0x1000000u : 0u));
  }
  return state;
}

bool THeadRedraw::Update(TSVObject& scheme, TDrawContext& ctx) {
  std::vector<std::uint32_t> now = SignalState(scheme);
  if (now == Shown_) return false;
  scheme.DrawLayer(LayerNo(TLayerId::Heads), ctx, false);
  Shown_ = std::move(now);
  return true;
}

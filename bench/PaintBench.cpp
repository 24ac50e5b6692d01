// Repainting a 1920x1080 window through the Qt canvas in the three looks,
// each against the floor of the same primitives drawn straight with QPainter
// in turn with it; a repaint zoomed in to about 1 % of the scheme; the
// animation tick; fitting.
#include <benchmark/benchmark.h>

#include <ctime>

#include "BenchSupport.h"
#include "plan/SVtime.h"
#include "qt/QtCanvas.h"

namespace {

double ThreadSeconds() {
  timespec t{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) + 1e-9 * static_cast<double>(t.tv_nsec);
}

// A repaint through the canvas and, after each, its floor: the same
// primitives, recorded once, drawn straight with QPainter, timed apart on the
// same thread clock the benchmark reports. Measured in turn, the two see the
// same load, so their ratio holds on a machine shared with other jobs, where
// the times alone go up and down with the neighbours.
//
// Each run starts with a new window whose canvas has yet to measure every
// label, and the first run of the process with glyphs Qt has yet to render;
// both are paid by one repaint and one floor before the timing starts.
void Paint(benchmark::State& state, TSchemeLook look) {
  TSVObject& scheme = LoadedPassport(static_cast<int>(state.range(0)));
  TWindow window(scheme);
  const TReplay replay(scheme, window.Ctx, look);
  QPainter& painter = window.Canvas->Painter();
  const auto drawFloor = [&] {
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    replay.Draw(painter);
  };
  PaintScheme(scheme, window.Ctx, look);
  drawFloor();
  double floorSeconds = 0;
  for (auto _ : state) {
    PaintScheme(scheme, window.Ctx, look);
    state.PauseTiming();
    const double start = ThreadSeconds();
    drawFloor();
    floorSeconds += ThreadSeconds() - start;
    state.ResumeTiming();
  }
  state.counters["floor_ms"] = 1e3 * floorSeconds / static_cast<double>(state.iterations());
  state.counters["primitives"] = static_cast<double>(replay.Count());
}

void PaintZoomed(benchmark::State& state) {
  TSVObject& scheme = LoadedPassport(static_cast<int>(state.range(0)));
  TWindow window(scheme);
  // Ten times the fitted zoom: the window shows a hundredth of the area.
  window.Ctx.ZoomAtCentre(window.Ctx.Zoom * 10);
  PaintScheme(scheme, window.Ctx, TSchemeLook::View);  // warm-up
  for (auto _ : state) PaintScheme(scheme, window.Ctx, TSchemeLook::View);
  state.counters["primitives"] = static_cast<double>(TReplay(scheme, window.Ctx, TSchemeLook::View).Count());
}

// The viewer's tick as it runs: half a second on the clock, the heads
// redrawn when one of them changed, the whole picture when the phase
// changed. The mean over the iterations is the mean over the signal cycle.
void AnimationTick(benchmark::State& state) {
  TSVObject& scheme = LoadedPassport(static_cast<int>(state.range(0)));
  TWindow window(scheme);
  ShowPhase(scheme, 1);
  PaintScheme(scheme, window.Ctx, TSchemeLook::View);
  THeadRedraw heads;
  heads.PictureTaken(scheme);
  std::int64_t redraws = 0, repaints = 0;
  for (auto _ : state) {
    const int phase = scheme.Time->Phase;
    scheme.Time->Tick(0.5);
    scheme.CopyTimingToDirections();
    redraws += heads.Update(scheme, window.Ctx) ? 1 : 0;
    if (scheme.Time->Phase != phase) {
      ShowPhase(scheme, scheme.Time->Phase);
      PaintScheme(scheme, window.Ctx, TSchemeLook::View);
      heads.PictureTaken(scheme);
      ++repaints;
    }
  }
  state.counters["head_redraws_per_tick"] = static_cast<double>(redraws) / static_cast<double>(state.iterations());
  state.counters["repaints_per_tick"] = static_cast<double>(repaints) / static_cast<double>(state.iterations());
}

// A tick in which the heads changed: layer 12 drawn over the picture.
void AnimationTickRedraw(benchmark::State& state) {
  TSVObject& scheme = LoadedPassport(static_cast<int>(state.range(0)));
  TWindow window(scheme);
  PaintScheme(scheme, window.Ctx, TSchemeLook::View);
  for (auto _ : state) {
    scheme.Time->Tick(0.5);
    scheme.CopyTimingToDirections();
    scheme.DrawLayer(12, window.Ctx, false);
  }
}

// The heads' own primitives drawn straight: what a tick costs at the least.
void AnimationTickFloor(benchmark::State& state) {
  TSVObject& scheme = LoadedPassport(static_cast<int>(state.range(0)));
  TWindow window(scheme);
  const TReplay replay(scheme, window.Ctx, TSchemeLook::View, 12);
  QPainter& painter = window.Canvas->Painter();
  painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
  replay.Draw(painter);  // warm-up
  for (auto _ : state) replay.Draw(painter);
  state.counters["primitives"] = static_cast<double>(replay.Count());
}

void Fit(benchmark::State& state) {
  TSVObject& scheme = LoadedPassport(static_cast<int>(state.range(0)));
  TWindow window(scheme);
  for (auto _ : state) {
    TDrawContext ctx;
    InitViewContext(ctx, window.Canvas.get(), scheme);
    FitShown(scheme, ctx, kPictureWidth, kPictureHeight);
    benchmark::DoNotOptimize(ctx.Zoom);
  }
}

}  // namespace

// A repaint of 100 000 items takes over half a second: several of them, so
// that one slowed by the machine weighs little.
constexpr double kPaintMinTime = 3.0;

#define SVPASS_SIZES ->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)
#define SVPASS_PAINT_SIZES SVPASS_SIZES->MinTime(kPaintMinTime)

BENCHMARK_CAPTURE(Paint, view, TSchemeLook::View)->Name("paint_view") SVPASS_PAINT_SIZES;
BENCHMARK_CAPTURE(Paint, edit, TSchemeLook::Edit)->Name("paint_edit") SVPASS_PAINT_SIZES;
BENCHMARK_CAPTURE(Paint, print, TSchemeLook::Print)->Name("paint_print") SVPASS_PAINT_SIZES;
BENCHMARK(PaintZoomed)->Name("paint_zoomed_1pct")->Arg(100000)->Unit(benchmark::kMillisecond)->MinTime(kPaintMinTime);
BENCHMARK(AnimationTick)->Name("animation_tick") SVPASS_SIZES;
BENCHMARK(AnimationTickRedraw)->Name("animation_tick_redraw") SVPASS_SIZES;
BENCHMARK(AnimationTickFloor)->Name("animation_tick_floor") SVPASS_SIZES;
BENCHMARK(Fit)->Name("fit") SVPASS_SIZES;

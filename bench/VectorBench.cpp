// The scheme written as an SVG picture and as a DXF drawing, each against a
// full repaint of the same scheme in the window (the view look, fitted into
// 1920x1080 through the Qt canvas), timed in turn with it on the same
// thread clock: the counter repaint_ms.
#include <benchmark/benchmark.h>

#include <ctime>

#include "BenchSupport.h"
#include "dxf/DxfCanvas.h"
#include "dxf/SchemeDxf.h"
#include "qt/QtCanvas.h"
#include "svg/SvgCanvas.h"

namespace {

double ThreadSeconds() {
  timespec t{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) + 1e-9 * static_cast<double>(t.tv_nsec);
}

// The whole file, made as render makes it: SVG of the window's view, DXF at
// world coordinates; labels measured with the window's fonts.
std::size_t WriteSvg(TSVObject& scheme, TWindow& window, TTextMeasure& measure) {
  TSvgCanvas svg(kPictureWidth, kPictureHeight, measure, kSchemeBackground);
  TDrawContext view = window.Ctx;
  view.Canvas = &svg;
  PaintScheme(scheme, view, TSchemeLook::View);
  return svg.Document().size();
}

std::size_t WriteDxf(TSVObject& scheme, TWindow&, TTextMeasure& measure) { return SchemeDxf(scheme, measure).size(); }

template <std::size_t (*Write)(TSVObject&, TWindow&, TTextMeasure&)>
void Export(benchmark::State& state) {
  TSVObject& scheme = LoadedPassport(static_cast<int>(state.range(0)));
  TWindow window(scheme);
  TQtTextMeasure measure(&window.Picture);
  // Warm-up: the labels measured once, the glyphs rendered once.
  PaintScheme(scheme, window.Ctx, TSchemeLook::View);
  std::size_t bytes = Write(scheme, window, measure);
  double repaintSeconds = 0;
  for (auto _ : state) {
    bytes = Write(scheme, window, measure);
    benchmark::DoNotOptimize(bytes);
    state.PauseTiming();
    const double start = ThreadSeconds();
    PaintScheme(scheme, window.Ctx, TSchemeLook::View);
    repaintSeconds += ThreadSeconds() - start;
    state.ResumeTiming();
  }
  state.counters["repaint_ms"] = 1e3 * repaintSeconds / static_cast<double>(state.iterations());
  state.counters["file_kB"] = static_cast<double>(bytes) / 1024.0;
}

}  // namespace

BENCHMARK_TEMPLATE(Export, WriteSvg)->Name("export_svg")->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond)->MinTime(3.0);
BENCHMARK_TEMPLATE(Export, WriteDxf)->Name("export_dxf")->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond)->MinTime(3.0);

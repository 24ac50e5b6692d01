// A survey plan of 50 000 entities as the editor's base: reading it against
// a raw pass over the file (every group code and value converted: the
// floor of any reader), and the editor's repaint with the plan under the
// scheme against the repaint without it.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "BenchSupport.h"
#include "base/DxfBaseReader.h"
#include "edit/EditSession.h"
#include "platform/Dialogs.h"
#include "qt/QtCanvas.h"

namespace {

constexpr int kPlanEntities = 50000;

// Lines, polylines with a bulge, circles, arcs, texts and insertions of a
// two-entity block, spread over 2000 × 1200 units, as a survey plan mixes them.
const std::string& PlanPath() {
  static const std::string path = [] {
    const std::string p =
        (std::filesystem::temp_directory_path() / ("svpass-bench-plan-" + std::to_string(kPlanEntities) + ".dxf"))
            .string();
    std::ofstream out(p, std::ios::binary);
    out << "0\nSECTION\n2\nHEADER\n9\n$ACADVER\n1\nAC1018\n9\n$DWGCODEPAGE\n3\nANSI_1251\n0\nENDSEC\n";
    out << "0\nSECTION\n2\nBLOCKS\n0\nBLOCK\n8\n0\n2\nWELL\n70\n0\n10\n0.0\n20\n0.0\n30\n0.0\n"
           "0\nCIRCLE\n8\n0\n10\n0.0\n20\n0.0\n30\n0.0\n40\n1.5\n"
           "0\nLINE\n8\n0\n10\n-1.5\n20\n0.0\n30\n0.0\n11\n1.5\n21\n0.0\n31\n0.0\n0\nENDBLK\n8\n0\n0\nENDSEC\n";
    out << "0\nSECTION\n2\nENTITIES\n";
    std::srand(7);
    const auto r = [](double span) { return span * std::rand() / RAND_MAX; };
    for (int i = 0; i < kPlanEntities; ++i) {
      const double x = r(2000), y = r(1200);
      switch (i % 20) {
        case 0: case 1: case 2: case 3: case 4: case 5: case 6: case 7:
          out << "0\nLINE\n8\nROADS\n10\n" << x << "\n20\n" << y << "\n30\n0.0\n11\n" << x + r(40) - 20
              << "\n21\n" << y + r(40) - 20 << "\n31\n0.0\n";
          break;
        case 8: case 9: case 10: case 11: case 12: case 13:
          out << "0\nLWPOLYLINE\n8\nKERB\n90\n4\n70\n0\n10\n" << x << "\n20\n" << y << "\n10\n" << x + 10
              << "\n20\n" << y << "\n42\n0.4\n10\n" << x + 20 << "\n20\n" << y + 5 << "\n10\n" << x + 25
              << "\n20\n" << y + 15 << "\n";
          break;
        case 14: case 15:
          out << "0\nCIRCLE\n8\nTREES\n10\n" << x << "\n20\n" << y << "\n30\n0.0\n40\n" << 0.5 + r(3) << "\n";
          break;
        case 16:
          out << "0\nARC\n8\nKERB\n10\n" << x << "\n20\n" << y << "\n30\n0.0\n40\n" << 2 + r(8) << "\n50\n"
              << r(180) << "\n51\n" << 180 + r(180) << "\n";
          break;
        case 17: case 18:
          out << "0\nTEXT\n8\nMARKS\n10\n" << x << "\n20\n" << y << "\n30\n0.0\n40\n2.5\n1\n" << 100 + i % 50
              << "." << i % 100 << "\n50\n" << r(90) << "\n";
          break;
        default:
          out << "0\nINSERT\n8\nWELLS\n2\nWELL\n10\n" << x << "\n20\n" << y << "\n30\n0.0\n50\n" << r(360) << "\n";
          break;
      }
    }
    out << "0\nENDSEC\n0\nEOF\n";
    return p;
  }();
  return path;
}

bool IsRealCode(long c) {
  return (c >= 10 && c <= 59) || (c >= 110 && c <= 149) || (c >= 210 && c <= 239) || (c >= 1010 && c <= 1059);
}
bool IsIntCode(long c) {
  return (c >= 60 && c <= 99) || (c >= 160 && c <= 179) || (c >= 270 && c <= 289) || (c >= 370 && c <= 389) ||
         (c >= 400 && c <= 409) || (c >= 1060 && c <= 1071);
}

// The floor: every line read, every group code an integer, every value a
// number or a string of its own, as any reader has to.
void DxfRawPass(benchmark::State& state) {
  const std::string& path = PlanPath();
  for (auto _ : state) {
    std::ifstream in(path, std::ios::binary);
    std::string code, value;
    double sum = 0;
    long groups = 0;
    while (std::getline(in, code) && std::getline(in, value)) {
      const long c = std::strtol(code.c_str(), nullptr, 10);
      if (IsRealCode(c))
        sum += std::strtod(value.c_str(), nullptr);
      else if (IsIntCode(c))
        sum += static_cast<double>(std::strtol(value.c_str(), nullptr, 10));
      else
        sum += static_cast<double>(std::string(value).size());
      ++groups;
    }
    benchmark::DoNotOptimize(sum);
    benchmark::DoNotOptimize(groups);
  }
}

void DxfLoad(benchmark::State& state) {
  const std::string& path = PlanPath();
  std::size_t shapes = 0;
  for (auto _ : state) {
    TBaseDrawing drawing;
    std::string reason;
    if (!ReadDxfBase(path, drawing, reason)) state.SkipWithError(reason.c_str());
    shapes = drawing.Shapes.size();
  }
  state.counters["shapes"] = static_cast<double>(shapes);
}

class TOkHost : public TDialogHost {
 public:
  int Execute(TDialogModel& model) override { return model.Press(TDialogButton::Ok); }
};

// The editor on the 10 000-item passport; with the plan (argument 1) laid
// under the middle of the paint box, or without it (0).
void DxfBaseRepaint(benchmark::State& state) {
  TSVObject& scheme = LoadedPassport(10000);
  TWindow window(scheme);
  TOkHost host;
  TEditSession session(scheme, host);
  session.SetCanvas(window.Canvas.get(), kPictureWidth, kPictureHeight);
  session.Prepare();
  session.Show();
  if (state.range(0)) {
    TBaseDrawing drawing;
    std::string reason;
    if (!ReadDxfBase(PlanPath(), drawing, reason)) state.SkipWithError(reason.c_str());
    TDrawContext& ctx = session.Context();
    const TRealPoint centre = ctx.ScreenToWorld(kPictureWidth / 2, kPictureHeight / 2);
    ctx.BaseImageX = static_cast<int>(std::lround(centre.x - (drawing.MinX + drawing.MaxX) / 2));
    ctx.BaseImageY = static_cast<int>(std::lround(centre.y - (drawing.MinY + drawing.MaxY) / 2));
    session.LoadBase(std::move(drawing));
  }
  session.Repaint();
  for (auto _ : state) session.Repaint();
  session.Close();
}

// A zoom step with the plan: the plan is drawn again into its picture.
void DxfBaseZoomRepaint(benchmark::State& state) {
  TSVObject& scheme = LoadedPassport(10000);
  TWindow window(scheme);
  TOkHost host;
  TEditSession session(scheme, host);
  session.SetCanvas(window.Canvas.get(), kPictureWidth, kPictureHeight);
  session.Prepare();
  session.Show();
  TBaseDrawing drawing;
  std::string reason;
  if (!ReadDxfBase(PlanPath(), drawing, reason)) state.SkipWithError(reason.c_str());
  session.LoadBase(std::move(drawing));
  int i = 0;
  for (auto _ : state) {
    session.Context().ZoomAtCentre(session.Context().Zoom * (++i % 2 ? 1.25 : 0.8));
    session.Repaint();
  }
  session.Close();
}

}  // namespace

BENCHMARK(DxfRawPass)->Name("dxf_base_raw_pass")->Unit(benchmark::kMillisecond);
BENCHMARK(DxfLoad)->Name("dxf_base_load")->Unit(benchmark::kMillisecond);
BENCHMARK(DxfBaseRepaint)->Name("dxf_base_repaint")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(DxfBaseZoomRepaint)->Name("dxf_base_zoom_repaint")->Unit(benchmark::kMillisecond);

// svpass-bench: the program's costs on generated passports of 1 000, 10 000
// and 100 000 items, each against its floor, with a summary of the ratios.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <cstdio>
#include <map>
#include <string>

namespace {

// Passes every run on to the console and prints the ratios at the end. The
// summary takes the CPU time of the thread that does the work: the drawing,
// reading and writing run on that one thread, so on a quiet machine this is
// the real time, and on a machine shared with other jobs it does not count the
// time they were given.
class TSummary : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& r : runs) {
      if (r.error_occurred || r.run_type != Run::RT_Iteration) continue;
      // "paint_view/1000", whatever the row's minimum time adds to its name.
      const std::string name = r.run_name.function_name + "/" + r.run_name.args;
      Times_[name] = r.GetAdjustedCPUTime();
      for (const auto& [counterName, counter] : r.counters) Counters_[name + ":" + counterName] = counter.value;
      // A repaint row times its floor in turn with it.
      const auto floor = r.counters.find("floor_ms");
      if (floor != r.counters.end()) Times_[r.run_name.function_name + "_floor/" + r.run_name.args] = floor->second;
      // A file written against the repaint timed in turn with it.
      const auto repaint = r.counters.find("repaint_ms");
      if (repaint != r.counters.end())
        Times_[r.run_name.function_name + "_repaint/" + r.run_name.args] = repaint->second;
    }
  }

  void Finalize() override {
    ConsoleReporter::Finalize();
    std::printf("\n| items | operation | ms per operation | floor ms | ratio |\n|---:|---|---:|---:|---:|\n");
    for (const int n : {1000, 10000, 100000}) {
      const std::string arg = "/" + std::to_string(n);
      Row(n, "load", arg, "load_floor");
      for (const char* look : {"paint_view", "paint_edit", "paint_print"})
        Row(n, look, arg, std::string(look) + "_floor");
      Row(n, "paint_zoomed_1pct", arg, "paint_view", "of full repaint");
      Row(n, "animation_tick", arg, "paint_view", "of full repaint");
      Row(n, "animation_tick_redraw", arg, "paint_view", "of full repaint");
      Row(n, "animation_tick_floor", arg, "paint_view_floor", "of the full repaint's floor");
      Row(n, "fit", arg, "");
      Row(n, "save", arg, "");
      Row(n, "print_pdf", arg, "paint_view", "of full repaint");
      Row(n, "print_raster_300dpi", arg, "paint_view", "of full repaint");
      Row(n, "export_svg", arg, "export_svg_repaint", "of full repaint");
      Row(n, "export_dxf", arg, "export_dxf_repaint", "of full repaint");
    }
    // The tables of the sample passport, not a generated one: laid-out pages
    // against the document itself.
    const auto doc = Times_.find("export_doc/");
    if (doc != Times_.end()) {
      std::printf("\n| export of svo1 | ms per operation | ratio |\n|---|---:|---:|\n| doc | %.3f | 1 |\n", doc->second);
      for (const char* format : {"docx", "odt", "pdf"}) {
        const auto it = Times_.find(std::string("export_") + format + "/");
        if (it != Times_.end()) std::printf("| %s | %.3f | %.2f |\n", format, it->second, it->second / doc->second);
      }
    }
    std::printf("\n| items | heap kept per item (B) | heap peak while loading per item (B) |\n|---:|---:|---:|\n");
    for (const int n : {1000, 10000, 100000}) {
      const std::string key = "load/" + std::to_string(n);
      if (Counters_.count(key + ":kept_B_per_item"))
        std::printf("| %d | %.0f | %.0f |\n", n, Counters_[key + ":kept_B_per_item"],
                    Counters_[key + ":peak_B_per_item"]);
    }
  }

 private:
  void Row(int n, const std::string& op, const std::string& arg, const std::string& floor,
           const char* against = nullptr) {
    const auto it = Times_.find(op + arg);
    if (it == Times_.end()) return;
    const auto f = floor.empty() ? Times_.end() : Times_.find(floor + arg);
    if (f == Times_.end()) {
      std::printf("| %d | %s | %.3f | | |\n", n, op.c_str(), it->second);
    } else if (against) {
      std::printf("| %d | %s | %.3f | | %.1f %% %s |\n", n, op.c_str(), it->second, 100 * it->second / f->second,
                  against);
    } else {
      std::printf("| %d | %s | %.3f | %.3f | %.2f |\n", n, op.c_str(), it->second, f->second,
                  it->second / f->second);
    }
  }
  std::map<std::string, double> Times_;
  std::map<std::string, double> Counters_;
};

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  // Fonts need a platform; no window is ever shown.
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  TSummary summary;
  benchmark::RunSpecifiedBenchmarks(&summary);
  benchmark::Shutdown();
  return 0;
}

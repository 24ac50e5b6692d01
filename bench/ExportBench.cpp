// Exporting the tables of the sample passport svo1 as the export dialog
// does, to a document (.doc, RTF) and to laid-out PDF pages, both into
// /dev/shm; the PDF is measured against the document.
#include <benchmark/benchmark.h>

#include <string>

#include "export/ExportModel.h"
#include "model/SVObject.h"
#include "plan/SVInfo.h"
#include "platform/ProgramDir.h"
#include "qt/DocPrinter.h"

namespace {

class TBenchExportHost : public TExportHost {
 public:
  // The written file is not opened for reading.
  TBenchExportHost() {
    Output_.OnShow = [](const std::string&) { return true; };
  }
  bool ChooseExportFile(std::string&) override { return false; }
  bool ChoosePrinter() override { return false; }
  TDocOutput* Output() override { return &Output_; }
  void SetBusy(bool) override {}

 private:
  TQtDocOutput Output_;
};

// The sample passport's information, read once; the templates and the
// sample come from the program's own directory.
const TSVInfo& SampleInfo() {
  static std::unique_ptr<TSVObject> scheme = [] {
    LocateProgramHome(ExecutableDir());
    auto s = std::make_unique<TSVObject>(JoinPath(ProgramDir(), "Data/svo1/"));
    s->SetInfoFileName();
    s->Info->LoadAll();
    return s;
  }();
  return *scheme->Info;
}

void ExportOnce(const std::string& path, benchmark::State& state) {
  TBenchExportHost host;
  TExportModel model;
  model.Host = &host;
  model.Prepare(SampleInfo());
  if (!model.ExportTo(path, host)) state.SkipWithError("the export failed");
}

// One export before the timing renders Qt's glyphs and reads the template
// for the process, which a running program has long done.
void ExportDoc(benchmark::State& state) {
  const std::string path = "/dev/shm/svpass-bench-export.doc";
  ExportOnce(path, state);
  for (auto _ : state) ExportOnce(path, state);
}

void ExportPdf(benchmark::State& state) {
  const std::string path = "/dev/shm/svpass-bench-export.pdf";
  ExportOnce(path, state);
  for (auto _ : state) ExportOnce(path, state);
}

}  // namespace

BENCHMARK(ExportDoc)->Name("export_doc")->Unit(benchmark::kMillisecond)->MinTime(3);
BENCHMARK(ExportPdf)->Name("export_pdf")->Unit(benchmark::kMillisecond)->MinTime(3);

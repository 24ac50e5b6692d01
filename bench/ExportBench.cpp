// Exporting the tables of the sample passport svo1, the largest sample, as
// the export dialog does, to a document (.doc, which is RTF; .docx; .odt)
// and to laid-out PDF pages, all into /dev/shm; the others are measured
// against the .doc, the PDF also against Qt's PDF engine alone writing
// pages of text in the same fonts.
#include <benchmark/benchmark.h>

#include <QFont>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
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

// The same export written as Office Open XML and as OpenDocument Text: the
// document engine's work is the .doc's, the XML and the zip come on top.
void ExportDocx(benchmark::State& state) {
  const std::string path = "/dev/shm/svpass-bench-export.docx";
  ExportOnce(path, state);
  for (auto _ : state) ExportOnce(path, state);
}

void ExportOdt(benchmark::State& state) {
  const std::string path = "/dev/shm/svpass-bench-export.odt";
  ExportOnce(path, state);
  for (auto _ : state) ExportOnce(path, state);
}

void ExportPdf(benchmark::State& state) {
  const std::string path = "/dev/shm/svpass-bench-export.pdf";
  ExportOnce(path, state);
  for (auto _ : state) ExportOnce(path, state);
}

// The floor of the PDF: as many A4 pages as the sample's export has, each
// carrying every letter, digit and sign its tables use in the regular and
// the bold face of the document's font, written at the export's 300 dpi.
// What is left is Qt's own work: the pages' streams, their compression and
// the embedded, subset fonts; no layout at all.
void ExportPdfFloor(benchmark::State& state) {
  const QString text = QString::fromUtf8(
      "АБВГДЕЁЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЫЬЭЮЯ абвгдеёжзийклмнопрстуфхцчшщъыьэюя "
      "ABCDEFGHIJKLMNOPQRSTUVWXYZ abcdefghijklmnopqrstuvwxyz 0123456789 .,;:-()№\"\"/");
  auto once = [&] {
    QPdfWriter pdf(QStringLiteral("/dev/shm/svpass-bench-floor.pdf"));
    pdf.setResolution(300);
    pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
    QPainter painter(&pdf);
    QFont regular(QStringLiteral("Times New Roman"), 12);
    QFont bold = regular;
    bold.setBold(true);
    for (int page = 0; page < 2; ++page) {
      if (page > 0) pdf.newPage();
      painter.setFont(regular);
      painter.drawText(QPointF(300, 300), text);
      painter.setFont(bold);
      painter.drawText(QPointF(300, 400), text);
    }
  };
  once();
  for (auto _ : state) once();
}

}  // namespace

BENCHMARK(ExportDoc)->Name("export_doc")->Unit(benchmark::kMillisecond)->MinTime(3);
BENCHMARK(ExportDocx)->Name("export_docx")->Unit(benchmark::kMillisecond)->MinTime(3);
BENCHMARK(ExportOdt)->Name("export_odt")->Unit(benchmark::kMillisecond)->MinTime(3);
BENCHMARK(ExportPdf)->Name("export_pdf")->Unit(benchmark::kMillisecond)->MinTime(3);
BENCHMARK(ExportPdfFloor)->Name("export_pdf_floor")->Unit(benchmark::kMillisecond)->MinTime(3);

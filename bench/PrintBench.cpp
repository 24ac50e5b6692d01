// Printing the scheme page: to a PDF file (vector, fonts embedded, in
// /dev/shm like the save benchmark) and to a 300-dpi raster page, both A4 portrait in one phase, each
// measured against one full repaint of the window (paint_view).
#include <benchmark/benchmark.h>

#include <QFileInfo>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>

#include "BenchSupport.h"
#include "plan/SVInfo.h"
#include "print/PrintFormModel.h"
#include "qt/QtCanvas.h"

namespace {

constexpr double kA4Width = 210, kA4Height = 297;

void Prepare(TPrintFormModel& print, TSVObject& scheme, const TPrinterMetrics& printer) {
  print.Prepare(scheme, nullptr, printer, "01.01.2026 г.");
  // The generated passport's directory has no object number to show.
  print.Content.Title = scheme.Info->AddressText();
}

void PrintPdfPage(TSVObject& scheme) {
  const int dpi = 600;
  QPdfWriter writer(QStringLiteral("/dev/shm/svpass-bench-print.pdf"));
  writer.setResolution(dpi);
  writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
  TPrintFormModel print;
  TPrinterMetrics printer = PaperMetrics(kA4Width, kA4Height, dpi);
  printer.PaperWidth = printer.Printable.Right = writer.width();
  printer.PaperHeight = printer.Printable.Bottom = writer.height();
  Prepare(print, scheme, printer);
  {
    TQtCanvas canvas(&writer);
    print.DrawPrinted(scheme, canvas);
  }
}

// Every page is printed by a new print model on a new canvas, as each print
// is; one page printed before the timing renders Qt's glyphs once for the
// process, which a running program has long done.
void PrintPdf(benchmark::State& state) {
  TSVObject& scheme = LoadedPassport(static_cast<int>(state.range(0)));
  PrintPdfPage(scheme);
  for (auto _ : state) PrintPdfPage(scheme);
  const double bytes = static_cast<double>(QFileInfo(QStringLiteral("/dev/shm/svpass-bench-print.pdf")).size());
  state.counters["pdf_MB"] = bytes / 1e6;
}

void PrintRaster(benchmark::State& state) {
  TSVObject& scheme = LoadedPassport(static_cast<int>(state.range(0)));
  const TPrinterMetrics printer = PaperMetrics(kA4Width, kA4Height, 300);
  QImage page(printer.PaperWidth, printer.PaperHeight, QImage::Format_RGB32);
  const auto printPage = [&] {
    TPrintFormModel print;
    Prepare(print, scheme, printer);
    TQtCanvas canvas(&page);
    print.DrawPrinted(scheme, canvas);
  };
  printPage();  // warm-up
  for (auto _ : state) printPage();
}

}  // namespace

BENCHMARK(PrintPdf)->Name("print_pdf")->Arg(100000)->Unit(benchmark::kMillisecond)->MinTime(5);
BENCHMARK(PrintRaster)->Name("print_raster_300dpi")->Arg(100000)->Unit(benchmark::kMillisecond)->MinTime(5);

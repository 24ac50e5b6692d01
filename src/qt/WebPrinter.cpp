#include "WebPrinter.h"

#include <QPageLayout>
#include <QPageSize>
#include <ctime>
#include <stdexcept>

#include "PdfPage.h"
#include "model/SVObject.h"
#include "plan/SVInfo.h"
#include "platform/IniFile.h"
#include "platform/ProgramDir.h"
#include "platform/TextFile.h"
#include "print/PageLayout.h"
#include "print/PrintEntry.h"
#include "print/PrintFormModel.h"
#include "print/PrintPage.h"
#include "tables/SetPhaseLenModel.h"

namespace {

// A PDF has no raster of its own: 300 dots per inch keep lines fine and
// the files small enough for a phone.
constexpr int kPdfDpi = 300;

std::string Today() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return PrintDateText(local.tm_mday, local.tm_mon + 1, local.tm_year + 1900);
}

std::string PrintedPdf(TSVObject& scheme, TPrintEntry entry) {
  const QPageLayout layout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0));
  const TIniFile config(JoinPath(ProgramDir(), "config.ini"));
  std::string bytes;
  const TPdfResult result = PrintedPagePdf(
      scheme, layout, kPdfDpi, PrintTitle(*scheme.Info, entry), [&](TPrintFormModel& print, const TPrinterMetrics& printer) {
        if (!print.Prepare(scheme, &config, printer, Today())) return false;
        const TPrintEntryRule rule = PrintEntryRule(entry);
        print.Content.Mode = rule.Mode;
        print.Content.Title = PrintTitle(*scheme.Info, entry);
        if (rule.NoFooter) print.Margins.Footer = 0;
        print.Content.PhaseLengths = TSetPhaseLenModel(scheme).Lengths;
        print.Preview.ColorPrint = true;
        return true;
      },
      bytes);
  if (result == TPdfResult::NotConfigured) throw std::runtime_error("печать не подготовлена");
  if (result == TPdfResult::NotWritten) throw std::runtime_error("не удалось сложить страницу PDF");
  return bytes;
}

}  // namespace

std::string TQtWebPrinter::SchemePdf(TSVObject& scheme) { return PrintedPdf(scheme, TPrintEntry::CurrentScheme); }

std::string TQtWebPrinter::DiagramPdf(TSVObject& scheme) {
  if (scheme.Info->IsUK() || scheme.Info->PhaseCount == 0) return std::string();
  return PrintedPdf(scheme, TPrintEntry::TimeDiagram);
}

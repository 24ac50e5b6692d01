#include "PdfPage.h"

#include <QBuffer>
#include <QPdfWriter>

#include "QtCanvas.h"
#include "print/PrintFormModel.h"

TPdfResult PrintedPagePdf(TSVObject& scheme, const QPageLayout& layout, int dpi, const std::string& title,
                          const std::function<bool(TPrintFormModel&, const TPrinterMetrics&)>& configure,
                          std::string& bytes) {
  const QSizeF mm = layout.fullRect(QPageLayout::Millimeter).size();
  QByteArray pdf;
  QBuffer buffer(&pdf);
  buffer.open(QIODevice::WriteOnly);
  QPdfWriter writer(&buffer);
  writer.setResolution(dpi);
  writer.setPageLayout(layout);
  writer.setCreator(QStringLiteral("svpass"));
  writer.setTitle(QString::fromStdString(title));
  TPrinterMetrics printer = PaperMetrics(mm.width(), mm.height(), dpi);
  printer.PaperWidth = printer.Printable.Right = writer.width();
  printer.PaperHeight = printer.Printable.Bottom = writer.height();
  TPrintFormModel print;
  if (!configure(print, printer)) return TPdfResult::NotConfigured;
  TQtCanvas canvas(&writer);
  print.DrawPrinted(scheme, canvas);
  if (!canvas.Painter().end()) return TPdfResult::NotWritten;
  bytes.assign(pdf.constData(), static_cast<std::size_t>(pdf.size()));
  return TPdfResult::Written;
}

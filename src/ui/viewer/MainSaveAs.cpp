// "Сохранить схему как…": the scheme as the window shows it, out to a picture
// or to a drawing other programs open; as a CAD drawing at its world
// coordinates; or as the printed page.
#include <QBuffer>
#include <QDate>
#include <QFileDialog>
#include <QImage>
#include <vector>

#include "MainForm.h"
#include "dxf/SchemeDxf.h"
#include "model/SVObject.h"
#include "print/PrintEntry.h"
#include "print/PrintFormModel.h"
#include "print/ViewState.h"
#include "platform/Messages.h"
#include "platform/TextFile.h"
#include "qt/Modal.h"
#include "qt/PaintBox.h"
#include "qt/PdfPage.h"
#include "qt/QtCanvas.h"
#include "svg/SvgCanvas.h"
#include "view/SchemeView.h"

namespace {

// The dialog's file types and the extension each puts on a bare name.
const std::vector<std::pair<QString, QString>>& SchemeFormats() {
  static const std::vector<std::pair<QString, QString>> formats = {
      {QStringLiteral("Рисунок PNG (*.png)"), QStringLiteral("png")},
      {QStringLiteral("Рисунок SVG (*.svg)"), QStringLiteral("svg")},
      {QStringLiteral("Чертёж DXF (*.dxf)"), QStringLiteral("dxf")},
      {QStringLiteral("Страница печати PDF (*.pdf)"), QStringLiteral("pdf")},
  };
  return formats;
}

// The lower-case extension of the name; a name without one is saved as PNG.
std::string Extension(const std::string& path) {
  const std::size_t dot = path.rfind('.');
  const std::size_t slash = path.rfind('/');
  if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return "png";
  std::string ext = path.substr(dot + 1);
  for (char& c : ext) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return ext;
}

// The page "Печать схемы" prints for the current scheme, with a fresh
// dialog's settings, on A4 upright.
bool PrintedPage(TSVObject& scheme, const TIniFile* config, std::string& bytes) {
  // Printing steps the clock through the printed phases; the window gets
  // its phase, program and layers back.
  TViewStateKeeper keep(scheme);
  const QPageLayout layout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0));
  const std::string title = PrintTitle(*scheme.Info, TPrintEntry::CurrentScheme);
  const std::string date = QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy")).toStdString() + " г.";
  return PrintedPagePdf(
             scheme, layout, 600, title,
             [&](TPrintFormModel& print, const TPrinterMetrics& printer) {
               if (!print.Prepare(scheme, config, printer, date)) return false;
               print.Content.Mode = PrintEntryRule(TPrintEntry::CurrentScheme).Mode;
               print.Content.Title = title;
               return true;
             },
             bytes) == TPdfResult::Written;
}

}  // namespace

bool TMainForm::SaveShownScheme(const std::string& path) {
  if (!Scheme_) return false;
  const int width = Map_->PictureWidth();
  const int height = Map_->PictureHeight();
  QImage picture(width, height, QImage::Format_RGB32);
  // The window's own view: its origin, zoom, sign scale and layers.
  TDrawContext view = View_;
  std::string bytes;
  const std::string ext = Extension(path);
  if (ext == "pdf") {
    const bool made = PrintedPage(*Scheme_, Config(), bytes);
    Repaint();
    if (!made) return false;
  } else if (ext == "dxf") {
    // World coordinates, not the window's view: labels laid out with the
    // window's metrics.
    TQtTextMeasure measure(&picture);
    bytes = SchemeDxf(*Scheme_, measure);
  } else if (ext == "svg") {
    // Laid out with the metrics the window's picture has.
    TQtTextMeasure measure(&picture);
    TSvgCanvas svg(width, height, measure, kSchemeBackground);
    view.Canvas = &svg;
    PaintScheme(*Scheme_, view, TSchemeLook::View);
    bytes = svg.Document();
  } else {
    {
      TQtCanvas canvas(&picture);
      view.Canvas = &canvas;
      PaintScheme(*Scheme_, view, TSchemeLook::View);
    }
    QByteArray png;
    QBuffer buffer(&png);
    if (!buffer.open(QIODevice::WriteOnly) || !picture.save(&buffer, "PNG")) return false;
    bytes.assign(png.constData(), static_cast<std::size_t>(png.size()));
  }
  try {
    WriteFileAtomically(path, bytes);
  } catch (const TInOutError&) {
    return false;
  }
  return true;
}

void TMainForm::SaveSchemeAsClick() {
  if (!Scheme_) return;
  QFileDialog dialog(this, QStringLiteral("Сохранить схему как"));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  QStringList filters;
  for (const auto& f : SchemeFormats()) filters << f.first;
  dialog.setNameFilters(filters);
  dialog.setDefaultSuffix(SchemeFormats().front().second);
  connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog](const QString& filter) {
    for (const auto& f : SchemeFormats())
      if (filter == f.first) dialog.setDefaultSuffix(f.second);
  });
  QString dir = QString::fromStdString(Scheme_->Dir);
  while (dir.endsWith(QLatin1Char('/'))) dir.chop(1);
  dialog.selectFile(dir.section(QLatin1Char('/'), -1) + QStringLiteral(" схема.png"));
  if (ExecModal(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
  const std::string path = dialog.selectedFiles().first().toStdString();
  if (!SaveShownScheme(path)) ShowError("Не могу записать файл " + path);
}

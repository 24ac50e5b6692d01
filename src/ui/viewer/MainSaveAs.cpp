// "Сохранить схему как…": the scheme as the window shows it, out to a picture
// or to a drawing other programs open.
#include <QBuffer>
#include <QFileDialog>
#include <QImage>
#include <vector>

#include "MainForm.h"
#include "model/SVObject.h"
#include "platform/Messages.h"
#include "platform/TextFile.h"
#include "qt/Modal.h"
#include "qt/PaintBox.h"
#include "qt/QtCanvas.h"
#include "svg/SvgCanvas.h"
#include "view/SchemeView.h"

namespace {

// The dialog's file types and the extension each puts on a bare name.
const std::vector<std::pair<QString, QString>>& SchemeFormats() {
  static const std::vector<std::pair<QString, QString>> formats = {
      {QStringLiteral("Рисунок PNG (*.png)"), QStringLiteral("png")},
      {QStringLiteral("Рисунок SVG (*.svg)"), QStringLiteral("svg")},
  };
  return formats;
}

bool IsSvg(const std::string& path) {
  const std::size_t dot = path.rfind('.');
  if (dot == std::string::npos) return false;
  std::string ext = path.substr(dot + 1);
  for (char& c : ext) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return ext == "svg";
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
  if (IsSvg(path)) {
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

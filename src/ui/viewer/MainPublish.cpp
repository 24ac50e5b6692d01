// "Опубликовать базу…": the database as a web site for the field, made into
// a folder the user picks, with a progress bar that can stop it.
#include <QApplication>
#include <QFileDialog>
#include <QProgressDialog>

#include "MainForm.h"
#include "platform/Messages.h"
#include "platform/TextFile.h"
#include "qt/Modal.h"
#include "qt/WebPrinter.h"
#include "store/FolderStore.h"
#include "web/SitePublisher.h"

void TMainForm::PublishDatabaseClick() {
  if (DatabaseDir_.empty()) {
    ShowError("База паспортов не найдена: публиковать нечего");
    return;
  }
  QFileDialog dialog(this, QStringLiteral("Папка веб-сайта базы"));
  dialog.setFileMode(QFileDialog::Directory);
  dialog.setOption(QFileDialog::ShowDirsOnly);
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  if (ExecModal(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
  const std::string out = dialog.selectedFiles().first().toStdString();

  QProgressDialog progress(QStringLiteral("Публикация базы…"), QStringLiteral("Остановить"), 0, 1, this);
  progress.setWindowTitle(QStringLiteral("Опубликовать базу"));
  progress.setWindowModality(Qt::WindowModal);
  progress.setMinimumDuration(0);
  TQtWebPrinter printer;
  TPublishOptions options;
  options.Out = out;
  options.Printer = &printer;
  options.Progress = [&progress](int done, int total, const std::string& id) {
    progress.setMaximum(total);
    progress.setValue(done);
    progress.setLabelText(QStringLiteral("Паспорт %1 (%2 из %3)").arg(QString::fromStdString(id)).arg(done + 1).arg(total));
    QApplication::processEvents();
    return !progress.wasCanceled();
  };
  try {
    const TPublishReport report = PublishSite(std::make_shared<TFolderStore>(DatabaseDir_), options);
    progress.setValue(progress.maximum());
    std::string text = "Сайт записан в " + out + ".\nПаспортов записано: " + std::to_string(report.Written.size()) +
                       ", без изменений: " + std::to_string(report.Unchanged.size()) +
                       ", удалено: " + std::to_string(report.Removed.size()) + '.';
    if (report.Stopped) text += "\nПубликация остановлена: остальные паспорта прежние.";
    if (report.Failed.empty()) {
      ShowInfo(text);
      return;
    }
    text += "\nНе опубликованы:";
    for (const std::string& f : report.Failed) text += "\n" + f;
    ShowError(text);
  } catch (const TInOutError& e) {
    ShowError(e.what());
  }
}

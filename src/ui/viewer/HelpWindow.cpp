#include "HelpWindow.h"

#include <QFileInfo>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include "platform/Messages.h"
#include "platform/ProgramDir.h"
#include "qt/ScreenFit.h"

THelpWindow::THelpWindow(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("Содержание справки"));
  setModal(false);
  Browser_ = new QTextBrowser(this);
  Browser_->setOpenExternalLinks(false);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(Browser_);
  ResizeWithinScreen(this, QSize(720, 640));
}

QString THelpWindow::HelpFile() { return QString::fromStdString(ProgramDir() + "help/passport.html"); }

bool THelpWindow::ShowContents() {
  const QString file = HelpFile();
  if (!QFileInfo::exists(file)) {
    ShowError("Не найден файл справки " + file.toStdString());
    return false;
  }
  Browser_->setSource(QUrl::fromLocalFile(file));
  ShowWithinScreen(this);
  raise();
  activateWindow();
  return true;
}

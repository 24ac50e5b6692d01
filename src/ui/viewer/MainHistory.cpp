// The main window's entry "История паспорта…" in the menu "Светофорный
// объект", the restoring of a version it asks for, and the comparison the
// sync's conflict question offers.
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QMenu>
#include <QVBoxLayout>

#include "ComparePanel.h"
#include "HistoryFormUnit.h"
#include "MainForm.h"
#include "ViewerVersions.h"
#include "history/History.h"
#include "model/SVObject.h"
#include "plan/SVtime.h"
#include "qt/Modal.h"
#include "qt/PassportLock.h"
#include "qt/QtMessages.h"
#include "qt/ScreenFit.h"
#include "store/PassportStore.h"

namespace {

QString Qs(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

void TMainForm::CreateHistoryEntry(QMenu* object) {
  auto* history = object->addAction(QStringLiteral("&История паспорта…"));
  history->setObjectName(QStringLiteral("PassportHistoryAction"));
  connect(history, &QAction::triggered, this, &TMainForm::PassportHistoryClick);
  SetVersionComparer([this](const std::string& passport, const std::string& rev) { CompareVersion(passport, rev); });
}

void TMainForm::PassportHistoryClick() {
  if (!Scheme_) return;
  if (!TDbRepository::Open(DatabaseDir_)) {
    MessageBoxOk(this, QMessageBox::Information, QStringLiteral("История паспорта"),
                 QStringLiteral("База не ведёт версии паспортов. Включите их: «Файл → Сделать базу общей…» или "
                                "svpass-cli db init %1")
                     .arg(Qs(DatabaseDir_)));
    return;
  }
  SettleVersions();
  if (!HistoryForm_) {
    HistoryForm_ = new THistoryForm(this);
    HistoryForm_->SetRestorer([this](const std::string& rev) { return RestoreVersion(rev); });
  }
  HistoryForm_->Load(DatabaseDir_, Scheme_->StoreId);
  ShowWithinScreen(HistoryForm_);
  HistoryForm_->raise();
}

void TMainForm::SettleVersions() {
  if (!Scheme_ || !Scheme_->Store) return;
  try {
    Scheme_->Store->Settle();
  } catch (const std::exception& e) {
    MessageBoxOk(this, QMessageBox::Warning, ApplicationTitle(), QString::fromUtf8(e.what()));
  }
}

bool TMainForm::RestoreVersion(const std::string& rev) {
  if (!Scheme_ || !ConfirmInfoReload()) return false;
  SettleVersions();
  // Restoring writes the passport's files: not while another engineer edits them.
  std::unique_ptr<TStoreLock> lock = Scheme_->Store ? Scheme_->Store->Lock(Scheme_->StoreId) : nullptr;
  if (!lock) lock = std::make_unique<TQtStoreLock>(Scheme_->Dir);
  if (!lock->TryLock()) {
    MessageBoxOk(this, QMessageBox::Warning, QStringLiteral("История паспорта"),
                 QStringLiteral("Паспорт сейчас изменяется в другом окне или на другом компьютере; версию "
                                "восстановить нельзя."));
    return false;
  }
  bool restored = true;
  try {
    RestorePassport(TDbRepository::OpenExisting(DatabaseDir_), Scheme_->StoreId, rev, ViewerRecordOptions());
  } catch (const std::exception& e) {
    restored = false;
    MessageBoxOk(this, QMessageBox::Critical, QStringLiteral("История паспорта"),
                 QStringLiteral("Версию восстановить не удалось: ") + QString::fromUtf8(e.what()));
  }
  lock->Unlock();
  // Even a restore that failed half-way may have written a file.
  ReloadPassport(Scheme_->Time->Phase);
  Repaint();
  return restored;
}

void TMainForm::CompareVersion(const std::string& passport, const std::string& rev) {
  SettleVersions();
  // Shown from the modal conflict question, so modal itself.
  QDialog dialog(this);
  dialog.setObjectName(QStringLiteral("VersionCompareDialog"));
  dialog.setWindowTitle(QStringLiteral("Сравнение версий"));
  auto* layout = new QVBoxLayout(&dialog);
  auto* sides = new QLabel(&dialog);
  sides->setTextFormat(Qt::PlainText);
  layout->addWidget(sides);
  auto* panel = new TComparePanel(&dialog);
  layout->addWidget(panel, 1);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, &dialog);
  connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  layout->addWidget(buttons);
  try {
    const TDbRepository repo = TDbRepository::OpenExisting(DatabaseDir_);
    sides->setText(QStringLiteral("Было: версия общей базы %1   →   стало: ваш паспорт").arg(Qs(rev.substr(0, 10))));
    panel->Compare(ReadPassportAt(repo, passport, rev), ReadWorkingPassport(repo, passport));
  } catch (const std::exception& e) {
    sides->setText(QStringLiteral("Версию прочитать не удалось: ") + QString::fromUtf8(e.what()));
  }
  dialog.resize(1000, 640);
  ExecModal(dialog);
}

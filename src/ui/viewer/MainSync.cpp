// "Синхронизировать базу" and "Сделать базу общей…": the versioned database
// from the viewer's "Файл" menu.
#include <QApplication>
#include <QInputDialog>
#include <QMenu>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPushButton>
#include <algorithm>

#include "Database.h"
#include "MainForm.h"
#include "ViewerVersions.h"
#include "history/Author.h"
#include "history/Record.h"
#include "history/Sync.h"
#include "model/SVObject.h"
#include "plan/SVtime.h"
#include "platform/IniFile.h"
#include "platform/TextFile.h"
#include "qt/Modal.h"
#include "store/OpenPassport.h"

namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }

const char* StageText(TSyncStage stage) {
  switch (stage) {
    case TSyncStage::Recording: return "Запись изменённых паспортов…";
    case TSyncStage::Fetching: return "Получение изменений общей базы…";
    case TSyncStage::Merging: return "Объединение паспортов…";
    case TSyncStage::Writing: return "Запись полученных паспортов…";
    case TSyncStage::Moved: return "Запись полученных паспортов…";
    case TSyncStage::Pushing: return "Отправка изменений в общую базу…";
    case TSyncStage::Done: return "Готово";
  }
  return "";
}

int StageValue(TSyncStage stage) {
  switch (stage) {
    case TSyncStage::Recording: return 10;
    case TSyncStage::Fetching: return 30;
    case TSyncStage::Merging: return 55;
    case TSyncStage::Writing: return 65;
    case TSyncStage::Moved: return 75;
    case TSyncStage::Pushing: return 85;
    case TSyncStage::Done: return 100;
  }
  return 0;
}

QString Names(const std::vector<std::string>& ids) {
  QStringList l;
  for (const std::string& id : ids) l << Q(PassportNumberText(id));
  return l.isEmpty() ? QStringLiteral("нет") : l.join(QStringLiteral(", "));
}

}  // namespace

TPrefer TMainForm::AskConflict(const TSyncConflict& c) {
  const QString who = c.OtherAuthor.empty() ? QString() : Q(c.OtherAuthor) + QStringLiteral(", ") + Q(c.OtherDate);
  for (;;) {
    QMessageBox box(QMessageBox::Question, QStringLiteral("Синхронизация базы"),
                    QStringLiteral("Паспорт СО № %1 изменён и у вас, и в общей базе (%2).")
                        .arg(Q(PassportNumberText(c.Passport)), who),
                    QMessageBox::NoButton, this);
    QPushButton* mine = box.addButton(QStringLiteral("Оставить ваш"), QMessageBox::AcceptRole);
    QPushButton* theirs = box.addButton(QStringLiteral("Взять из общей базы"), QMessageBox::RejectRole);
    QPushButton* compare = box.addButton(QStringLiteral("Сравнить…"), QMessageBox::HelpRole);
    box.setDefaultButton(mine);
    box.setEscapeButton(mine);
    ExecModal(box);
    if (box.clickedButton() == theirs) return TPrefer::Theirs;
    if (box.clickedButton() != compare) return TPrefer::Mine;
    if (CompareVersions_) {
      CompareVersions_(c.Passport, c.Other);
    } else {
      MessageBoxOk(this, QMessageBox::Information, QStringLiteral("Сравнение версий"),
                               QStringLiteral("Версия общей базы: %1.\nОна останется в истории паспорта при любом "
                                              "ответе; её можно сравнить и восстановить в окне «История паспорта…».")
                                   .arg(Q(c.Other)));
    }
  }
}

void TMainForm::SetVersionComparer(std::function<void(const std::string&, const std::string&)> compare) {
  CompareVersions_ = std::move(compare);
}

void TMainForm::CreateSyncEntries(QMenu* file) {
  auto* sync = new QAction(QStringLiteral("С&инхронизировать базу"), file);
  sync->setObjectName(QStringLiteral("SyncDatabaseAction"));
  auto* share = new QAction(QStringLiteral("С&делать базу общей…"), file);
  share->setObjectName(QStringLiteral("ShareDatabaseAction"));
  file->insertAction(Menu_.Exit, sync);
  file->insertAction(Menu_.Exit, share);
  file->insertSeparator(Menu_.Exit);
  connect(sync, &QAction::triggered, this, &TMainForm::SyncDatabaseClick);
  connect(share, &QAction::triggered, this, &TMainForm::ShareDatabaseClick);
}

bool TMainForm::ReloadSyncedPassport(const std::vector<std::string>* received) {
  if (!Scheme_) return false;
  const bool written =
      received ? std::find(received->begin(), received->end(), Scheme_->StoreId) != received->end()
               : InfoStamp_.ChangedOnDisk() || !(TFileStamp(PassportRevision(*Scheme_, TPassportFile::Map)) == MapStamp_);
  if (!written) return false;
  ReloadPassport(Scheme_->Time->Phase);
  Repaint();
  return true;
}

void TMainForm::SyncDatabaseClick() {
  // The information edited and not yet saved is saved now, so that the sync
  // records it; a passport the sync brings is then read again without
  // losing anything. "Отмена" leaves the sync for later.
  if (!ConfirmInfoReload()) return;
  SettleVersions();
  QProgressDialog progress(QStringLiteral("Синхронизация базы…"), QString(), 0, 100, this);
  progress.setWindowTitle(QStringLiteral("Синхронизация базы"));
  progress.setWindowModality(Qt::WindowModal);
  progress.setMinimumDuration(0);
  progress.setValue(0);
  TSyncOptions options;
  options.Record = ViewerRecordOptions();
  options.Progress = [&](TSyncStage stage, int) {
    progress.setLabelText(QString::fromUtf8(StageText(stage)));
    progress.setValue(StageValue(stage));
    QApplication::processEvents();
  };
  options.Decide = [this](const TSyncConflict& c) { return AskConflict(c); };
  try {
    const TSyncResult r = DbSync(DatabaseDir_, options);
    progress.setValue(100);
    QString text = QStringLiteral("Записаны ваши изменения паспортов: %1.\nПолучены из общей базы: %2.\n"
                                  "Отправлены в общую базу: %3.")
                       .arg(Names(r.Recorded), Names(r.Received), Names(r.Sent));
    for (const TSyncConflict& c : r.Conflicts)
      text += QStringLiteral("\nПаспорт СО № %1: %2; другая версия осталась в истории.")
                  .arg(Q(PassportNumberText(c.Passport)),
                       c.Kept == TPrefer::Mine ? QStringLiteral("оставлен ваш") : QStringLiteral("взят из общей базы"));
    if (ReloadSyncedPassport(&r.Received))
      text += QStringLiteral("\nОткрытый паспорт СО № %1 обновлён из общей базы.").arg(Q(PassportNumberText(Scheme_->StoreId)));
    MessageBoxOk(this, QMessageBox::Information, QStringLiteral("Синхронизация базы"), text);
  } catch (const std::exception& e) {
    progress.cancel();
    QString text = QStringLiteral("Синхронизация не удалась; ваши изменения сохранены.\n") + QString::fromUtf8(e.what());
    // What the sync already wrote is shown rather than saved over later.
    if (ReloadSyncedPassport(nullptr))
      text += QStringLiteral("\nОткрытый паспорт СО № %1 прочитан заново: синхронизация успела обновить его файлы.")
                  .arg(Q(PassportNumberText(Scheme_->StoreId)));
    MessageBoxOk(this, QMessageBox::Warning, QStringLiteral("Синхронизация базы"), text);
  }
}

void TMainForm::ShareDatabaseClick() {
  bool ok = false;
  const QString url = QInputDialog::getText(
      this, QStringLiteral("Сделать базу общей"),
      QStringLiteral("База будет хранить версии каждого паспорта.\n"
                     "Адрес общей базы (папка или адрес сервера; можно оставить пустым):"),
      QLineEdit::Normal, QString(), &ok);
  if (!ok) return;
  try {
    const std::string remote = url.trimmed().toStdString();
    DbInit(DatabaseDir_, remote.empty() ? std::nullopt : std::optional<std::string>(remote), ViewerRecordOptions());
    MessageBoxOk(this, QMessageBox::Information, QStringLiteral("Сделать базу общей"),
                             remote.empty() ? QStringLiteral("База теперь хранит версии паспортов.")
                                            : QStringLiteral("База хранит версии паспортов и опубликована: %1").arg(url));
  } catch (const std::exception& e) {
    MessageBoxOk(this, QMessageBox::Warning, QStringLiteral("Сделать базу общей"), QString::fromUtf8(e.what()));
  }
}

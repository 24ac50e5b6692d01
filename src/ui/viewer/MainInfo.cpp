// The main window and the passport information: its table dialogs of the
// change log, equipment and tram heads, saving it, and guarding unsaved edits.
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>

#include "Database.h"
#include "MainForm.h"
#include "model/SVObject.h"
#include "plan/SVInfo.h"
#include "platform/IniFile.h"
#include "platform/Messages.h"
#include "qt/FileStamp.h"
#include "qt/Modal.h"
#include "qt/QtMessages.h"
#include "qt/Questions.h"
#include "ui/tables/TexFormUnit.h"
#include "ui/tables/TramSchemeFormUnit.h"
#include "ui/tables/complFormUnit.h"
#include "store/PassportStore.h"

namespace {

// Whether info.txt reads to its end, found by reading it once more without
// showing its messages again.
bool InfoReadsWhole(const TSVObject& scheme) {
  TMessageCapture quiet;
  TSVInfo probe(nullptr, scheme.Dir);
  if (!scheme.Store) return probe.LoadAll();
  return probe.LoadFrom([&] { return scheme.Store->Read(scheme.StoreId, TPassportFile::Info, TMissingFile::ReadEmpty); });
}

}  // namespace

void TMainForm::CreateInfoEntries(QMenu* object) {
  TMainMenu& m = Menu_;
  for (QAction* entry : {m.ChangeTable, m.EquipmentTable, m.TramHeads}) {
    entry->setProperty("available", true);
    entry->setEnabled(true);
  }
  object->addSeparator();
  m.SaveInfo = object->addAction(QStringLiteral("&Сохранить информацию о СО"));
  m.SaveInfo->setProperty("available", true);
  m.SaveInfo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
  connect(m.ChangeTable, &QAction::triggered, this, &TMainForm::ChangeTableClick);
  connect(m.EquipmentTable, &QAction::triggered, this, &TMainForm::EquipmentTableClick);
  connect(m.TramHeads, &QAction::triggered, this, &TMainForm::TramHeadsClick);
  connect(m.SaveInfo, &QAction::triggered, this, [this] { SaveInfo(); });
}

void TMainForm::ChangeTableClick() {
  if (Scheme_ && ChangeForm()->Execute(*Scheme_->Info)) InfoChanged();
}

void TMainForm::EquipmentTableClick() {
  if (Scheme_ && EquipmentForm()->Execute(*Scheme_->Info)) InfoChanged();
}

void TMainForm::TramHeadsClick() {
  if (Scheme_ && TramSchemeForm()->Execute(*Scheme_->Info)) InfoChanged();
}

void TMainForm::InfoChanged() {
  if (Scheme_) setWindowTitle(TitleShown());
}

void TMainForm::InfoRead() {
  if (!Scheme_) return;
  // What was read replaces whatever was unsaved.
  Scheme_->Info->Modified = false;
  InfoStamp_.Take(QString::fromStdString(Scheme_->Info->FileName), InfoReadsWhole(*Scheme_));
  InfoChanged();
}

bool TMainForm::SaveInfo() {
  if (!Scheme_) return false;
  const QString path = QString::fromStdString(Scheme_->Info->FileName);
  if (InfoStamp_.ChangedOnDisk()) {
    if (!MayOverwrite(this, path, InfoStamp_.Read())) return false;
  } else if (!InfoStamp_.ReadWhole()) {
    if (!AskReplace(this, ApplicationTitle(), InfoStamp_.PartlyReadQuestion())) return false;
  }
  if (!Scheme_->Info->SaveAll()) return false;
  InfoStamp_.Take(QString::fromStdString(Scheme_->Info->FileName), true);
  InfoChanged();
  return true;
}

bool TMainForm::ConfirmInfoReload() {
  if (!Scheme_ || !Scheme_->Info->Modified) return true;
  TPassportStore* store = Scheme_->Store.get();
  const bool versions = store && store->KeepsVersions();
  QString comment;
  switch (AskSaveYesNoCancel(this, ApplicationTitle(), QStringLiteral("Сохранить изменения информации о СО?"),
                             versions ? &comment : nullptr)) {
    case QMessageBox::Yes:
      if (versions) store->SetNextComment(comment.toStdString());
      if (SaveInfo()) return true;
      // Not saved: the comment must not go with some later save.
      if (versions) store->SetNextComment(std::string());
      return false;
    case QMessageBox::No:
      return true;
    default:
      return false;
  }
}

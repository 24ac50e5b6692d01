// The editor window's files: the base picture or survey plan, saving the scheme, and the
// question about unsaved edits when the window closes.
#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>

#include "BaseImageFile.h"
#include "EditFormUnit.h"
#include "base/DxfBaseReader.h"
#include "edit/EditSession.h"
#include "model/SVObject.h"
#include "qt/Modal.h"
#include "qt/Questions.h"
#include "store/PassportStore.h"

namespace {

enum class TCloseAnswer { Save, Discard, Stay };

// In a database that keeps versions the question also takes the comment of
// the version the save makes.
TCloseAnswer AskSaveChanges(QWidget* parent, TPassportStore* store) {
  QString comment;
  const bool versions = store && store->KeepsVersions();
  switch (AskSaveYesNoCancel(parent, TEditForm::Caption(), QStringLiteral("Сохранить изменения?"),
                             versions ? &comment : nullptr)) {
    case QMessageBox::Yes:
      if (versions) store->SetNextComment(comment.toStdString());
      return TCloseAnswer::Save;
    case QMessageBox::No:
      return TCloseAnswer::Discard;
    default:
      return TCloseAnswer::Stay;
  }
}

}  // namespace

QString TEditForm::MapPath() const { return Scheme_ ? QString::fromStdString(Scheme_->Dir + "map.txt") : QString(); }

void TEditForm::LoadBaseClick() {
  QFileDialog dialog(this, QStringLiteral("Загрузить основу"));
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setFileMode(QFileDialog::ExistingFile);
  dialog.setDefaultSuffix(QStringLiteral("bmp"));
  dialog.setNameFilter(BaseImageFilter());
  if (ExecModal(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
  LoadBaseFile(dialog.selectedFiles().front());
}

bool TEditForm::LoadBaseFile(const QString& path) {
  if (!Session_) return false;
  if (IsDxfPath(path.toStdString())) return LoadBaseDrawing(path);
  TRasterImage image;
  QString reason;
  // A photograph of ten thousand pixels a side takes seconds to decode.
  QApplication::setOverrideCursor(Qt::WaitCursor);
  const bool read = ReadBaseImage(path, image, reason);
  QApplication::restoreOverrideCursor();
  if (!read) {
    MessageBoxOk(this, QMessageBox::Critical, QStringLiteral("Ошибка"), BaseImageError(path, reason));
    return false;
  }
  Run([&](TEditSession& s) { s.LoadBase(std::move(image)); });
  return true;
}

bool TEditForm::LoadBaseDrawing(const QString& path) {
  TBaseDrawing drawing;
  std::string reason;
  QApplication::setOverrideCursor(Qt::WaitCursor);
  const bool read = ReadDxfBase(QFile::encodeName(path).toStdString(), drawing, reason);
  QApplication::restoreOverrideCursor();
  if (!read) {
    MessageBoxOk(this, QMessageBox::Critical, QStringLiteral("Ошибка"),
                 BaseImageError(path, QString::fromStdString(reason)));
    return false;
  }
  const std::string skipped = drawing.SkippedMessage();
  Run([&](TEditSession& s) { s.LoadBase(std::move(drawing)); });
  // What the plan holds beyond lines, arcs and texts is not under the
  // scheme; the surveyor should know before relying on it.
  if (!skipped.empty())
    MessageBoxOk(this, QMessageBox::Information, QStringLiteral("Основа"), QString::fromStdString(skipped));
  return true;
}

bool TEditForm::SaveClick() {
  if (!Session_) return false;
  const QString path = MapPath();
  // Someone else may have saved this passport since it was read; their
  // scheme is not replaced without asking.
  if (!MayOverwrite(this, path, MapStamp_)) return false;
  const bool saved = Session_->Save();
  if (saved) MapStamp_ = TFileStamp::Of(path);
  Sync();
  return saved;
}

void TEditForm::reject() {
  if (Session_ && Session_->Changed()) {
    switch (AskSaveChanges(this, Scheme_ ? Scheme_->Store.get() : nullptr)) {
      case TCloseAnswer::Save:
        // A save that did not happen keeps the window and the edits (and
        // lets the version's comment go with it).
        if (!SaveClick()) {
          if (Scheme_ && Scheme_->Store) Scheme_->Store->SetNextComment(std::string());
          return;
        }
        break;
      case TCloseAnswer::Discard:
        break;
      case TCloseAnswer::Stay:
        return;
    }
  }
  if (Session_) Session_->Close();
  EdgeTimer_.stop();
  Sync();
  QDialog::reject();
}

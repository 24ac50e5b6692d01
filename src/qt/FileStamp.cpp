#include "FileStamp.h"

#include <QAbstractButton>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>

#include "Modal.h"

TFileStamp TFileStamp::Of(const QString& path) {
  TFileStamp s;
  const QFileInfo info(path);
  if (!info.exists()) return s;
  s.Exists_ = true;
  s.Modified_ = info.lastModified();
  s.Size_ = info.size();
  return s;
}

QString ChangedOnDiskQuestion(const QString& path, const TFileStamp& now) {
  return QStringLiteral("Файл %1 был изменён на диске %2, после того как программа его прочитала (возможно, "
                        "другим пользователем). Записать свои изменения поверх него?")
      .arg(QDir::toNativeSeparators(path), now.Modified().toString(QStringLiteral("dd.MM.yyyy в HH:mm:ss")));
}

bool MayOverwrite(QWidget* parent, const QString& path, const TFileStamp& read) {
  const TFileStamp now = TFileStamp::Of(path);
  if (now == read || !now.Exists()) return true;
  QMessageBox box(QMessageBox::Warning, QStringLiteral("Файл изменён"), ChangedOnDiskQuestion(path, now),
                  QMessageBox::Yes | QMessageBox::No, parent);
  box.button(QMessageBox::Yes)->setText(QStringLiteral("Да"));
  box.button(QMessageBox::No)->setText(QStringLiteral("Нет"));
  // Keeping the other user's file is the safe answer.
  box.setDefaultButton(QMessageBox::No);
  box.setEscapeButton(QMessageBox::No);
  return ExecModal(box) == QMessageBox::Yes;
}

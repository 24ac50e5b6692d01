#include "FileStamp.h"

#include <QDir>

#include "Questions.h"
#include "store/FolderStore.h"

TFileStamp TFileStamp::Of(const QString& path) { return TFileStamp(FileRevision(path.toStdString())); }

QDateTime TFileStamp::Modified() const {
  if (!Revision_.Exists) return QDateTime();
  return QDateTime::fromMSecsSinceEpoch(Revision_.ModifiedNs / 1000000);
}

QString ChangedOnDiskQuestion(const QString& path, const TFileStamp& now) {
  return QStringLiteral("Файл %1 был изменён на диске %2, после того как программа его прочитала (возможно, "
                        "другим пользователем). Записать свои изменения поверх него?")
      .arg(QDir::toNativeSeparators(path), now.Modified().toString(QStringLiteral("dd.MM.yyyy в HH:mm:ss")));
}

bool MayOverwrite(QWidget* parent, const QString& path, const TFileStamp& read) {
  const TFileStamp now = TFileStamp::Of(path);
  if (now == read || !now.Exists()) return true;
  // Keeping the other user's file is the safe answer.
  return AskReplace(parent, QStringLiteral("Файл изменён"), ChangedOnDiskQuestion(path, now));
}

#include "InfoFileStamp.h"

#include <QCryptographicHash>
#include <QFile>
#include <QDir>
#include <QFileInfo>

QByteArray TInfoFileStamp::Digest(const QString& path, bool& exists) {
  QFile file(path);
  exists = file.open(QIODevice::ReadOnly);
  if (!exists) return {};
  QCryptographicHash hash(QCryptographicHash::Sha256);
  hash.addData(&file);
  return hash.result();
}

void TInfoFileStamp::Take(const QString& path, bool readWhole) {
  Path_ = path;
  ReadWhole_ = readWhole;
  Digest_ = Digest(path, Existed_);
}

bool TInfoFileStamp::ChangedOnDisk() const {
  if (Path_.isEmpty()) return false;
  bool exists = false;
  const QByteArray now = Digest(Path_, exists);
  // The modification time alone would miss a change within its resolution.
  return exists != Existed_ || now != Digest_;
}

QString TInfoFileStamp::ChangedQuestion() const {
  const QFileInfo file(Path_);
  if (!file.exists())
    return QStringLiteral("Файл %1 удалён с диска после того, как информация о СО была считана. "
                          "Записать информацию о СО в этот файл?")
        .arg(QDir::toNativeSeparators(Path_));
  return QStringLiteral("Файл %1 изменён на диске %2 после того, как информация о СО была считана. "
                        "Записать информацию о СО поверх него?")
      .arg(QDir::toNativeSeparators(Path_), file.lastModified().toString(QStringLiteral("dd.MM.yyyy в HH:mm:ss")));
}

QString TInfoFileStamp::PartlyReadQuestion() const {
  return QStringLiteral("Файл %1 был считан не полностью из-за ошибки в нём. При записи информации о СО всё, "
                        "что в файле после места ошибки, будет потеряно. Записать информацию о СО?")
      .arg(QDir::toNativeSeparators(Path_));
}

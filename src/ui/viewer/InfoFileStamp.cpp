#include "InfoFileStamp.h"

#include <QDir>

void TInfoFileStamp::Take(const QString& path, bool readWhole) {
  Path_ = path;
  Read_ = TFileStamp::Of(path);
  ReadWhole_ = readWhole;
}

QString TInfoFileStamp::PartlyReadQuestion() const {
  return QStringLiteral("Файл %1 был считан не полностью из-за ошибки в нём. При записи информации о СО всё, "
                        "что в файле после места ошибки, будет потеряно. Записать информацию о СО?")
      .arg(QDir::toNativeSeparators(Path_));
}

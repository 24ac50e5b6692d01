#include "Database.h"

#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <charconv>

#include "platform/IniFile.h"
#include "platform/ProgramDir.h"
#include "platform/UserDatabase.h"

namespace {
bool Writable(const QString& path) { return ::access(QFile::encodeName(path).constData(), W_OK) == 0; }
}  // namespace

std::string ConfigFilePath() {
  const QString beside = QString::fromStdString(ProgramDir() + "config.ini");
  const bool exists = QFileInfo::exists(beside);
  // An installed program's directory is shared by every user of the machine
  // (and writable only to the administrator): settings never go there.
  if (!ProgramInstalled() &&
      ((exists && Writable(beside)) || (!exists && Writable(QString::fromStdString(ProgramDir())))))
    return beside.toStdString();
  const QString dir = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
  QDir().mkpath(dir);
  const QString user = dir + QStringLiteral("/config.ini");
  if (exists && !QFileInfo::exists(user)) QFile::copy(beside, user);
  return user.toStdString();
}

std::string LocalDatabaseDir() {
  if (!ProgramInstalled()) return ProgramDir() + "Data/";
  const std::string documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation).toStdString();
  // With no home to copy into, the installed sample is at least there to look at.
  if (documents.empty()) return ProgramDir() + "Data/";
  const std::string dir = UserDatabaseDir(documents);
  CopyDatabaseOnce(ProgramDir() + "Data/", dir);
  return dir;
}

std::string DatabaseDirOfChoice(bool local, const std::string& dataBaseDir) {
  if (local) return LocalDatabaseDir();
  if (QString::fromStdString(dataBaseDir).trimmed().isEmpty()) return std::string();
  return WithTrailingSep(dataBaseDir);
}

std::string DatabaseDirFromConfig(const TIniFile& config) {
  const bool local = config.ReadBool("DataBase", "LocalData", true);
  // The user's copy of the sample is made only when it is the database asked for.
  if (!local && !config.ValueExists("DataBase", "DataBaseDir")) return LocalDatabaseDir();
  return DatabaseDirOfChoice(local, config.ReadString("DataBase", "DataBaseDir", std::string()));
}

// The viewer enters the database, lists it for the passport chooser and
// reads the passports in it; a directory that allows less is no database.
bool DatabaseDirUsable(const std::string& dir) {
  if (dir.empty()) return false;
  const QFileInfo info(QString::fromStdString(dir));
  return info.isDir() && info.isExecutable() && info.isReadable();
}

namespace {
// `dir` or, when it is missing, the nearest directory above it that exists;
// empty when none does below the root.
QString ExistingOrAbove(const QString& dir) {
  if (dir.trimmed().isEmpty()) return QString();
  QString path = QDir::cleanPath(QDir(dir).absolutePath());
  while (!QFileInfo(path).isDir()) {
    const QString up = QFileInfo(path).path();
    if (up == path) return QString();
    path = up;
  }
  return QDir(path).isRoot() ? QString() : path;
}
}  // namespace

QString BrowseStartDir(const QString& typed, const std::string& current) {
  const QString database = QString::fromStdString(current);
  for (const QString& dir : {typed, database})
    if (!dir.trimmed().isEmpty() && QFileInfo(dir).isDir()) return QDir::cleanPath(QDir(dir).absolutePath());
  for (const QString& dir : {typed, database})
    if (const QString near = ExistingOrAbove(dir); !near.isEmpty()) return near;
  return QDir::homePath();
}

bool IsValidPassportNumber(const QString& number) {
  if (number.isEmpty() || number.size() > 5) return false;
  for (const QChar c : number)
    if (!c.isLetter() && !c.isDigit()) return false;
  return true;
}

std::string PassportDir(const std::string& databaseDir, const QString& number) {
  return WithTrailingSep(databaseDir) + "svo" + number.toStdString() + "/";
}

std::string FormatLastTramscale(double realScale) {
  // The file keeps the point whatever locale the program runs under, so
  // not printf, which the user's locale would give a comma.
  char buf[400];  // the largest double in fixed notation
  const std::to_chars_result r = std::to_chars(buf, buf + sizeof buf, realScale, std::chars_format::fixed, 3);
  return std::string(buf, r.ptr);
}

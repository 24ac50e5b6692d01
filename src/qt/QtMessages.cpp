#include "QtMessages.h"

#include <QApplication>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

#include "Modal.h"

namespace {
QString& Title() {
  static QString title;
  return title;
}
}  // namespace

void SetApplicationTitle(const QString& title) { Title() = title; }

QString ApplicationTitle() { return Title(); }

void TQtMessageSink::Show(TMessageSeverity severity, const std::string& text) {
  const bool error = severity == TMessageSeverity::Error;
  const QString title = error ? QStringLiteral("Ошибка") : ApplicationTitle();
  MessageBoxOk(QApplication::activeWindow(), error ? QMessageBox::Critical : QMessageBox::Information, title,
               QString::fromStdString(text));
}

TQtSoundSink::TQtSoundSink() {
  for (const char* name : {"paplay", "aplay", "pw-play"}) {
    Player_ = QStandardPaths::findExecutable(QString::fromLatin1(name));
    if (!Player_.isEmpty()) break;
  }
}

void TQtSoundSink::PlayWave(const std::string& path) {
  const QString file = QString::fromStdString(path);
  if (Player_.isEmpty() || !QFileInfo::exists(file)) return;
  QStringList args;
  if (Player_.endsWith(QStringLiteral("aplay"))) args << QStringLiteral("-q");
  args << file;
  QProcess::startDetached(Player_, args);
}

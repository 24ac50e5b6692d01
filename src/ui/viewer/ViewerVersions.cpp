#include "ViewerVersions.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QPointer>
#include <QWidget>

#include "Database.h"
#include "history/ChangeSummary.h"
#include "platform/IniFile.h"
#include "qt/Modal.h"
#include "qt/QtMessages.h"

TRecordOptions ViewerRecordOptions() {
  TRecordOptions o;
  o.Author = AuthorFromConfig(TIniFile(ConfigFilePath()));
  o.Summarizer = ChangeSummary;
  return o;
}

TVersionRecorder::TFailureHandler ViewerRecordingFailure(QWidget* parent) {
  QPointer<QWidget> owner(parent);
  return [owner](const std::string& message) {
    QMetaObject::invokeMethod(
        QCoreApplication::instance(),
        [owner, message] {
          MessageBoxOk(owner, QMessageBox::Warning, ApplicationTitle(),
                       QString::fromStdString(message) +
                           QStringLiteral("\nПравки не потеряны: версия будет записана при синхронизации базы."));
        },
        Qt::QueuedConnection);
  };
}

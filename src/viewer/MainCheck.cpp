// The main window's entries for checking passports: the database overview
// in the menu "Файл" and the check of the passport shown in the menu
// "Светофорный объект". Both windows are made on first use and kept.
#include <QMenu>

#include "CheckFormUnit.h"
#include "DatabaseFormUnit.h"
#include "main.h"
#include "qt/ScreenFit.h"

void TMainForm::CreateCheckEntries(QMenu* file, QMenu* object) {
  auto* database = new QAction(QStringLiteral("&База светофорных объектов"), file);
  database->setObjectName(QStringLiteral("DatabaseWindowAction"));
  file->insertAction(Menu_.ExportTables, database);
  connect(database, &QAction::triggered, this, [this] {
    if (!DatabaseForm_) {
      DatabaseForm_ = new TDatabaseForm(this);
      DatabaseForm_->setObjectName(QStringLiteral("DatabaseForm"));
      DatabaseForm_->SetOpenHandler([this](const QString& number) { OpenPassport(number); });
    }
    DatabaseForm_->Load(DatabaseDir_);
    DatabaseForm_->show();
    KeepOnScreen(DatabaseForm_);
    DatabaseForm_->raise();
  });

  object->addSeparator();
  auto* check = object->addAction(QStringLiteral("Проверка п&аспорта…"));
  check->setObjectName(QStringLiteral("CheckPassportAction"));
  connect(check, &QAction::triggered, this, [this] {
    if (!CheckForm_) {
      CheckForm_ = new TCheckForm(this);
      CheckForm_->setObjectName(QStringLiteral("CheckForm"));
    }
    CheckForm_->Refresh();
    CheckForm_->show();
    KeepOnScreen(CheckForm_);
    CheckForm_->raise();
  });
}

#include "DataPathFormUnit.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "Database.h"
#include "PathFormUnit.h"
#include "platform/IniFile.h"
#include "qt/Modal.h"

TDataPathForm::TDataPathForm(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("Путь к базе данных"));
  // The subdirectory is named with the separator of the system's own paths.
  Local_ = new QRadioButton(
      QStringLiteral("База данных находится в подкаталоге %1Data%1 каталога  исполняемого файла").arg(QDir::separator()),
      this);
  Other_ = new QRadioButton(QStringLiteral("База данных находится в другом каталоге"), this);
  Edit_ = new QLineEdit(this);
  Edit_->setMinimumWidth(360);
  Browse_ = new QPushButton(QStringLiteral("Обзор"), this);
  auto* buttons = new QDialogButtonBox(this);
  buttons->addButton(QStringLiteral("Ok"), QDialogButtonBox::AcceptRole);
  buttons->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole);

  auto* row = new QHBoxLayout;
  row->addWidget(Edit_, 1);
  row->addWidget(Browse_);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(Local_);
  layout->addWidget(Other_);
  layout->addLayout(row);
  layout->addWidget(buttons);

  connect(Local_, &QRadioButton::clicked, this, &TDataPathForm::RadioClick);
  connect(Other_, &QRadioButton::clicked, this, &TDataPathForm::RadioClick);
  connect(Browse_, &QPushButton::clicked, this, &TDataPathForm::BrowseClick);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

void TDataPathForm::RadioClick() {
  const bool other = Other_->isChecked();
  Edit_->setEnabled(other);
  Browse_->setEnabled(other);
}

TPathForm* TDataPathForm::Browser() {
  if (!Browser_) Browser_ = new TPathForm(this);
  return Browser_;
}

void TDataPathForm::BrowseClick() {
  TPathForm* browser = Browser();
  browser->SetDirectory(BrowseStartDir(Edit_->text(), Current_));
  if (ExecModal(*browser) == QDialog::Accepted) Edit_->setText(browser->Directory());
}

bool TDataPathForm::Execute(TIniFile& config) {
  Current_ = DatabaseDirFromConfig(config);
  Edit_->setText(QString::fromStdString(config.ReadString("DataBase", "DataBaseDir", "")));
  const bool local = config.ReadBool("DataBase", "LocalData", true);
  Local_->setChecked(local);
  Other_->setChecked(!local);
  RadioClick();
  // A directory that is no database is never written: the configuration
  // keeps the one that worked, and the next start-up still finds it.
  while (ExecModal(*this) == QDialog::Accepted) {
    const std::string dir = Edit_->text().toStdString();
    if (DatabaseDirUsable(DatabaseDirOfChoice(Local_->isChecked(), dir))) {
      const bool dirWritten = config.WriteString("DataBase", "DataBaseDir", dir);
      const bool written = config.WriteBool("DataBase", "LocalData", Local_->isChecked()) && dirWritten;
      // The choice still holds for this session; the user must know that
      // the next start-up will not find it.
      if (!written)
        MessageBoxOk(this, QMessageBox::Warning, QStringLiteral("Ошибка"),
                     QStringLiteral("Не могу записать в файл %1. Путь к базе данных действует до конца работы программы.")
                         .arg(QString::fromStdString(config.FileName())));
      return true;
    }
    MessageBoxOk(this, QMessageBox::Critical, QStringLiteral("База данных не найдена."), QStringLiteral("Ошибка"));
  }
  return false;
}

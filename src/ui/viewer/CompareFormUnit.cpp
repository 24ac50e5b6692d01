#include "CompareFormUnit.h"

#include <QComboBox>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "ComparePanel.h"
#include "history/PassportFolder.h"
#include "store/FolderStore.h"

namespace {

QString Qs(const std::string& s) { return QString::fromStdString(s); }

std::string WithoutSeparator(std::string dir) {
  while (dir.size() > 1 && (dir.back() == '/' || dir.back() == '\\')) dir.pop_back();
  return dir;
}

}  // namespace

TCompareForm::TCompareForm(QWidget* parent) : QWidget(parent, Qt::Window) {
  setObjectName(QStringLiteral("CompareForm"));
  setWindowTitle(QStringLiteral("Сравнение паспортов"));
  auto* layout = new QVBoxLayout(this);
  auto* row = new QHBoxLayout;
  row->addWidget(new QLabel(QStringLiteral("Сравнить с паспортом:"), this));
  Choice_ = new QComboBox(this);
  Choice_->setObjectName(QStringLiteral("PassportChoice"));
  Choice_->setMinimumContentsLength(12);
  row->addWidget(Choice_);
  Folder_ = new QPushButton(QStringLiteral("Другая папка…"), this);
  Folder_->setObjectName(QStringLiteral("FolderButton"));
  row->addWidget(Folder_);
  row->addStretch(1);
  layout->addLayout(row);
  Sides_ = new QLabel(this);
  Sides_->setTextFormat(Qt::PlainText);
  layout->addWidget(Sides_);
  Panel_ = new TComparePanel(this);
  layout->addWidget(Panel_, 1);
  connect(Choice_, qOverload<int>(&QComboBox::activated), this, &TCompareForm::ChoiceChanged);
  connect(Folder_, &QPushButton::clicked, this, &TCompareForm::FolderClick);
  resize(1000, 640);
}

void TCompareForm::Load(const std::string& database, const std::string& passportDir) {
  Database_ = database;
  Passport_ = WithoutSeparator(passportDir);
  const std::string own = Passport_.substr(Passport_.find_last_of("/\\") + 1);
  Choice_->clear();
  Choice_->addItem(QStringLiteral("(не выбран)"));
  if (!database.empty())
    for (const std::string& id : TFolderStore(database).List().Passports)
      if (id != own) Choice_->addItem(Qs(id), Qs(TFolderStore(database).Location(id)));
  Sides_->setText(QStringLiteral("Открытый паспорт: ") + Qs(own));
  Panel_->Clear();
}

bool TCompareForm::CompareWith(const std::string& dir) {
  TPassportFiles other, open;
  std::string error;
  if (!ReadPassportFolder(dir, other, error) || !ReadPassportFolder(Passport_, open, error)) {
    Panel_->Clear();
    Sides_->setText(QStringLiteral("Не удалось прочитать: ") + Qs(error));
    return false;
  }
  Sides_->setText(QStringLiteral("Было: ") + Qs(other.id) + QStringLiteral(" (") + Qs(WithoutSeparator(dir)) +
                  QStringLiteral(")   →   стало: ") + Qs(open.id) + QStringLiteral(" (открытый)"));
  Panel_->Compare(other, open);
  return true;
}

void TCompareForm::ChoiceChanged(int index) {
  const QString dir = Choice_->itemData(index).toString();
  if (dir.isEmpty()) {
    Panel_->Clear();
    return;
  }
  CompareWith(dir.toStdString());
}

void TCompareForm::FolderClick() {
  const QString dir = QFileDialog::getExistingDirectory(this, QStringLiteral("Папка паспорта"), Qs(Database_));
  if (dir.isEmpty()) return;
  Choice_->setCurrentIndex(0);
  CompareWith(dir.toStdString());
}

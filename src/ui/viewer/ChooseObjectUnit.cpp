#include "ChooseObjectUnit.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

#include "Database.h"
#include "qt/Modal.h"

TChooseObjectForm::TChooseObjectForm(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("Выбор СО"));
  auto* label = new QLabel(QStringLiteral("Номер объекта:"), this);
  Edit_ = new QLineEdit(this);
  Edit_->setMaxLength(5);
  Edit_->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[\\p{L}\\p{Nd}]{0,5}")), Edit_));
  auto* note = new QLabel(QStringLiteral("(если СО не существует, он будет создан)"), this);
  Error_ = new QLabel(this);
  Error_->setStyleSheet(QStringLiteral("color: #c00000"));
  Error_->hide();
  auto* buttons = new QDialogButtonBox(this);
  Ok_ = buttons->addButton(QStringLiteral("Ok"), QDialogButtonBox::AcceptRole);
  buttons->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(label);
  layout->addWidget(Edit_);
  layout->addWidget(note);
  layout->addWidget(Error_);
  layout->addWidget(buttons);
  connect(buttons, &QDialogButtonBox::accepted, this, &TChooseObjectForm::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

QString TChooseObjectForm::Number() const { return Edit_->text().trimmed(); }

void TChooseObjectForm::accept() {
  if (!IsValidPassportNumber(Number())) {
    Error_->setText(QStringLiteral("Номер объекта - от 1 до 5 букв или цифр."));
    Error_->show();
    return;
  }
  QDialog::accept();
}

QString TChooseObjectForm::Execute() {
  Error_->hide();
  Edit_->selectAll();
  Edit_->setFocus();
  if (ExecModal(*this) != QDialog::Accepted) return QString();
  const QString number = Number();
  return IsValidPassportNumber(number) ? number : QString();
}

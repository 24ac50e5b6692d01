#include "PageLayFormUnit.h"

#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

#include "print/PageLayModel.h"
#include "print/SetPageModel.h"
#include "qt/Modal.h"

TPageLayForm::TPageLayForm(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("TPageLayForm"));
  setWindowTitle(QStringLiteral("Параметры страницы"));
  Margins.Create(this);
  auto* buttons = new QDialogButtonBox(this);
  buttons->addButton(QStringLiteral("Ok"), QDialogButtonBox::AcceptRole);
  buttons->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole);
  connect(buttons, &QDialogButtonBox::accepted, this, &TPageLayForm::OkClick);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* groups = new QHBoxLayout;
  groups->addWidget(Margins.Margins);
  groups->addWidget(Margins.Colons);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel(QStringLiteral("Параметры страницы по умолчанию:"), this));
  layout->addLayout(groups);
  layout->addWidget(buttons);
}

bool TPageLayForm::TakeEdits() {
  for (int i = 0; i < 6; ++i)
    Model_->SetText(kMarginEdits[i], Margins.Edits[static_cast<std::size_t>(i)]->text().toStdString());
  Stored_ = Model_->Press(TDialogButton::Ok) == mrOk;
  return Stored_;
}

void TPageLayForm::OkClick() {
  if (!Model_) return;
  if (TakeEdits())
    accept();
  else
    Margins.FocusFaulty(Model_->FaultyMargin);
}

int TPageLayForm::Execute(TIniFile& config) {
  TPageLayModel model;
  model.Fill(config);
  for (std::size_t i = 0; i < 6; ++i) Margins.Edits[i]->setText(QString::fromStdString(model.Texts[i]));
  Model_ = &model;
  Stored_ = false;
  bool stored = ExecModal(*this) == QDialog::Accepted;
  // A dialog accepted other than through "Ok" (a script's answer) still
  // stores only six numbers.
  if (stored && !Stored_) stored = TakeEdits();
  Model_ = nullptr;
  return stored ? mrOk : mrCancel;
}

#include "PlanGridDialog.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "PlanGridView.h"
#include "qt/Modal.h"
#include "tables/PlanGridForm.h"

TPlanGridDialog::TPlanGridDialog(QWidget* parent, const QStringList& rowButtons) : QDialog(parent) {
  Grid_ = new TPlanGridView(this);
  Bottom_ = new QHBoxLayout;
  auto* buttons = new QHBoxLayout;
  for (const QString& caption : rowButtons) {
    auto* b = new QPushButton(caption, this);
    b->setAutoDefault(false);
    connect(b, &QPushButton::clicked, this, [this, caption] { RowButtonClick(caption); });
    buttons->addWidget(b);
    Buttons_.append(b);
  }
  buttons->addStretch(1);
  auto* ok = new QPushButton(QStringLiteral("Ok"), this);
  ok->setDefault(true);
  auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
  cancel->setAutoDefault(false);
  buttons->addWidget(ok);
  buttons->addWidget(cancel);
  Buttons_.append(ok);
  Buttons_.append(cancel);
  connect(ok, &QPushButton::clicked, this, &TPlanGridDialog::OkClick);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(Grid_, 1);
  Bottom_->addLayout(buttons, 1);
  layout->addLayout(Bottom_);
}

TPlanGridDialog::~TPlanGridDialog() = default;

QPushButton* TPlanGridDialog::Button(const QString& caption) const {
  for (QPushButton* b : Buttons_)
    if (b->text() == caption) return b;
  return nullptr;
}

bool TPlanGridDialog::Execute(TSVInfo& info) {
  Model_ = CreateModel(info);
  setWindowTitle(QString::fromStdString(Model_->Caption()));
  Grid_->Show(*Model_);
  ShowFields();
  // As wide as the columns need, whatever share of the screen that takes.
  resize(sizeHint());
  const int result = ExecModal(*this);
  // The dialog keeps no hold on the information once it is closed.
  Grid_->Release();
  Model_.reset();
  return result == QDialog::Accepted;
}

void TPlanGridDialog::RowButtonClick(const QString& caption) {
  if (!Model_) return;
  Grid_->FinishEdit();
  if (Model_->PressButton(caption.toStdString())) Grid_->Refresh();
  Grid_->setFocus();
}

void TPlanGridDialog::OkClick() {
  if (!Model_) return;
  Grid_->FinishEdit();
  if (Model_->Press(TDialogButton::Ok) == mrOk) {
    accept();
    return;
  }
  // Refused: typing goes on in the entry that could not be taken.
  const TPlanGridForm::TBadEntry& bad = Model_->BadEntry();
  if (bad.Row > 0)
    Grid_->FocusCell(bad.Row, bad.Column);
  else if (!bad.Field.empty())
    FocusField(bad.Field);
}

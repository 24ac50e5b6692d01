#include "TexFormUnit.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "TextGridTable.h"
#include "plan/SVInfo.h"
#include "qt/Modal.h"

TtexForm::TtexForm(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("texForm"));
  setWindowTitle(QString::fromUtf8(TTexFormModel::Caption()));
  NaprGrid = new TTextGridView(this);
  NaprGrid->setObjectName(QStringLiteral("NaprGrid"));
  AddButton = new QPushButton(QString::fromUtf8(TTexFormModel::kAddCaption), this);
  DeleteButton = new QPushButton(QString::fromUtf8(TTexFormModel::kDeleteCaption), this);
  OkButton = new QPushButton(QStringLiteral("Ok"), this);
  CancelButton = new QPushButton(QStringLiteral("Cancel"), this);
  for (QPushButton* b : {AddButton, DeleteButton, OkButton, CancelButton}) b->setAutoDefault(false);
  OkButton->setDefault(true);

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(AddButton);
  buttons->addWidget(DeleteButton);
  buttons->addStretch(1);
  buttons->addWidget(OkButton);
  buttons->addWidget(CancelButton);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(NaprGrid, 1);
  layout->addLayout(buttons);

  connect(AddButton, &QPushButton::clicked, this, [this] { RowButtonClick(TTexFormModel::kAddCaption); });
  connect(DeleteButton, &QPushButton::clicked, this, [this] { RowButtonClick(TTexFormModel::kDeleteCaption); });
  connect(OkButton, &QPushButton::clicked, this, &TtexForm::OkClick);
  connect(CancelButton, &QPushButton::clicked, this, &TtexForm::reject);
}

TtexForm::~TtexForm() = default;

void TtexForm::Fill(TSVInfo& info, const QDate& today) {
  Model_ = std::make_unique<TTexFormModel>(info, ChangeLogDate(today.day(), today.month(), today.year()));
  NaprGrid->Show(Model_->Grid(), *Model_);
  AddButton->setEnabled(!Model_->Grid().Full());
}

bool TtexForm::Execute(TSVInfo& info, const QDate& today) {
  Fill(info, today);
  const bool stored = ExecModal(*this) == QDialog::Accepted;
  NaprGrid->Detach();
  Model_.reset();
  return stored;
}

void TtexForm::RowButtonClick(const char* caption) {
  if (!Model_ || !Model_->PressButton(caption)) return;
  NaprGrid->RowsChanged();
  AddButton->setEnabled(!Model_->Grid().Full());
  NaprGrid->setFocus();
}

void TtexForm::OkClick() {
  if (Model_ && Model_->Press(TDialogButton::Ok) == mrOk) accept();
}

void TtexForm::reject() {
  if (Model_) Model_->Press(TDialogButton::Cancel);
  QDialog::reject();
}

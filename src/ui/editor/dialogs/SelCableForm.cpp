#include "SelCableForm.h"

#include <QBoxLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

TSelCableForm::TSelCableForm(TSelCableFormModel& model, QWidget* parent)
    : TItemDialogView(model, true, parent), Form_(model) {
  setWindowTitle(Qs(model.Caption()));
  TypeGroup_ = AddGroup("typeGroup", QStringLiteral("Тип кабеля"), model.TypeGroup(), 1);
  TextField_ = MakeEdit("TextField");
  DownTextField_ = MakeEdit("DownTextField");
  TextField_->setMinimumWidth(180);
  Labels_[0] = new QLabel(QStringLiteral("Текст для кабеля:"), this);
  Labels_[1] = new QLabel(QStringLiteral("Над выноской:"), this);
  Labels_[2] = new QLabel(QStringLiteral("Под выноской:"), this);
  Labels_[1]->setBuddy(TextField_);
  Labels_[2]->setBuddy(DownTextField_);
  QFont bold = Labels_[0]->font();
  bold.setBold(true);
  Labels_[0]->setFont(bold);
  Ok_ = MakeButton(QStringLiteral("Ok"), TDialogButton::Ok, true);
  Cancel_ = MakeButton(QStringLiteral("Cancel"), TDialogButton::Cancel, false);

  auto* texts = new QVBoxLayout;
  texts->addWidget(Labels_[0]);
  texts->addSpacing(4);
  texts->addWidget(Labels_[1]);
  texts->addWidget(TextField_);
  texts->addSpacing(4);
  texts->addWidget(Labels_[2]);
  texts->addWidget(DownTextField_);
  texts->addStretch(1);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(Ok_);
  buttons->addWidget(Cancel_);
  texts->addLayout(buttons);
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(16, 12, 16, 12);
  layout->setSpacing(16);
  layout->addWidget(TypeGroup_->Box());
  layout->addLayout(texts, 1);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  Refresh();
}

void TSelCableForm::Refresh() {
  TypeGroup_->Mirror(Form_.TypeGroup());
  const bool texts = Form_.TextsEnabled();
  MirrorEdit(TextField_, Form_.UpperText(), texts);
  MirrorEdit(DownTextField_, Form_.LowerText(), texts);
  for (QLabel* label : Labels_) label->setEnabled(texts);
}


#include "StolbMenuForm.h"

#include <QBoxLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

TStolbMenuForm::TStolbMenuForm(TStolbMenuFormModel& model, QWidget* parent)
    : TItemDialogView(model, false, parent), Form_(model) {
  setWindowTitle(Qs(model.Caption()));
  // A small tool window with nothing but its close box.
  setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
  StolbType_ = AddGroup("StolbType", QStringLiteral("Выберите тип столба"), model.StolbTypeGroup(), 2);
  TextField_ = MakeEdit("TextField");
  Ok_ = MakeButton(QStringLiteral("Ok"), TDialogButton::Ok, true);
  Cancel_ = MakeButton(QStringLiteral("Cancel"), TDialogButton::Cancel, false);

  auto* label = new QLabel(QStringLiteral("Выноска: "), this);
  label->setBuddy(TextField_);
  auto* textRow = new QHBoxLayout;
  textRow->addWidget(label);
  textRow->addWidget(TextField_, 1);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(Ok_);
  buttons->addStretch(1);
  buttons->addWidget(Cancel_);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(16, 12, 16, 12);
  layout->addWidget(StolbType_->Box());
  layout->addLayout(textRow);
  layout->addSpacing(6);
  layout->addLayout(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  Refresh();
}

void TStolbMenuForm::Refresh() {
  StolbType_->Mirror(Form_.StolbTypeGroup());
  MirrorEdit(TextField_, Form_.Text());
}


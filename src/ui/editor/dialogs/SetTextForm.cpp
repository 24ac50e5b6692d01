#include "SetTextForm.h"

#include <QBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

TSetTextForm::TSetTextForm(TSetTextFormModel& model, QWidget* parent) : TItemDialogView(model, true, parent), Form_(model) {
  setWindowTitle(Qs(model.Caption()));
  TextField_ = MakeEdit("textfield");
  TextField_->setMinimumWidth(217);
  Ok_ = MakeButton(QStringLiteral("Ok"), TDialogButton::Ok, true);
  NoText_ = MakeButton(QStringLiteral("Без текста"), TDialogButton::Cancel, false);
  auto* label = new QLabel(QStringLiteral("Введите подпись к объекту :"), this);
  label->setBuddy(TextField_);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(Ok_);
  buttons->addSpacing(24);
  buttons->addWidget(NoText_);
  buttons->addStretch(1);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(24, 16, 24, 16);
  layout->addWidget(label);
  layout->addWidget(TextField_);
  layout->addSpacing(12);
  layout->addLayout(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  Refresh();
  // The previous text is offered selected: typing replaces it, an arrow
  // key keeps it.
  TextField_->selectAll();
}

void TSetTextForm::Refresh() { MirrorEdit(TextField_, Form_.Text()); }


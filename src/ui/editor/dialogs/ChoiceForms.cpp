// The two dialogs that are one radio group and their buttons.
#include <QBoxLayout>
#include <QGroupBox>
#include <QPushButton>

#include "SelArrowForm.h"
#include "SelLineForm.h"

namespace {
// The group above Ok and Cancel, both buttons right-aligned; wide enough
// for the whole caption to show in the title bar.
void LayOut(QDialog* dialog, QGroupBox* group, QPushButton* ok, QPushButton* cancel) {
  group->setMinimumWidth(dialog->fontMetrics().horizontalAdvance(dialog->windowTitle()) + 64);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(ok);
  buttons->addWidget(cancel);
  auto* layout = new QVBoxLayout(dialog);
  layout->setContentsMargins(16, 12, 16, 12);
  layout->addWidget(group);
  layout->addSpacing(6);
  layout->addLayout(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}
}  // namespace

TSelArrowForm::TSelArrowForm(TSelArrowFormModel& model, QWidget* parent)
    : TItemDialogView(model, true, parent), Form_(model) {
  setWindowTitle(Qs(model.Caption()));
  ArrowGroup_ = AddGroup("ArrowGroup", QStringLiteral("Стрелка"), model.ArrowGroup(), 1);
  Ok_ = MakeButton(QStringLiteral("Ok"), TDialogButton::Ok, true);
  Cancel_ = MakeButton(QStringLiteral("Cancel"), TDialogButton::Cancel, false);
  LayOut(this, ArrowGroup_->Box(), Ok_, Cancel_);
  Refresh();
}

void TSelArrowForm::Refresh() { ArrowGroup_->Mirror(Form_.ArrowGroup()); }

TSelLineForm::TSelLineForm(TSelLineFormModel& model, QWidget* parent)
    : TItemDialogView(model, true, parent), Form_(model) {
  setWindowTitle(Qs(model.Caption()));
  TypeGroup_ = AddGroup("TypeGroup", QStringLiteral("Тип линии:"), model.TypeGroup(), 1);
  Ok_ = MakeButton(QStringLiteral("Ok"), TDialogButton::Ok, true);
  Cancel_ = MakeButton(QStringLiteral("Cancel"), TDialogButton::Cancel, false);
  LayOut(this, TypeGroup_->Box(), Ok_, Cancel_);
  Refresh();
}

void TSelLineForm::Refresh() { TypeGroup_->Mirror(Form_.TypeGroup()); }


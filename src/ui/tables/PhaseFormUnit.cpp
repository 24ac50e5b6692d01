#include "PhaseFormUnit.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

#include "tables/PhaseFormModel.h"

TPhaseForm::TPhaseForm(QWidget* parent)
    : TPlanGridDialog(parent, {QStringLiteral("Добавить"), QStringLiteral("Удалить")}) {
  setObjectName(QStringLiteral("PhaseForm"));
  Tkk_ = new QLineEdit(this);
  Tkk_->setObjectName(QStringLiteral("TkkField"));
  Tkk_->setMaximumWidth(60);
  auto* label = new QLabel(QStringLiteral("T кк"), this);
  label->setBuddy(Tkk_);
  BottomRow()->insertWidget(0, label);
  BottomRow()->insertWidget(1, Tkk_);
  BottomRow()->insertSpacing(2, 16);
  connect(Tkk_, &QLineEdit::textEdited, this, [this](const QString& text) {
    if (Model_) Model_->SetText("TkkField", text.toStdString());
  });
}

std::unique_ptr<TPlanGridForm> TPhaseForm::CreateModel(TSVInfo& info) { return std::make_unique<TPhaseFormModel>(info); }

void TPhaseForm::ShowFields() {
  Tkk_->setText(QString::fromStdString(static_cast<TPhaseFormModel&>(*Model_).TkkField()));
}

void TPhaseForm::FocusField(const std::string& control) {
  if (control != "TkkField") return;
  Tkk_->setFocus();
  Tkk_->selectAll();
}

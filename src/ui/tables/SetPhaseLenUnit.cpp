#include "SetPhaseLenUnit.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QSpinBox>
#include <string>

#include "qt/Modal.h"
#include "tables/SetPhaseLenModel.h"

TSetPhaseForm::TSetPhaseForm(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("TSetPhaseForm"));
  setWindowTitle(QStringLiteral("Длина фаз"));
  auto* form = new QFormLayout;
  for (int k = 1; k <= TSetPhaseLenModel::kPhases; ++k) {
    auto* spin = new QSpinBox(this);
    spin->setObjectName(QString::number(k));
    spin->setRange(0, TSetPhaseLenModel::kMaxLength);
    Spins_[static_cast<std::size_t>(k)] = spin;
    form->addRow(QString::fromUtf8(TSetPhaseLenModel::kCaptions[k]), spin);
  }
  auto* buttons = new QDialogButtonBox(this);
  buttons->addButton(QStringLiteral("Ok"), QDialogButtonBox::AcceptRole);
  buttons->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(buttons);
}

int TSetPhaseForm::Execute(TSetPhaseLenModel& model) {
  for (int k = 1; k <= TSetPhaseLenModel::kPhases; ++k) {
    QSpinBox* spin = SpinEdit(k);
    const int value = model.Lengths[static_cast<std::size_t>(k)];
    // A stored main time beyond the usual range is shown, not cut, and any
    // length up to it may be typed.
    spin->setMaximum(model.Max[static_cast<std::size_t>(k)]);
    spin->setValue(value);
    spin->setEnabled(model.Enabled[static_cast<std::size_t>(k)]);
  }
  if (ExecModal(*this) != QDialog::Accepted) return model.Press(TDialogButton::Cancel);
  for (int k = 1; k <= TSetPhaseLenModel::kPhases; ++k) {
    const int value = SpinEdit(k)->value();
    if (value != model.Lengths[static_cast<std::size_t>(k)]) model.Spin(std::to_string(k), value);
  }
  return model.Press(TDialogButton::Ok);
}

#pragma once
// "Длина фаз": the thin window over the phase-length model.
#include <QDialog>
#include <array>

class QSpinBox;
class TSetPhaseLenModel;

class TSetPhaseForm : public QDialog {
  Q_OBJECT

 public:
  explicit TSetPhaseForm(QWidget* parent = nullptr);

  // Shows the model's values, runs the dialog and, when confirmed, hands the
  // spin edits back to the model. Returns the modal result.
  int Execute(TSetPhaseLenModel& model);
  QSpinBox* SpinEdit(int k) const { return Spins_[static_cast<std::size_t>(k)]; }

 private:
  std::array<QSpinBox*, 8> Spins_{};
};

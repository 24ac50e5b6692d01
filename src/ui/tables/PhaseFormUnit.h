#pragma once
// "Организация движения по фазам": the phases with their minimum and main
// times, and the cycle time "T кк".
#include "PlanGridDialog.h"

class QLineEdit;

class TPhaseForm : public TPlanGridDialog {
  Q_OBJECT

 public:
  explicit TPhaseForm(QWidget* parent = nullptr);
  QLineEdit* TkkField() const { return Tkk_; }

 protected:
  std::unique_ptr<TPlanGridForm> CreateModel(TSVInfo& info) override;
  void ShowFields() override;
  void FocusField(const std::string& control) override;

 private:
  QLineEdit* Tkk_;
};

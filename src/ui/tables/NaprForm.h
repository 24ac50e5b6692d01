#pragma once
// "Организация движения по направлениям": the directions with their phases,
// conflicts, signal thresholds and red control.
#include "PlanGridDialog.h"

class TNaprDataForm : public TPlanGridDialog {
  Q_OBJECT

 public:
  explicit TNaprDataForm(QWidget* parent = nullptr);

 protected:
  std::unique_ptr<TPlanGridForm> CreateModel(TSVInfo& info) override;
};

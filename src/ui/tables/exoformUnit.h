#pragma once
// "ОДД при нестандартной смене фаз": the free-text table of traffic
// organisation when the phases change out of their usual order.
#include "PlanGridDialog.h"

class Texoform : public TPlanGridDialog {
  Q_OBJECT

 public:
  explicit Texoform(QWidget* parent = nullptr);

 protected:
  std::unique_ptr<TPlanGridForm> CreateModel(TSVInfo& info) override;
};

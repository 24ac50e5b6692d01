#pragma once
// "Организация движения по фазам": one row per phase with its minimum time
// and its main times (one for a system object, one per controller program
// otherwise), and the cycle time.
#include "PlanGridForm.h"

class TPhaseFormModel : public TPlanGridForm {
 public:
  // Filled from the information's phases.
  explicit TPhaseFormModel(TSVInfo& info);

  const char* FormName() const override { return "TPhaseForm"; }
  std::string Caption() const override { return "Организация движения по фазам"; }
  std::vector<std::string> RowButtons() const override { return {"Добавить", "Удалить"}; }

  // "Добавить" appends a row numbered by its position and selects it;
  // "Удалить" drops the last row and numbers the new last row.
  bool PressButton(const std::string& caption) override;
  // TkkField, the cycle time.
  bool SetText(const std::string& control, const std::string& value) override;
  const std::string& TkkField() const { return Tkk_; }

 protected:
  bool CheckCells() override;
  void Store() override;
  std::string UnknownErrorText() const override { return "Неизвестная ошибка при сохранении таблицы по фазам. "; }

 private:
  bool System_;
  std::string Tkk_;
};

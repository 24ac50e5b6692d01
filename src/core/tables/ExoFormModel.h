#pragma once
// "ОДД при нестандартной смене фаз": the free-text table of traffic
// organisation when the phases change out of their usual order.
#include "PlanGridForm.h"

class TExoFormModel : public TPlanGridForm {
 public:
  // Filled from the information's ExoTable.
  explicit TExoFormModel(TSVInfo& info);

  const char* FormName() const override { return "Texoform"; }
  std::string Caption() const override { return "ОДД при нестандартной смене фаз"; }
  std::vector<std::string> RowButtons() const override { return {"Добавить ", "Удалить"}; }

  // "Добавить " appends an empty row and selects it; "Удалить" removes the
  // selected row.
  bool PressButton(const std::string& caption) override;

 protected:
  void Store() override;
  std::string UnknownErrorText() const override { return "Неизвестная ошибка при сохранении таблицы. "; }

 private:
  // Per data row, the cells of the table's columns beyond the eight the grid
  // shows; they move with their row when a row above it is deleted.
  std::vector<std::vector<std::string>> Hidden_;
};

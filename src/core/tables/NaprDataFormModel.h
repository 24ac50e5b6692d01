#pragma once
// "Организация движения по направлениям": one row per traffic direction with
// its phases, conflicting directions, the five signal thresholds and the red
// control. Typing a green time fills the flashing-green and yellow times
// from it, typing a red time fills the red-and-yellow time.
#include <vector>

#include "PlanGridForm.h"

class TNaprDataFormModel : public TPlanGridForm {
 public:
  enum TColumn { kName, kPhases, kConflict, kGreen, kGreenFlash, kYellow, kRed, kRedYellow, kRedControl };

  // Filled from the information's directions.
  explicit TNaprDataFormModel(TSVInfo& info);

  const char* FormName() const override { return "TNaprDataForm"; }
  std::string Caption() const override { return "Организация движения по направлениям"; }
  std::vector<std::string> RowButtons() const override { return {"Добавить ", "Удалить"}; }
  bool RangeSelection() const override { return true; }

  // "Добавить " appends a numbered row with all five times 0 and selects
  // it; "Удалить" removes the selected row.
  bool PressButton(const std::string& caption) override;

  // The last green and red time the row's rule acted on.
  int RememberedGreen(int row) const;
  int RememberedRed(int row) const;

 protected:
  void CellEdited(int row, int column) override;
  bool CheckCells() override;
  void Store() override;
  std::string UnknownErrorText() const override { return "Неизвестная ошибка при сохранении таблицы. "; }

 private:
  struct TRemembered {
    // Whole numbers: a time of 265 s differs from one of 9 s.
    long long Green = 0;
    long long Red = 0;
  };
  // One per data row, moving with its row.
  std::vector<TRemembered> Remembered_;
};

#pragma once
// "Таблица изменений СО": the change log of the object, one row per change,
// a new row dated today.
#include <string>

#include "TextGrid.h"
#include "platform/Dialogs.h"

class TSVInfo;

// A date as the change log writes it: "05.03.2024 г.".
std::string ChangeLogDate(int day, int month, int year);

class TTexFormModel : public TDialogModel {
 public:
  static constexpr const char* kAddCaption = "Добавить ";
  static constexpr const char* kDeleteCaption = "Удалить";

  // today: the date a new row gets, as ChangeLogDate writes it.
  TTexFormModel(TSVInfo& info, std::string today);

  const char* FormName() const override { return "TtexForm"; }
  static const char* Caption() { return "Таблица изменений СО"; }

  // Refills the grid from the change log.
  void Fill();
  const TTextGrid& Grid() const { return Grid_; }

  // Ok stores the rows into the change log and closes; Cancel and the close
  // box drop the edits.
  int Press(TDialogButton button) override;
  // "Добавить " appends a row dated today and selects it (refused when the
  // log is full); "Удалить" removes the selected row.
  bool PressButton(const std::string& caption) override;
  bool SetCell(int row, int column, const std::string& text) override;
  bool SelectRow(int row) override;

 private:
  TSVInfo& Info_;
  std::string Today_;
  TTextGrid Grid_;
};

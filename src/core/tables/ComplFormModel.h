#pragma once
// "Таблица комплектации": the equipment list of the object with the
// description of its connection. Rows are typed in or composed from pick
// lists of names, types, numbers of lines and line widths.
#include <string>
#include <vector>

#include "TextGrid.h"
#include "edit/dialogs/DialogControls.h"
#include "platform/Dialogs.h"

class TSVInfo;

// The names and types the equipment dialog offers, from config.ini, section
// "Compl_Form": "Naim_1", "Naim_2", ... and "Type_1", "Type_2", ..., each
// series ending at the first key that is missing or empty. Without that
// section the dialog offers the default lists below.
struct TComplPickLists {
  std::vector<std::string> Names;
  std::vector<std::string> Types;
};
TComplPickLists ReadComplPickLists(const std::string& configPath);
// Typical equipment of an object: controllers, signal heads, cables, poles
// and detectors.
TComplPickLists DefaultComplPickLists();

class TComplFormModel : public TDialogModel {
 public:
  static constexpr const char* kAddValuesCaption = "Добавить значения";
  static constexpr const char* kAddEmptyCaption = "Добавить пустую";
  static constexpr const char* kDeleteCaption = "Удалить";

  TComplFormModel(TSVInfo& info, const TComplPickLists& lists);

  const char* FormName() const override { return "TComplForm"; }
  static const char* Caption() { return "Таблица комплектации"; }

  // Refills the grid and the memo from the passport; every pick list back on
  // its empty entry.
  void Fill();
  const TTextGrid& Grid() const { return Grid_; }
  // The memo "Описание подключения СО:", line breaks as CR LF.
  const std::string& Connection() const { return Connection_; }
  // Each starts with an empty entry (index 0), which chooses nothing.
  TPickList NAimLB, TipLB, LineLB, widthLB;

  // Ok stores the rows and the description and closes; Cancel and the close
  // box drop the edits.
  int Press(TDialogButton button) override;
  // "Добавить значения": a row composed from the pick lists; "Добавить
  // пустую": an empty row (both select the new row and are refused when
  // the list is full); "Удалить": the selected row.
  bool PressButton(const std::string& caption) override;
  bool SetCell(int row, int column, const std::string& text) override;
  bool SelectRow(int row) override;
  // The memo "TextField"; a NUL never reaches it.
  bool SetText(const std::string& control, const std::string& value) override;
  // "NAimLB", "TipLB", "LineLB", "widthLB" by item text ("" is the empty entry).
  bool Select(const std::string& control, const std::string& item) override;

  // The type cell "Добавить значения" composes: the type, then three blanks
  // and the number of lines, " x" when both lines and width are chosen, a
  // blank and the width.
  std::string ComposedType() const;

 private:
  TPickList* List(const std::string& control);

  TSVInfo& Info_;
  TTextGrid Grid_;
  std::string Connection_;
};

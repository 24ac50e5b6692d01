#pragma once
// What the signal-plan table dialogs share: a string grid filled from the
// passport information, buttons that add and remove rows, and an Ok that
// converts the cells back into the information, stopping at the first cell
// it cannot take.
#include <cstdint>
#include <string>
#include <vector>

#include "PlanGrid.h"
#include "platform/Dialogs.h"

class TSVInfo;

// A whole number written as an optional sign and decimal digits, nothing
// else (no blanks, no point), within 32 bits.
bool StrictInteger(const std::string& text, long long& value);
// Why a text is not such a number: "'7.5' is not a valid integer value".
std::string NotAnIntegerText(const std::string& text);
// The number in the digits a text starts with, after blanks and an optional
// sign ("12 фаз" gives 12, "-3" gives -3); 0 when no digit follows.
long long LeadingInteger(const std::string& text);

class TPlanGridForm : public TDialogModel {
 public:
  TPlanGridForm(TSVInfo& info, std::vector<TPlanColumn> columns);

  // The window title.
  virtual std::string Caption() const = 0;
  // The buttons that change the rows, by caption, in their order.
  virtual std::vector<std::string> RowButtons() const = 0;
  // Whether the user may select a range of cells.
  virtual bool RangeSelection() const { return false; }

  const TPlanGrid& Grid() const { return Grid_; }

  bool SetCell(int row, int column, const std::string& text) override;
  bool SelectRow(int row) override;
  // Ok stores the grid and closes with mrOk, or stays open (mrNone) after a
  // message; Cancel and the close box drop the edits.
  int Press(TDialogButton button) override;

 protected:
  // The cell-edit rule, after the text is in the cell.
  virtual void CellEdited(int row, int column);
  // Stores the grid into the information; false when it stopped at a cell
  // (the message is shown).
  virtual bool Store() = 0;
  // The message of a failure that is not a bad cell.
  virtual std::string UnknownErrorText() const = 0;

  // The trimmed text as a number of seconds, or a message and false.
  static bool Seconds(const std::string& text, std::uint16_t& field);

  TSVInfo& Info_;
  TPlanGrid Grid_;
};

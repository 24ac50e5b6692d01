#pragma once
// What the signal-plan table dialogs share: a string grid filled from the
// passport information, buttons that add and remove rows, and an Ok that
// first checks every cell and stores nothing unless all of them can be
// taken; a refused Ok names the first bad cell and keeps the cursor there.
#include <cstdint>
#include <string>
#include <vector>

#include "PlanGrid.h"
#include "platform/Dialogs.h"

class TSVInfo;

// A whole number written as an optional sign and decimal digits, nothing
// else (no blanks, no point), within 32 bits.
bool StrictInteger(const std::string& text, long long& value);
// Why a typed number cannot be taken, or empty text when it can: the text
// (blanks around it ignored) must be a whole number from `least` to `most`.
// "«7.5» — не целое число." or "«300» — допустимы значения от 0 до 255."
std::string WholeNumberFault(const std::string& text, long long least, long long most);

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
  // Ok checks every cell first: when all can be taken it stores the grid
  // and closes with mrOk; otherwise it shows the first fault, stores
  // nothing and stays open (mrNone) with the selection on the bad row.
  // Cancel and the close box drop the edits.
  int Press(TDialogButton button) override;

  // Where the last refused Ok found its fault: a grid cell (Row from 1,
  // Column from 0), or a field beside the grid by control name (Row 0).
  struct TBadEntry {
    int Row = 0;
    int Column = 0;
    std::string Field;
  };
  const TBadEntry& BadEntry() const { return Bad_; }

 protected:
  // The cell-edit rule, after the text is in the cell.
  virtual void CellEdited(int row, int column);
  // Checks every cell Ok would convert, in row order; false at the first
  // fault, refused through CheckSecondsCell or CheckSecondsField.
  virtual bool CheckCells() { return true; }
  // Stores the grid into the information; called only after CheckCells
  // passed, so every cell converts.
  virtual void Store() = 0;
  // The message of a failure that is not a bad cell.
  virtual std::string UnknownErrorText() const = 0;

  // A time cell must hold 0..65535 seconds; otherwise the fault is shown,
  // naming the row and the column, and false is returned.
  bool CheckSecondsCell(int row, int column);
  // The same for a field beside the grid, named by its label.
  bool CheckSecondsField(const std::string& control, const std::string& label, const std::string& text);
  // The trimmed text of a checked time.
  static std::uint16_t Seconds(const std::string& text);

  TSVInfo& Info_;
  TPlanGrid Grid_;

 private:
  TBadEntry Bad_;
};

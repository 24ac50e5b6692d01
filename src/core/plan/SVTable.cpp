#include "SVTable.h"

#include "SVPhase.h"
#include "platform/TextFile.h"

namespace {

constexpr std::size_t kRowSlots = kMaxTableRows + 1;

std::size_t CellIndex(int col, int row) {
  return static_cast<std::size_t>(col) * kRowSlots + static_cast<std::size_t>(row);
}

}  // namespace

TSVTable::TSVTable(int cols) : Cells_((kMaxTableCols + 1) * kRowSlots) { SetColCount(cols); }

const std::string& TSVTable::Cell(int col, int row) const {
  static const std::string kEmpty;
  if (col < 1 || col > ColCount || row < 1 || row > RowCount) return kEmpty;
  return Cells_[CellIndex(col, row)];
}

void TSVTable::SetCell(int col, int row, const std::string& text) {
  if (col < 1 || col > ColCount || row < 1 || row > RowCount) return;
  Cells_[CellIndex(col, row)] = text;
}

void TSVTable::SetColCount(int n) {
  if (n < 0) n = 0;
  if (n > kMaxTableCols) n = kMaxTableCols;
  for (int col = n + 1; col <= ColCount; ++col)
    for (int row = 1; row <= kMaxTableRows; ++row) Cells_[CellIndex(col, row)].clear();
  ColCount = static_cast<std::uint8_t>(n);
}

void TSVTable::SetRowCount(int n) {
  if (n < 0) n = 0;
  if (n > kMaxTableRows) n = kMaxTableRows;
  for (int row = n + 1; row <= RowCount; ++row)
    for (int col = 1; col <= kMaxTableCols; ++col) Cells_[CellIndex(col, row)].clear();
  RowCount = static_cast<std::uint8_t>(n);
}

void TSVTable::Load(TTextReader& in) {
  const int cols = CheckedCount(in.ReadInt(), kMaxTableCols, "столбцов таблицы");
  const int rows = CheckedCount(in.ReadInt(), kMaxTableRows, "строк таблицы");
  in.SkipLine();
  SetColCount(cols);
  SetRowCount(rows);
  for (int row = 1; row <= rows; ++row)
    for (int col = 1; col <= cols; ++col) Cells_[CellIndex(col, row)] = in.ReadLine();
}

void TSVTable::Save(TTextWriter& out) const {
  out.WriteLine(std::to_string(ColCount) + " " + std::to_string(RowCount));
  for (int row = 1; row <= RowCount; ++row)
    for (int col = 1; col <= ColCount; ++col) out.WriteLine(OneLineText(Cells_[CellIndex(col, row)]));
}

#include "TextGrid.h"

#include <algorithm>

#include "plan/SVTable.h"

std::string CellText(const std::string& text) {
  std::string s;
  s.reserve(text.size());
  for (char c : text) {
    if (c == '\0') continue;
    s += (c == '\r' || c == '\n') ? ' ' : c;
  }
  return s;
}

std::string MemoText(const std::string& text) {
  std::string s;
  s.reserve(text.size() + text.size() / 16);
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\0') continue;
    if (c == '\r') {
      s += "\r\n";
      if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
    } else if (c == '\n') {
      s += "\r\n";
    } else {
      s += c;
    }
  }
  return s;
}

TTextGrid::TTextGrid(std::vector<TTextGridColumn> columns)
    : Columns_(std::move(columns)), Width_(static_cast<int>(Columns_.size())) {}

const std::string& TTextGrid::Cell(int row, int col) const {
  static const std::string kEmpty;
  if (row < 1 || row > RowCount() || col < 0 || col >= Width_) return kEmpty;
  return Rows_[static_cast<std::size_t>(row - 1)][static_cast<std::size_t>(col)];
}

bool TTextGrid::SetCell(int row, int col, const std::string& text) {
  if (row < 1 || row > RowCount() || col < 0 || col >= ColumnCount()) return false;
  Rows_[static_cast<std::size_t>(row - 1)][static_cast<std::size_t>(col)] = CellText(text);
  return true;
}

int TTextGrid::Append(const std::vector<std::string>& cells) {
  if (Full()) return 0;
  std::vector<std::string> row(static_cast<std::size_t>(Width_));
  for (std::size_t c = 0; c < cells.size() && c < row.size(); ++c) row[c] = CellText(cells[c]);
  Rows_.push_back(std::move(row));
  return RowCount();
}

bool TTextGrid::DeleteSelected() {
  if (Selected_ < 1 || Selected_ > RowCount()) return false;
  Rows_.erase(Rows_.begin() + (Selected_ - 1));
  Selected_ = std::min(Selected_, RowCount());
  return true;
}

bool TTextGrid::Select(int row) {
  if (row < 1 || row > RowCount()) return false;
  Selected_ = row;
  return true;
}

void TTextGrid::Fill(const TSVTable& table) {
  Width_ = std::max(ColumnCount(), static_cast<int>(table.ColCount));
  Rows_.assign(table.RowCount, std::vector<std::string>(static_cast<std::size_t>(Width_)));
  for (int row = 1; row <= table.RowCount; ++row)
    for (int col = 1; col <= table.ColCount; ++col)
      Rows_[static_cast<std::size_t>(row - 1)][static_cast<std::size_t>(col - 1)] = table.Cell(col, row);
  Selected_ = RowCount() > 0 ? 1 : 0;
}

void TTextGrid::Store(TSVTable& table) const {
  // A table narrower than the grid keeps its width unless text was typed
  // into a column it lacks: widening it unasked would change info.txt.
  int used = table.ColCount;
  for (int row = 1; row <= RowCount(); ++row)
    for (int col = used; col < ColumnCount(); ++col)
      if (!Cell(row, col).empty()) used = col + 1;
  if (used > table.ColCount) table.SetColCount(used);
  table.SetRowCount(RowCount());
  for (int row = 1; row <= RowCount(); ++row)
    for (int col = 1; col <= table.ColCount; ++col) table.SetCell(col, row, Cell(row, col - 1));
}

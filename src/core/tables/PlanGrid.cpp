#include "GridRows.h"

#include <utility>

TGridRows::TGridRows(std::vector<TGridColumn> columns) : Columns_(std::move(columns)) {}

const std::string& TGridRows::Cell(int row, int col) const {
  static const std::string kEmpty;
  if (row < 1 || row > RowCount() || col < 0 || col >= ColumnCount()) return kEmpty;
  return Rows_[static_cast<std::size_t>(row - 1)][static_cast<std::size_t>(col)];
}

bool TGridRows::SetCell(int row, int col, const std::string& text) {
  if (row < 1 || row > RowCount() || col < 0 || col >= ColumnCount()) return false;
  Rows_[static_cast<std::size_t>(row - 1)][static_cast<std::size_t>(col)] = text;
  return true;
}

void TGridRows::SetRowCount(int n) {
  if (n < 0) n = 0;
  Rows_.resize(static_cast<std::size_t>(n), std::vector<std::string>(Columns_.size()));
  if (Selected_ > n) Selected_ = n;
  if (Selected_ == 0 && n > 0) Selected_ = 1;
}

int TGridRows::AppendRow() {
  SetRowCount(RowCount() + 1);
  return RowCount();
}

bool TGridRows::DeleteRow(int row) {
  if (row < 1 || row > RowCount()) return false;
  Rows_.erase(Rows_.begin() + (row - 1));
  if (Selected_ > RowCount()) Selected_ = RowCount();
  return true;
}

bool TGridRows::Select(int row) {
  if (row < 1 || row > RowCount()) return false;
  Selected_ = row;
  return true;
}

#include "PlanGrid.h"

#include <utility>

TPlanGrid::TPlanGrid(std::vector<TPlanColumn> columns) : Columns_(std::move(columns)) {}

const std::string& TPlanGrid::Cell(int row, int col) const {
  static const std::string kEmpty;
  if (row < 1 || row > RowCount() || col < 0 || col >= ColumnCount()) return kEmpty;
  return Rows_[static_cast<std::size_t>(row - 1)][static_cast<std::size_t>(col)];
}

bool TPlanGrid::SetCell(int row, int col, const std::string& text) {
  if (row < 1 || row > RowCount() || col < 0 || col >= ColumnCount()) return false;
  Rows_[static_cast<std::size_t>(row - 1)][static_cast<std::size_t>(col)] = text;
  return true;
}

void TPlanGrid::SetRowCount(int n) {
  if (n < 0) n = 0;
  Rows_.resize(static_cast<std::size_t>(n), std::vector<std::string>(Columns_.size()));
  if (Selected_ > n) Selected_ = n;
  if (Selected_ == 0 && n > 0) Selected_ = 1;
}

int TPlanGrid::AppendRow() {
  SetRowCount(RowCount() + 1);
  return RowCount();
}

bool TPlanGrid::DeleteRow(int row) {
  if (row < 1 || row > RowCount()) return false;
  Rows_.erase(Rows_.begin() + (row - 1));
  if (Selected_ > RowCount()) Selected_ = RowCount();
  return true;
}

bool TPlanGrid::Select(int row) {
  if (row < 1 || row > RowCount()) return false;
  Selected_ = row;
  return true;
}

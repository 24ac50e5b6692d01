#pragma once
// The string grid of a table dialog: one header row of captions over data
// rows of text cells, and the data row that holds the selection. Data rows
// are numbered from 1, as the records they show; columns from 0.
#include <string>
#include <vector>

struct TPlanColumn {
  std::string Caption;
  // Pixels, as the dialog lays the column out.
  int Width;
};

class TPlanGrid {
 public:
  explicit TPlanGrid(std::vector<TPlanColumn> columns = {});

  int ColumnCount() const { return static_cast<int>(Columns_.size()); }
  const TPlanColumn& Column(int col) const { return Columns_[static_cast<std::size_t>(col)]; }
  int RowCount() const { return static_cast<int>(Rows_.size()); }

  // Empty text outside the grid.
  const std::string& Cell(int row, int col) const;
  // False (and nothing changes) outside the grid.
  bool SetCell(int row, int col, const std::string& text);

  // Rows beyond n are dropped; new rows are empty.
  void SetRowCount(int n);
  // A new empty row at the end; returns its number.
  int AppendRow();
  // Removes the row; the rows below move up by one. The selection stays on
  // the same row number while there is one, else on the new last row.
  bool DeleteRow(int row);

  // 0 when the grid has no data rows.
  int Selected() const { return Selected_; }
  bool Select(int row);

 private:
  std::vector<TPlanColumn> Columns_;
  std::vector<std::vector<std::string>> Rows_;
  int Selected_ = 0;
};

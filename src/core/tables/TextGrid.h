#pragma once
// The string grid of a free-text table dialog: a header row of captions over
// data rows of text cells, and the data row that holds the selection. Data
// rows are numbered from 1 as the table rows they show, columns from 0.
//
// A row keeps every column of its table, also those the grid does not show,
// so that deleting a row moves the hidden cells with it instead of leaving
// them beside the wrong neighbours.
#include <string>
#include <vector>

class TSVTable;

struct TTextGridColumn {
  std::string Caption;
  // Pixels, as the dialog lays the column out.
  int Width;
};

class TTextGrid {
 public:
  // A passport table holds at most this many rows; more could not be stored.
  static constexpr int kMaxRows = 255;

  explicit TTextGrid(std::vector<TTextGridColumn> columns);

  int ColumnCount() const { return static_cast<int>(Columns_.size()); }
  const TTextGridColumn& Column(int col) const { return Columns_[static_cast<std::size_t>(col)]; }
  int RowCount() const { return static_cast<int>(Rows_.size()); }
  bool Full() const { return RowCount() >= kMaxRows; }

  // Empty text outside the grid.
  const std::string& Cell(int row, int col) const;
  // A cell holds one line: line breaks become blanks and NULs are dropped,
  // as the passport file could not keep them. False outside the grid.
  bool SetCell(int row, int col, const std::string& text);

  // Appends a row of the given cells (the rest empty); returns its number,
  // or 0 when the grid is full.
  int Append(const std::vector<std::string>& cells = {});
  // Removes the selected row; the rows below move up by one and the
  // selection stays on the same row number, or on the new last row.
  bool DeleteSelected();

  // 0 when no data row is selected.
  int Selected() const { return Selected_; }
  bool Select(int row);

  // Every row and every column of the table (at least the grid's columns).
  void Fill(const TSVTable& table);
  // Rows and cells into the table. A table narrower than the grid is widened
  // only as far as text was typed into the columns it lacks, so that the
  // text is kept and an untouched table keeps its width.
  void Store(TSVTable& table) const;

 private:
  std::vector<TTextGridColumn> Columns_;
  // Each row as wide as Width_.
  std::vector<std::vector<std::string>> Rows_;
  int Width_;
  int Selected_ = 0;
};

// Text as a cell holds it: one line, no NUL.
std::string CellText(const std::string& text);
// Text as a memo holds it: no NUL, every line break as CR LF.
std::string MemoText(const std::string& text);

#pragma once
// The columns of a table as the office formats declare them: rows of the
// passport's tables have cells of their own widths (a heading cell spans
// the columns under it), so the grid is every cell edge of every row.
#include <vector>

#include "Document.h"

struct TGridCell {
  const TCell* Cell;
  // The first grid column of the cell and how many it spans.
  int Column;
  int Span;
  int Width;
};

struct TTableGrid {
  // Width of each grid column, twips.
  std::vector<int> Columns;
  // The cells of each row on the grid; rows without cells are left out,
  // so a table of none has no rows and is not written at all.
  std::vector<std::vector<TGridCell>> Rows;
  // The rows repeated on every page: those marked so at the top of the table.
  std::size_t HeaderRows = 0;
  int Width() const;
};

TTableGrid GridOf(const TTable& table);

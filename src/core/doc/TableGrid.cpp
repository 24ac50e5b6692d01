#include "TableGrid.h"

#include <algorithm>

namespace {

// A cell whose right edge is not right of its left one (a table made by
// hand, not read from a template) gets an inch, rather than no width.
constexpr int kFallbackWidth = 1440;

std::vector<int> RightEdges(const TRow& row) {
  std::vector<int> edges;
  int left = 0;
  for (const TCell& c : row.Cells) {
    const int right = c.Right > left ? c.Right : left + kFallbackWidth;
    edges.push_back(right);
    left = right;
  }
  return edges;
}

}  // namespace

int TTableGrid::Width() const {
  int w = 0;
  for (const int c : Columns) w += c;
  return w;
}

TTableGrid GridOf(const TTable& table) {
  TTableGrid grid;
  std::vector<std::vector<int>> rowEdges;
  std::vector<int> edges;
  // A row without cells has nothing to show, and neither format can hold
  // it: it is left out.
  std::vector<const TRow*> rows;
  for (const TRow& row : table.Rows)
    if (!row.Cells.empty()) rows.push_back(&row);
  for (const TRow* row : rows) {
    rowEdges.push_back(RightEdges(*row));
    edges.insert(edges.end(), rowEdges.back().begin(), rowEdges.back().end());
  }
  std::sort(edges.begin(), edges.end());
  edges.erase(std::unique(edges.begin(), edges.end()), edges.end());
  int left = 0;
  for (const int e : edges) {
    grid.Columns.push_back(e - left);
    left = e;
  }
  bool header = true;
  for (std::size_t r = 0; r < rows.size(); ++r) {
    header = header && rows[r]->Header;
    if (header) grid.HeaderRows = r + 1;
    std::vector<TGridCell> cells;
    int cellLeft = 0;
    for (std::size_t c = 0; c < rows[r]->Cells.size(); ++c) {
      const int right = rowEdges[r][c];
      const auto first = std::upper_bound(edges.begin(), edges.end(), cellLeft);
      const auto last = std::lower_bound(edges.begin(), edges.end(), right);
      cells.push_back({&rows[r]->Cells[c], static_cast<int>(first - edges.begin()),
                       static_cast<int>(last - first) + 1, right - cellLeft});
      cellLeft = right;
    }
    grid.Rows.push_back(std::move(cells));
  }
  return grid;
}

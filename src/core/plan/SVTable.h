#pragma once
// A free-text table of the passport (equipment list, change log, traffic
// organisation at a non-standard phase change).
#include <cstdint>
#include <string>
#include <vector>

class TTextReader;
class TTextWriter;

constexpr int kMaxTableCols = 10;
constexpr int kMaxTableRows = 255;

class TSVTable {
 public:
  explicit TSVTable(int cols = 0);

  std::uint8_t ColCount = 0;
  std::uint8_t RowCount = 0;

  // Cell of column 1..10, row 1..255; empty outside the current size.
  const std::string& Cell(int col, int row) const;
  // Ignored outside the current size.
  void SetCell(int col, int row, const std::string& text);
  // Cut to 10; cells of dropped columns are cleared.
  void SetColCount(int n);
  // Cut to 0..255; cells of dropped rows are cleared.
  void SetRowCount(int n);

  // "cols rows" on one line, then one cell per line, row by row. A file that
  // asks for more than 10 columns or 255 rows is refused with
  // TPassportIntegrityError before anything of the table changes.
  void Load(TTextReader& in);
  void Save(TTextWriter& out) const;

 private:
  std::vector<std::string> Cells_;
};

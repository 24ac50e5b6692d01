#include "ExoFormModel.h"

#include "plan/SVInfo.h"

namespace {

std::vector<TPlanColumn> ExoColumns() {
  return {{"Направление", 71}, {"Переключение фаз", 117}, {"З", 30}, {"ЗМ", 31},
          {"Ж", 31},           {"Переключение фаз", 104}, {"К", 30}, {"КЖ", 31}};
}

}  // namespace

TExoFormModel::TExoFormModel(TSVInfo& info) : TPlanGridForm(info, ExoColumns()) {
  const TSVTable& t = info.ExoTable;
  Grid_.SetRowCount(t.RowCount);
  for (int r = 1; r <= t.RowCount; ++r) {
    for (int c = 0; c < Grid_.ColumnCount(); ++c) Grid_.SetCell(r, c, t.Cell(c + 1, r));
    std::vector<std::string> hidden;
    for (int c = Grid_.ColumnCount() + 1; c <= t.ColCount; ++c) hidden.push_back(t.Cell(c, r));
    Hidden_.push_back(std::move(hidden));
  }
}

bool TExoFormModel::PressButton(const std::string& caption) {
  if (caption == "Добавить ") {
    // The table holds at most 255 rows; a longer grid would lose its tail.
    if (Grid_.RowCount() >= kMaxTableRows) return false;
    Hidden_.emplace_back();
    return Grid_.Select(Grid_.AppendRow());
  }
  if (caption == "Удалить") {
    const int r = Grid_.Selected();
    if (!Grid_.DeleteRow(r)) return false;
    Hidden_.erase(Hidden_.begin() + (r - 1));
    return true;
  }
  return false;
}

void TExoFormModel::Store() {
  TSVTable& t = Info_.ExoTable;
  t.SetRowCount(Grid_.RowCount());
  // A passport whose table has fewer columns than the grid keeps its column
  // count, unless the user wrote into the columns it lacks: that text would
  // otherwise vanish on Ok.
  int used = t.ColCount;
  for (int r = 1; r <= Grid_.RowCount(); ++r)
    for (int c = used; c < Grid_.ColumnCount(); ++c)
      if (!Grid_.Cell(r, c).empty()) used = c + 1;
  if (used > t.ColCount) t.SetColCount(used);
  for (int r = 1; r <= Grid_.RowCount(); ++r) {
    for (int c = 0; c < Grid_.ColumnCount(); ++c) t.SetCell(c + 1, r, OneLineText(Grid_.Cell(r, c)));
    const std::vector<std::string>& hidden = Hidden_[static_cast<std::size_t>(r - 1)];
    for (int c = Grid_.ColumnCount() + 1; c <= t.ColCount; ++c) {
      const auto i = static_cast<std::size_t>(c - Grid_.ColumnCount() - 1);
      t.SetCell(c, r, i < hidden.size() ? hidden[i] : std::string());
    }
  }
}

#include "PhaseFormModel.h"

#include "plan/SVInfo.h"

namespace {

std::vector<TPlanColumn> PhaseColumns(bool system) {
  if (system) return {{"Фаза", 56}, {"Т мин.", 62}, {"Т осн", 54}};
  return {{"Фаза", 56}, {"Т мин.", 62}, {"Т осн. - I", 54}, {"Т осн. - II", 58}, {"Т осн. - III", 58}};
}

}  // namespace

TPhaseFormModel::TPhaseFormModel(TSVInfo& info)
    : TPlanGridForm(info, PhaseColumns(info.IsSystem())), System_(info.IsSystem()) {
  Grid_.SetRowCount(info.Phases.Count);
  for (int r = 1; r <= info.Phases.Count; ++r) {
    const TSVPhase& p = *info.Phases.Item(r);
    Grid_.SetCell(r, 0, p.NumberText());
    Grid_.SetCell(r, 1, std::to_string(p.TMin));
    // A system object runs one program: only its first main time is shown.
    const int programs = System_ ? 1 : 3;
    for (int k = 1; k <= programs; ++k) Grid_.SetCell(r, 1 + k, std::to_string(p.TMain[static_cast<std::size_t>(k)]));
  }
  Tkk_ = std::to_string(info.Phases.Tkk);
}

bool TPhaseFormModel::PressButton(const std::string& caption) {
  if (caption == "Добавить") {
    // The set holds at most 255 phases; a longer grid would lose its tail.
    if (Grid_.RowCount() >= kMaxSlots) return false;
    const int r = Grid_.AppendRow();
    Grid_.SetCell(r, 0, std::to_string(r));
    return Grid_.Select(r);
  }
  if (caption == "Удалить") {
    if (Grid_.RowCount() == 0) return false;
    Grid_.DeleteRow(Grid_.RowCount());
    // The header row is not a phase: an emptied grid has nothing to number.
    if (Grid_.RowCount() > 0) Grid_.SetCell(Grid_.RowCount(), 0, std::to_string(Grid_.RowCount()));
    return true;
  }
  return false;
}

bool TPhaseFormModel::SetText(const std::string& control, const std::string& value) {
  if (control != "TkkField") return false;
  Tkk_ = value;
  return true;
}

bool TPhaseFormModel::CheckCells() {
  const int programs = System_ ? 1 : 3;
  for (int r = 1; r <= Grid_.RowCount(); ++r)
    for (int c = 1; c <= 1 + programs; ++c)
      if (!CheckSecondsCell(r, c)) return false;
  return CheckSecondsField("TkkField", "T кк", Tkk_);
}

void TPhaseFormModel::Store() {
  Info_.SetPhaseCount(Grid_.RowCount());
  const int programs = System_ ? 1 : 3;
  for (int r = 1; r <= Grid_.RowCount(); ++r) {
    TSVPhase& p = *Info_.Phases.Item(r);
    p.SetNumberText(Grid_.Cell(r, 0));
    p.TMin = Seconds(Grid_.Cell(r, 1));
    for (int k = 1; k <= programs; ++k) p.TMain[static_cast<std::size_t>(k)] = Seconds(Grid_.Cell(r, 1 + k));
  }
  Info_.Phases.Tkk = Seconds(Tkk_);
  // The directions wrap at the new number of phases, as the phase selector
  // rebuilt for it shows them.
  Info_.Directions.PhaseCount = Info_.PhaseCount;
}

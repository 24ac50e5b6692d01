#include "NaprDataFormModel.h"

#include "plan/SVInfo.h"

namespace {

std::vector<TPlanColumn> NaprColumns() {
  return {{"Направление", 56}, {"Фазы", 56}, {"Конфл. направл.", 88}, {"З", 31},
          {"ЗМ", 31},          {"Ж", 29},    {"К", 30},               {"КЖ", 31}, {"Контр. красных", 88}};
}

}  // namespace

TNaprDataFormModel::TNaprDataFormModel(TSVInfo& info) : TPlanGridForm(info, NaprColumns()) {
  const int n = info.Directions.Count;
  Grid_.SetRowCount(n);
  Remembered_.resize(static_cast<std::size_t>(n));
  for (int r = 1; r <= n; ++r) {
    const TSVNapr& d = *info.Directions.Item(r);
    Grid_.SetCell(r, kName, d.NumberText());
    Grid_.SetCell(r, kPhases, d.PhaseListText());
    Grid_.SetCell(r, kConflict, d.ConflictText);
    Grid_.SetCell(r, kGreen, std::to_string(d.TGreen));
    Grid_.SetCell(r, kGreenFlash, std::to_string(d.TGreenFlash));
    Grid_.SetCell(r, kYellow, std::to_string(d.TYellow));
    Grid_.SetCell(r, kRed, std::to_string(d.TRed));
    Grid_.SetCell(r, kRedYellow, std::to_string(d.TRedYellow));
    Grid_.SetCell(r, kRedControl, d.RedControlText);
    Remembered_[static_cast<std::size_t>(r - 1)] = {d.TGreen, d.TRed};
  }
}

int TNaprDataFormModel::RememberedGreen(int row) const {
  if (row < 1 || row > Grid_.RowCount()) return 0;
  return static_cast<int>(Remembered_[static_cast<std::size_t>(row - 1)].Green);
}

int TNaprDataFormModel::RememberedRed(int row) const {
  if (row < 1 || row > Grid_.RowCount()) return 0;
  return static_cast<int>(Remembered_[static_cast<std::size_t>(row - 1)].Red);
}

bool TNaprDataFormModel::PressButton(const std::string& caption) {
  if (caption == "Добавить ") {
    // The set holds at most 255 directions; a longer grid would lose its tail.
    if (Grid_.RowCount() >= kMaxSlots) return false;
    const int r = Grid_.AppendRow();
    Grid_.SetCell(r, kName, std::to_string(r));
    for (int c : {kGreen, kGreenFlash, kYellow, kRed, kRedYellow}) Grid_.SetCell(r, c, "0");
    // The new row shows 0 for green and red, so that is what it remembers.
    Remembered_.push_back({});
    return Grid_.Select(r);
  }
  if (caption == "Удалить") {
    const int r = Grid_.Selected();
    if (!Grid_.DeleteRow(r)) return false;
    Remembered_.erase(Remembered_.begin() + (r - 1));
    return true;
  }
  return false;
}

void TNaprDataFormModel::CellEdited(int row, int column) {
  if (column != kGreen && column != kRed) return;
  long long v = 0;
  if (!StrictInteger(TrimText(Grid_.Cell(row, column)), v)) return;
  TRemembered& last = Remembered_[static_cast<std::size_t>(row - 1)];
  if (column == kGreen && v != last.Green) {
    // The usual intermediate period: three seconds of flashing green, then
    // three of yellow.
    Grid_.SetCell(row, kGreenFlash, std::to_string(v - 3));
    Grid_.SetCell(row, kYellow, std::to_string(v - 6));
    last.Green = v;
  } else if (column == kRed && v != last.Red) {
    Grid_.SetCell(row, kRedYellow, std::to_string(v));
    last.Red = v;
  }
}

bool TNaprDataFormModel::CheckCells() {
  for (int r = 1; r <= Grid_.RowCount(); ++r)
    for (int c : {kGreen, kGreenFlash, kYellow, kRed, kRedYellow})
      if (!CheckSecondsCell(r, c)) return false;
  return true;
}

void TNaprDataFormModel::Store() {
  Info_.SetDirectionCount(Grid_.RowCount());
  for (int r = 1; r <= Grid_.RowCount(); ++r) {
    TSVNapr& d = *Info_.Directions.Item(r);
    d.SetName(OneLineText(Grid_.Cell(r, kName)));
    d.SetPhaseList(Grid_.Cell(r, kPhases));
    d.ConflictText = OneLineText(Grid_.Cell(r, kConflict));
    d.TGreen = Seconds(Grid_.Cell(r, kGreen));
    d.TGreenFlash = Seconds(Grid_.Cell(r, kGreenFlash));
    d.TYellow = Seconds(Grid_.Cell(r, kYellow));
    d.TRed = Seconds(Grid_.Cell(r, kRed));
    d.TRedYellow = Seconds(Grid_.Cell(r, kRedYellow));
    d.RedControlText = OneLineText(Grid_.Cell(r, kRedControl));
  }
}

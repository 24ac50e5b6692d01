#include "PlanGenerator.h"

#include <algorithm>
#include <string>

#include "GenRandom.h"
#include "plan/SVInfo.h"
#include "plan/SVtime.h"

namespace {

struct TNaprPlan {
  const char* Phases;
  const char* Conflicts;
  bool Pedestrian;
};

// Indexed by direction number - 1.
constexpr TNaprPlan kNaprPlan[GenNapr::Count] = {
    {"1", "3, 4, 5, 6, 9, 10", false},     {"1", "3, 4, 5, 6, 9, 10", false},
    {"2", "2, 5, 6, 7, 8", false},         {"2", "1, 5, 6, 7, 8", false},
    {"3", "1, 2, 3, 4, 7, 8", false},      {"3", "1, 2, 3, 4, 7, 8", false},
    {"1", "3, 4, 5, 6", true},             {"1", "3, 4, 5, 6", true},
    {"3", "1, 2, 11, 12", true},           {"3", "1, 2, 11, 12", true},
    {"1, 4", "5, 6, 9, 10", false},        {"4", "5, 6, 9, 10", false},
};

void FillTable(TSVTable& table, int rows, const char* const* firstCells, TGenRandom& rng) {
  table.SetRowCount(rows);
  for (int row = 1; row <= rows; ++row)
    for (int col = 1; col <= table.ColCount; ++col)
      table.SetCell(col, row,
                    col == 1 ? std::string(firstCells[(row - 1) % 4]) : std::to_string(rng.Int(1, 40)));
}

}  // namespace

int FirstPhaseOf(int napr) {
  if (napr < 1 || napr > GenNapr::Count) return 1;
  return kNaprPlan[napr - 1].Phases[0] - '0';
}

void FillGeneratedPlan(TSVInfo& info, TGenRandom& rng) {
  info.Address1 = "ул. Садовая - ул. Полевая, " + std::to_string(rng.Int(1, 99));
  info.Address2 = "группа перекрёстков № " + std::to_string(rng.Int(1, 500));
  info.ObjectType = 1;
  info.Comment = "Синтетический паспорт для проверки производительности.\r\nСхема из сетки перекрёстков.";
  info.ConnectionText = "Подключение к системе по выделенной линии.";
  info.RealScale = 1.0;

  info.SetPhaseCount(kGenPhaseCount);
  info.SetDirectionCount(GenNapr::Count);
  info.Directions.PhaseCount = info.PhaseCount;
  for (int i = 1; i <= GenNapr::Count; ++i) {
    TSVNapr& d = *info.Directions.Item(i);
    const TNaprPlan& plan = kNaprPlan[i - 1];
    d.SetName(std::to_string(i));
    d.SetPhaseList(plan.Phases);
    d.ConflictText = plan.Conflicts;
    if (plan.Pedestrian) {
      d.TGreen = 6, d.TGreenFlash = 3, d.TYellow = 3, d.TRed = 0, d.TRedYellow = 0;
      d.RedControlText = "нет";
    } else {
      d.TGreen = 9, d.TGreenFlash = 6, d.TYellow = 3, d.TRed = 2, d.TRedYellow = 0;
      d.RedControlText = "да";
    }
  }

  // Every program runs in the same cycle: a phase lasts its main time and
  // then the intermediate time of the directions it closes, and the phases
  // of each program add up to Tкк. Programs II and III shorten the turning,
  // side-road and tram phases (never below their minimum) and give what
  // they take to the main road.
  const TSVtime clock(&info);
  const int mains[kGenPhaseCount] = {30, 12, 25, 10};
  int intermediate = 0;
  for (int p = 1; p <= kGenPhaseCount; ++p) intermediate += clock.IntermediateTime(p);
  int cycle = 0;
  for (std::size_t k = 1; k <= 3; ++k) {
    int sum = 0;
    for (int p = 1; p <= kGenPhaseCount; ++p) {
      TSVPhase& phase = *info.Phases.Item(p);
      phase.TMin = static_cast<std::uint16_t>(mains[p - 1] / 3 + 4);
      const int main = mains[p - 1] - 3 * static_cast<int>(k - 1) + rng.Int(0, 3);
      phase.TMain[k] = static_cast<std::uint16_t>(std::max<int>(phase.TMin, main));
      sum += phase.TMain[k];
    }
    // Program I sets the cycle; the others are never longer, the main road
    // takes up the rest.
    if (k == 1) cycle = sum + intermediate;
    std::uint16_t& mainRoad = info.Phases.Item(1)->TMain[k];
    mainRoad = static_cast<std::uint16_t>(mainRoad + cycle - intermediate - sum);
  }
  info.Phases.Tkk = static_cast<std::uint16_t>(cycle);

  static const char* const kEquipment[] = {"Контроллер дорожный", "Светофор транспортный", "Светофор пешеходный",
                                           "Стойка"};
  static const char* const kChanges[] = {"01.03.2021", "15.06.2022", "10.09.2023", "20.04.2024"};
  FillTable(info.EquipmentTable, 4, kEquipment, rng);
  FillTable(info.ChangeTable, 2, kChanges, rng);

  TTramscheme& tram = info.TramScheme;
  tram.Count = 2;
  for (int s = 1; s <= 2; ++s) {
    TTramSchemeEntry& e = tram.Schemes[static_cast<std::size_t>(s)];
    e.Name = "Т." + std::to_string(s);
    const int napr = s == 1 ? GenNapr::TramEastbound : GenNapr::TramWestbound;
    for (int l = 1; l <= 4; ++l) {
      TTramLamp& lamp = e.Lamps[static_cast<std::size_t>(l)];
      lamp.Kind = static_cast<std::uint8_t>(l - 1);
      lamp.Direction = static_cast<std::uint8_t>(napr);
    }
  }
}

#pragma once
// A passport on disk whose information has an equipment list, a change log
// and two tram-head schemes, read into a TSVInfo for the table dialogs.
#include <string>
#include <vector>

#include "TestSupport.h"
#include "plan/SVInfo.h"
#include "platform/Codec1251.h"
#include "platform/Messages.h"

namespace tablesfixture {

// Three directions (so the tram lamps' direction edits go from 1 to 3);
// equipment: 2 rows; change log: 2 rows of 8 cells; no exo rows; two tram
// schemes "Г 1" (red 1, yellow 2, green 3, phase 1) and "Г 2" (green 2,
// green 3, red 1, phase 3).
inline std::string SampleInfoText() {
  std::string t = CrLf({"ул. Садовая", "пр. Речной", "1", "2", "1", "5 10 20 30", "2", "5 12 22 32", "60", "3",
                        "1", "1", "", "9 6 3 2 2", "", "2", "2", "", "9 6 3 2 2", "", "3", "1, 2", "", "7 4 1 2 2",
                        ""});
  t += "Комментарий";
  t += std::string(1, '\0') + "\r\n";
  t += CrLf({"4 2", "Контроллер", "УК-4", "1", "нет", "Кабель", "ТПП   5 x 1,5", "120 м", "",
             "8 2", "12.01.2020 г.", "Реконструкция", "4", "0", "2", "0", "ДКС", "заменён контроллер",
             "03.06.2021 г.", "Ремонт", "4", "1", "2", "1", "ДКС", "", "8 0"});
  t += "Подключение к АСУДД";
  t += std::string(1, '\0') + "\r\n";
  t += CrLf({"2", "Г 1", "0 1", "1 2", "2 3", "3 1", "Г 2", "2 2", "2 3", "0 1", "3 3", "1"});
  return Encode1251(t);
}

struct TInfoOnDisk {
  explicit TInfoOnDisk(const std::string& text = SampleInfoText()) : Info(nullptr, Dir.Path()) {
    WriteBytes(Dir.File("info.txt"), text);
    Loaded = Info.LoadAll();
  }
  // The information as a fresh load of info.txt gives it.
  std::unique_ptr<TSVInfo> Reloaded() const {
    auto info = std::make_unique<TSVInfo>(nullptr, Dir.Path());
    info->LoadAll();
    return info;
  }

  TMessageCapture Messages;
  TTempDir Dir;
  TSVInfo Info;
  bool Loaded = false;
};

// Every cell of a table, row by row, each row as wide as the table.
inline std::vector<std::vector<std::string>> Rows(const TSVTable& table) {
  std::vector<std::vector<std::string>> rows;
  for (int r = 1; r <= table.RowCount; ++r) {
    rows.emplace_back();
    for (int c = 1; c <= table.ColCount; ++c) rows.back().push_back(table.Cell(c, r));
  }
  return rows;
}

template <class TGrid>
std::vector<std::vector<std::string>> GridRows(const TGrid& grid) {
  std::vector<std::vector<std::string>> rows;
  for (int r = 1; r <= grid.RowCount(); ++r) {
    rows.emplace_back();
    for (int c = 0; c < grid.ColumnCount(); ++c) rows.back().push_back(grid.Cell(r, c));
  }
  return rows;
}

using TRows = std::vector<std::vector<std::string>>;

}  // namespace tablesfixture

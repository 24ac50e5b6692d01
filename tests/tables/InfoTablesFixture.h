#pragma once
// The sample passport svo1 copied into a temporary database, loaded, for the
// table dialog tests; and a second reading of it after a save.
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "TestSupport.h"
#include "model/SVObject.h"
#include "plan/SVInfo.h"
#include "platform/Messages.h"

class TSampleTables {
 public:
  TSampleTables() {
    std::filesystem::copy(SourcePath("data/Data/svo1"), Db.Path() + "svo1");
    Passport = std::make_unique<TSVObject>(Db.Path() + "svo1/");
    Passport->Info->LoadAll();
  }

  TSVInfo& Info() { return *Passport->Info; }

  // A second passport object reading the same directory from disk.
  std::unique_ptr<TSVObject> Reload() const {
    auto again = std::make_unique<TSVObject>(Db.Path() + "svo1/");
    again->Info->LoadAll();
    return again;
  }

  TTempDir Db;
  std::unique_ptr<TSVObject> Passport;
};

// Every cell of a grid row, for comparing whole rows at once.
template <class Model>
std::vector<std::string> RowCells(const Model& m, int row) {
  std::vector<std::string> cells;
  for (int c = 0; c < m.Grid().ColumnCount(); ++c) cells.push_back(m.Grid().Cell(row, c));
  return cells;
}

template <class Model>
std::vector<std::string> Headers(const Model& m) {
  std::vector<std::string> h;
  for (int c = 0; c < m.Grid().ColumnCount(); ++c) h.push_back(m.Grid().Column(c).Caption);
  return h;
}

template <class Model>
std::vector<int> Widths(const Model& m) {
  std::vector<int> w;
  for (int c = 0; c < m.Grid().ColumnCount(); ++c) w.push_back(m.Grid().Column(c).Width);
  return w;
}

// The texts of the messages shown, in order.
inline std::vector<std::string> Texts(const TMessageCapture& shown) {
  std::vector<std::string> t;
  for (const TMessage& m : shown.Messages) t.push_back(m.Text);
  return t;
}

inline const char* kConversion = "Ошибка перевода строки в число. Вероятно, введено нецелое число секунд. (";

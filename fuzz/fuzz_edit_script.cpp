// A session of the scheme editor from hostile bytes: each few bytes become
// one scripted event (a tool, a click, a move, a key, a dialog answer, a
// command) on a passport. Nothing may crash, a placement never holds more
// than 100 points, and what the editor saves reads back to the same entries.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "FuzzSupport.h"
#include "edit/EditScript.h"
#include "edit/EditSession.h"
#include "model/SVObject.h"
#include "platform/TextFile.h"

namespace {

class TBytes {
 public:
  TBytes(const std::uint8_t* data, std::size_t size) : D_(data), N_(size) {}
  bool Empty() const { return P_ >= N_; }
  int Next() { return P_ < N_ ? D_[P_++] : 0; }
  int Coord(int range) { return (Next() * 256 + Next()) % range - 20; }

 private:
  const std::uint8_t* D_;
  std::size_t N_;
  std::size_t P_ = 0;
};

const char* const kForms[] = {"TStolbMenuForm", "TSelSignForm",  "TSetTextForm",  "TWhiteSignForm", "TSelHeadForm",
                              "TSelNaprForm",   "TSelArrowForm", "TSelCableForm", "TSelLineForm"};
const char* const kCaptions[] = {
    "Свой",     "Чужой",        "Главная дорога",   "Stop",           "Направление главной дороги",
    "Табличка", "Пешеходная",   "Трамвайная",       "Налево",         "Прерывистая",
    "Двойная",  "Линия связи ", "Треугольный знак", "Движение налево"};
const char* const kFields[] = {"TextField", "textfield", "DownTextField"};
const char* const kLists[] = {"NaprBox", "leftBox", "forbox", "rightbox"};
const char* const kKeys[] = {"Esc", "Delete", "Ctrl+Z", "Ctrl+Y", "KP+", "KP-"};
const char* const kCommands[] = {"Показать целиком", "Редактирование/просмотр", "Отменить последнее действие",
                                 "Вернуть отменённое", "Смена типа кабеля"};

template <typename T, std::size_t N>
const T& Pick(TBytes& b, const T (&a)[N]) {
  return a[static_cast<std::size_t>(b.Next()) % N];
}

std::string Quoted(const std::string& s) { return "\"" + s + "\""; }

std::string NextLine(TBytes& b) {
  const auto pt = [&b] { return std::to_string(b.Coord(1040)) + " " + std::to_string(b.Coord(740)); };
  switch (b.Next() % 12) {
    case 0: {
      const auto& tools = TEditSession::Tools();
      return "tool " + Quoted(tools[static_cast<std::size_t>(b.Next()) % tools.size()].Hint);
    }
    case 1:
    case 2:
      return "click " + pt();
    case 3:
      return "press " + pt();
    case 4:
      return "move " + pt();
    case 5:
      return "release " + pt();
    case 6:
      return std::string("key ") + Pick(b, kKeys);
    case 7:
      return std::string("command ") + Quoted(Pick(b, kCommands));
    case 8:
      return "tick";
    case 9:
      return "layer " + std::to_string(1 + b.Next() % 12) + " " + std::to_string(b.Next() % 2) + " " +
             std::to_string(b.Next() % 2) + " " + std::to_string(b.Next() % 2);
    default: {
      std::string line = std::string("dialog ") + Pick(b, kForms);
      const int actions = b.Next() % 3;
      for (int i = 0; i < actions; ++i) {
        switch (b.Next() % 4) {
          case 0:
            line += " check " + Quoted(Pick(b, kCaptions));
            break;
          case 1:
            line += std::string(" text ") + Pick(b, kFields) + " " + Quoted(std::string(b.Next() % 3, 'A'));
            break;
          case 2:
            line += std::string(" select ") + Pick(b, kLists) + " " + Quoted(std::to_string(b.Next() % 5));
            break;
          default:
            line += " cell " + std::to_string(b.Next() % 120) + " " + std::to_string(b.Next() % 120);
            break;
        }
      }
      static const char* const kButtons[] = {" ok", " cancel", " close"};
      return line + Pick(b, kButtons);
    }
  }
}

std::vector<std::string> Entries(TSVObject& scheme) {
  std::vector<std::string> entries;
  for (int n = 1; n <= kLayerCount; ++n)
    for (const auto& item : scheme.Layer(n).Items()) {
      if (item->Hidden) continue;
      TTextWriter w;
      item->SaveToText(w);
      entries.push_back(std::to_string(item->TypeCode) + "\n" + w.Bytes());
    }
  return entries;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Messages();
  const std::string& dir = ScratchDir("edit");
  WriteFile(dir + "info.txt", FixedInfoBytes());
  WriteFile(dir + "map.txt", std::string());
  TSVObject scheme(dir);
  scheme.LoadAll();
  TNullCanvas canvas;
  TScriptDialogHost host;
  {
    TEditSession session(scheme, host);
    session.SetCanvas(&canvas, 1000, 700);
    session.Prepare();
    session.Show();
    TEditScriptRunner runner(scheme, session, host, TScriptEnv{});
    TBytes bytes(data, size);
    std::string error;
    for (int line = 1; !bytes.Empty() && line < 2000; ++line) {
      runner.RunLine(line, NextLine(bytes), error);
      if (session.PointCount() > kMaxPlacePoints) FuzzFail("a placement holds more than 100 points");
    }
    session.Key(TEditKey::Esc);
    if (!session.Save()) FuzzFail("the editor could not save");
  }
  const std::vector<std::string> saved = Entries(scheme);
  TSVObject loaded(dir);
  loaded.LoadAll();
  const std::vector<std::string> back = Entries(loaded);
  if (back.size() != saved.size())
    FuzzFail("the saved scheme reads back with " + std::to_string(back.size()) + " items instead of " +
             std::to_string(saved.size()));
  for (std::size_t i = 0; i < saved.size(); ++i)
    if (back[i] != saved[i])
      FuzzFail("item " + std::to_string(i) + " reads back as\n" + back[i] + "\ninstead of\n" + saved[i]);
  return 0;
}

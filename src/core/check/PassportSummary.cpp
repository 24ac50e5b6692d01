#include "PassportSummary.h"

#include <cctype>

#include "PassportCheck.h"
#include "model/SVObject.h"
#include "plan/SVInfo.h"

namespace {

// The integer of `count` digits at `pos`, -1 when they are not all digits.
int DigitsAt(const std::string& s, std::size_t pos, std::size_t count) {
  if (pos + count > s.size()) return -1;
  int v = 0;
  for (std::size_t i = pos; i < pos + count; ++i) {
    if (!std::isdigit(static_cast<unsigned char>(s[i]))) return -1;
    v = v * 10 + (s[i] - '0');
  }
  return v;
}

}  // namespace

int ChangeDateKey(const std::string& text) {
  const std::string s = TrimText(text);
  const int d = DigitsAt(s, 0, 2), m = DigitsAt(s, 3, 2), y = DigitsAt(s, 6, 4);
  if (d < 1 || d > 31 || m < 1 || m > 12 || y < 0 || s[2] != '.' || s[5] != '.') return 0;
  return y * 10000 + m * 100 + d;
}

std::string ObjectTypeCaption(int type) {
  switch (type) {
    case 0:
      return "Системный";
    case 1:
      return "Локальный";
    case 2:
      return "УК";
    default:
      return std::to_string(type);
  }
}

TPassportSummary SummarizePassport(const std::string& dir) {
  TLoadedPassport p = LoadPassportQuietly(dir);
  TSVObject& scheme = *p.Scheme;
  const TSVInfo& info = *scheme.Info;
  TPassportSummary s;
  s.Dir = dir;
  {
    // A directory without "svo" in its name is reported by a box.
    TThreadMessageCapture quiet;
    s.Number = info.ObjectNumber();
  }
  s.Address = info.AddressText();
  s.ObjectType = info.ObjectType;
  s.Phases = info.PhaseCount;
  s.Directions = info.DirectionCount;
  for (int n = 1; n <= kLayerCount; ++n) s.Items += scheme.Layer(n).Count();
  // The log is kept in the order entries were made, but entries are also
  // added out of order: the latest date wins. The date belongs in the first
  // column, yet older logs carry a row number there, so a row's date is its
  // first cell that reads as one. A log without dates shows its last entry.
  const TSVTable& log = info.ChangeTable;
  for (int r = 1; r <= log.RowCount; ++r) {
    int key = 0;
    std::string date;
    for (int c = 1; c <= log.ColCount && key == 0; ++c) {
      date = TrimText(log.Cell(c, r));
      key = ChangeDateKey(date);
    }
    if (key > 0 && key >= s.LastChangeKey) {
      s.LastChangeKey = key;
      s.LastChange = date;
    } else if (s.LastChangeKey == 0 && !TrimText(log.Cell(1, r)).empty()) {
      s.LastChange = TrimText(log.Cell(1, r));
    }
  }
  s.Findings = CountFindings(CheckPassport(scheme, p.Messages));
  return s;
}

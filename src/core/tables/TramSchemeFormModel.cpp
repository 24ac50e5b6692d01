#include "TramSchemeFormModel.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>

#include "InfoEdit.h"
#include "TextGrid.h"
#include "plan/SVInfo.h"
#include "plan/SVNapr.h"

const std::array<const char*, 4> TTramSchemeFormModel::kKindItems = {"Красн.", "Желт.", "Зелен.", "Фаза"};
const std::array<const char*, TTramSchemeFormModel::kGroups + 1> TTramSchemeFormModel::kGroupCaptions = {
    "", "Первая схема ", "Вторая схема", "Третья схема", "Четвертая схема"};

namespace {

constexpr int kMaxTypedDirection = 99;

// A whole number with an optional sign and blanks around it, nothing else.
bool WholeNumber(const std::string& text, long& value) {
  const std::string t = TrimText(text);
  if (t.empty()) return false;
  errno = 0;
  char* end = nullptr;
  value = std::strtol(t.c_str(), &end, 10);
  return errno == 0 && end == t.c_str() + t.size() && (t[0] == '-' || t[0] == '+' || (t[0] >= '0' && t[0] <= '9'));
}

}  // namespace

TTramSchemeFormModel::TTramSchemeFormModel(TSVInfo& info) : Info_(info) { Fill(); }

int TTramSchemeFormModel::ClampDirection(int direction) const {
  return std::clamp(direction, MinDirection(), MaxDirection_);
}

void TTramSchemeFormModel::Fill() {
  MaxDirection_ = std::clamp(static_cast<int>(Info_.DirectionCount), 1, kMaxTypedDirection);
  const TTramscheme& schemes = Info_.TramScheme;
  Count_ = std::min<int>(schemes.Count, kGroups);
  for (int g = 1; g <= kGroups; ++g) {
    const TTramSchemeEntry& scheme = schemes.Schemes[static_cast<std::size_t>(g)];
    TGroup& group = Groups_[static_cast<std::size_t>(g)];
    group.Name = scheme.Name;
    // A scheme not yet in use is offered under the name its group box had
    // from the start, as the first two are named "Г 1" and "Г 2".
    if (group.Name.empty() && g > schemes.Count) group.Name = "Г " + std::to_string(g);
    for (int l = 1; l <= kTramLamps; ++l) {
      const TTramLamp& stored = scheme.Lamps[static_cast<std::size_t>(l)];
      TLamp& lamp = group.Lamps[static_cast<std::size_t>(l)];
      lamp.Kind = stored.Kind;
      // The spin edit corrects a direction outside its range on showing it.
      lamp.Direction = ClampDirection(stored.Direction);
    }
  }
}

bool TTramSchemeFormModel::Spin(const std::string& control, int value) {
  if (control != "NumSpin") return false;
  Count_ = std::clamp(value, 0, kGroups);
  return true;
}

TTramSchemeFormModel::TLamp* TTramSchemeFormModel::Lamp(int group, int lamp) {
  if (!GroupShown(group) || lamp < 1 || lamp > kTramLamps) return nullptr;
  return &Groups_[static_cast<std::size_t>(group)].Lamps[static_cast<std::size_t>(lamp)];
}

bool TTramSchemeFormModel::SetLampKind(int group, int lamp, int kind) {
  TLamp* l = Lamp(group, lamp);
  if (!l || kind < 0 || kind >= static_cast<int>(kKindItems.size())) return false;
  l->Kind = kind;
  return true;
}

bool TTramSchemeFormModel::SetLampDirection(int group, int lamp, int direction) {
  TLamp* l = Lamp(group, lamp);
  if (!l) return false;
  l->Direction = ClampDirection(direction);
  return true;
}

bool TTramSchemeFormModel::SetTramLamp(int group, int lamp, const std::string& kind, const std::string& direction) {
  const auto item = std::find_if(kKindItems.begin(), kKindItems.end(), [&](const char* k) { return kind == k; });
  long number = 0;
  if (!Lamp(group, lamp) || item == kKindItems.end() || !WholeNumber(direction, number)) return false;
  const long limited = std::clamp<long>(number, -1000, 1000);
  return SetLampKind(group, lamp, static_cast<int>(item - kKindItems.begin())) &&
         SetLampDirection(group, lamp, static_cast<int>(limited));
}

bool TTramSchemeFormModel::SetTramName(int group, const std::string& text) {
  if (!GroupShown(group)) return false;
  Groups_[static_cast<std::size_t>(group)].Name = CellText(text);
  return true;
}

int TTramSchemeFormModel::Press(TDialogButton button) {
  if (button != TDialogButton::Ok) return mrCancel;
  StoreMarkingEdits(Info_, [this] {
    TTramscheme& schemes = Info_.TramScheme;
    schemes.Count = static_cast<std::uint8_t>(Count_);
    for (int g = 1; g <= kGroups; ++g) {
      const TGroup& group = Groups_[static_cast<std::size_t>(g)];
      TTramSchemeEntry& scheme = schemes.Schemes[static_cast<std::size_t>(g)];
      scheme.Name = TrimText(group.Name);
      for (int l = 1; l <= kTramLamps; ++l) {
        const TLamp& lamp = group.Lamps[static_cast<std::size_t>(l)];
        scheme.Lamps[static_cast<std::size_t>(l)] = {static_cast<std::uint8_t>(lamp.Kind),
                                                     static_cast<std::uint8_t>(lamp.Direction)};
      }
    }
  });
  return mrOk;
}

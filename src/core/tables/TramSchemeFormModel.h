#pragma once
// "Схемы подключения трамвайных головок": up to four connection schemes of
// tram heads, each a name and four lamps lit by a signal of a direction or
// by the phase signal.
#include <array>
#include <string>

#include "platform/Dialogs.h"
#include "plan/Tramscheme.h"

class TSVInfo;

class TTramSchemeFormModel : public TDialogModel {
 public:
  static constexpr int kGroups = kMaxTramSchemes;
  // The lamp kinds as the lamp lists show them, by Kind.
  static const std::array<const char*, 4> kKindItems;
  // The captions of the four group boxes.
  static const std::array<const char*, kGroups + 1> kGroupCaptions;

  struct TLamp {
    // The list's index: 0 red, 1 yellow, 2 green, 3 phase signal; a kind the
    // list does not offer (from a damaged file) stays as read, shown as no
    // entry, until the user picks one.
    int Kind = 0;
    int Direction = 1;
  };
  struct TGroup {
    // As typed; Ok stores it trimmed.
    std::string Name;
    // Lamps[1..4]; [0] unused.
    std::array<TLamp, kTramLamps + 1> Lamps{};
  };

  explicit TTramSchemeFormModel(TSVInfo& info);

  const char* FormName() const override { return "TTramSForm"; }
  static const char* Caption() { return "Схемы подключения трамвайных головок"; }

  // Refills every group from the tram schemes.
  void Fill();

  // NumSpin, 0..4: the groups 1..NumSpin are shown and can be changed.
  int Count() const { return Count_; }
  bool GroupShown(int group) const { return group >= 1 && group <= Count_; }
  const TGroup& Group(int group) const { return Groups_[static_cast<std::size_t>(group)]; }
  // The range of the lamps' direction spin edits: 1 to the number of
  // directions (at least 1, at most the two digits the edit takes).
  int MinDirection() const { return 1; }
  int MaxDirection() const { return MaxDirection_; }

  // "NumSpin"; a value outside 0..4 is corrected to the nearest end.
  bool Spin(const std::string& control, int value) override;
  // Kind by its list text ("Красн.", "Желт.", "Зелен.", "Фаза"), direction
  // as a whole number, corrected into the spin edit's range. Refused for a
  // hidden group or a text that is neither.
  bool SetTramLamp(int group, int lamp, const std::string& kind, const std::string& direction) override;
  bool SetTramName(int group, const std::string& text) override;
  // Ok: the count, and all four groups whether shown or not; Cancel and the
  // close box drop the edits.
  int Press(TDialogButton button) override;

  // The same changes by list index and number, for the windows.
  bool SetLampKind(int group, int lamp, int kind);
  bool SetLampDirection(int group, int lamp, int direction);

 private:
  TLamp* Lamp(int group, int lamp);
  int ClampDirection(int direction) const;

  TSVInfo& Info_;
  int Count_ = 0;
  int MaxDirection_ = 1;
  std::array<TGroup, kGroups + 1> Groups_{};
};

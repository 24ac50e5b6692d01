#pragma once
// "Длина фаз": the length of each of the first seven phases, in seconds, that
// the time diagram is printed with. It starts from the main times of the
// selected program; phases the passport lacks are off and hold 0.
#include <array>
#include <string>

#include "platform/Dialogs.h"

class TSVObject;

class TSetPhaseLenModel : public TDialogModel {
 public:
  static constexpr int kPhases = 7;
  static constexpr int kMaxLength = 200;

  explicit TSetPhaseLenModel(TSVObject& passport);

  const char* FormName() const override { return "TSetPhaseForm"; }
  int Press(TDialogButton button) override;
  // Spin edit "1" .. "7", 0 to 200 seconds; a phase the passport lacks is off.
  bool Spin(const std::string& control, int value) override;

  // Refills from the passport's clock: the main times of the selected program.
  void Fill(TSVObject& passport);

  // Lengths[1..7]; [0] unused.
  std::array<int, kPhases + 1> Lengths{};
  std::array<bool, kPhases + 1> Enabled{};
  // The row captions, [1..7].
  static const char* const kCaptions[kPhases + 1];
};

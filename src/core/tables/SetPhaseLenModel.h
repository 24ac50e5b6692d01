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
  // The spin edits' usual top; a stored main time above it raises the top
  // of its own phase, up to the largest length a plan can hold.
  static constexpr int kMaxLength = 200;
  static constexpr int kLargestLength = 65535;

  explicit TSetPhaseLenModel(TSVObject& passport);

  const char* FormName() const override { return "TSetPhaseForm"; }
  int Press(TDialogButton button) override;
  // Spin edit "1" .. "7", 0 up to Max of the phase; a phase the passport
  // lacks is off.
  bool Spin(const std::string& control, int value) override;

  // Refills from the passport's clock: the main times of the selected program.
  void Fill(TSVObject& passport);

  // Lengths[1..7]; [0] unused.
  std::array<int, kPhases + 1> Lengths{};
  std::array<bool, kPhases + 1> Enabled{};
  // The top each spin edit offers: 200 s, or the stored main time when it is
  // longer (at most 65 535).
  std::array<int, kPhases + 1> Max{};
  // The row captions, [1..7].
  static const char* const kCaptions[kPhases + 1];
};

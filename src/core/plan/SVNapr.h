#pragma once
// Traffic directions: which phases each one is open in, and the thresholds on
// the seconds left in a phase at which its signal changes.
#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "SVPhase.h"
#include "platform/Types.h"

class TNaprSet;
class TSVInfo;

// Signal colours shared by heads and direction arrows.
constexpr TColor kSignalGreen = 0x60FF60;
constexpr TColor kSignalRed = 0x5050FF;
constexpr TColor kSignalYellow = 0x20FFFF;
// The dark half of a flashing green.
constexpr TColor kSignalDark = 0x404040;

// Only phases 1..7 can be marked as open for a direction.
constexpr int kMarkedPhases = 7;
constexpr std::size_t kMaxNameLength = 5;

// Text without leading and trailing blanks and control characters.
std::string TrimText(const std::string& text);

class TSVNapr {
 public:
  explicit TSVNapr(TNaprSet* owner = nullptr) : Owner(owner) {}

  std::uint8_t Number = 0;
  // At most 5 characters.
  std::string Name;
  // Phases[1..7]: open in that phase; Phases[0] is unused.
  std::array<bool, kMarkedPhases + 1> Phases{};
  std::string ConflictText;
  // Thresholds on the seconds left in the phase.
  std::uint16_t TGreen = 0;
  std::uint16_t TGreenFlash = 0;
  std::uint16_t TYellow = 0;
  std::uint16_t TRed = 0;
  std::uint16_t TRedYellow = 0;
  std::string RedControlText;
  // Copies of the phase clock, written by the scheme object.
  double Remaining = 0.0;
  std::uint8_t CurrentPhase = 0;
  TNaprSet* Owner = nullptr;

  std::string NumberText() const { return Name; }
  // Trims, keeps the first 5 characters, and takes Number from the digits of
  // the stored name; a name without digits keeps the old Number.
  void SetName(const std::string& text);
  // "1, 3, 5"; empty when no phase is marked.
  std::string PhaseListText() const;
  // Marks phase d for every character '1'..'7'; everything else is ignored.
  void SetPhaseList(const std::string& text);
  // Open in phase p; phase 0 and phases above 7 are closed.
  bool IsOpenIn(int p) const;
  // The colour shown now, from CurrentPhase and Remaining.
  TColor SignalColor() const;
  // Open in the current phase and not yet in its intermediate period.
  bool IsGreenNow() const;
};

class TNaprSet {
 public:
  TNaprSet() = default;
  TNaprSet(const TNaprSet&) = delete;
  TNaprSet& operator=(const TNaprSet&) = delete;

  std::uint8_t Count = 0;
  // Items[1..Count] are filled, every other slot is empty.
  std::array<std::unique_ptr<TSVNapr>, kMaxSlots + 1> Items;
  // Where GetNextPhase wraps; set when info.txt is loaded and by the phase
  // selector.
  std::uint8_t PhaseCount = 0;
  // The passport the directions belong to (its object type decides the
  // colour rule); nullptr for a set on its own.
  const TSVInfo* Info = nullptr;

  TSVNapr* Item(int i) const;
  // n is cut to 0..255. Directions that stay keep their values; new ones are
  // numbered and named by their slot.
  void SetCount(int n);
  // Frees every direction.
  void Clear();
  // The direction in the lowest slot whose Number equals the number in the
  // digits of name; nullptr when none (or when name has no digits and no
  // direction is numbered 0).
  TSVNapr* findNapr(const std::string& name) const;
  int GetNextPhase(int p) const;
  bool IsUK() const;
  // Reads Count direction records.
  void LoadFromFile(TTextReader& in);
  void savetofile(TTextWriter& out) const;
};

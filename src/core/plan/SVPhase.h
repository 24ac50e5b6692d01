#pragma once
// The phases of a signal plan: each phase has a minimum time and one main
// time per controller program; the set also keeps the cycle time the user
// entered.
#include <array>
#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>

class TTextReader;
class TTextWriter;

// Phases, directions and table rows live in 1-based slots 1..255 behind an
// 8-bit count; slot 0 stays unused.
constexpr int kMaxSlots = 255;

// info.txt asks for more than a passport can hold (a count beyond its limit).
// Reading stops there, as for any other damaged field.
class TPassportIntegrityError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Checks a count read from info.txt against its limit and gives it back.
// what: the Russian noun shown in the message ("фаз", "направлений", ...).
int CheckedCount(std::int64_t n, int limit, const std::string& what);

// A one-line field as it can be stored: line breaks become blanks.
std::string OneLineText(const std::string& text);

class TSVPhase {
 public:
  std::uint8_t Number = 0;
  // Seconds.
  std::uint16_t TMin = 0;
  // TMain[1..3]: main times of programs I, II and III; TMain[0] is unused.
  std::array<std::uint16_t, 4> TMain{};

  std::string NumberText() const;
  // A text that is not a whole number stores 0.
  void SetNumberText(const std::string& text);
};

class TPhaseSet {
 public:
  TPhaseSet() = default;
  TPhaseSet(const TPhaseSet&) = delete;
  TPhaseSet& operator=(const TPhaseSet&) = delete;

  std::uint8_t Count = 0;
  // Items[1..Count] are filled, every other slot is empty.
  std::array<std::unique_ptr<TSVPhase>, kMaxSlots + 1> Items;
  // Cycle time as entered by the user, seconds; the clock does not use it.
  std::uint16_t Tkk = 0;

  // The phase in slot i, nullptr outside 1..Count.
  TSVPhase* Item(int i) const;
  // n is cut to 0..255. Phases that stay keep their values; new ones are
  // numbered by their slot with all times 0.
  void SetCount(int n);
  // Reads Count phase records and the cycle time line.
  void LoadFromFile(TTextReader& in);
  void savetofile(TTextWriter& out) const;
};

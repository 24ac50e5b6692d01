#pragma once
// How the lamps of tram heads are connected: up to four schemes of four lamps,
// each lamp lit by a signal of a direction or by the phase signal.
#include <array>
#include <cstdint>
#include <string>

class TTextReader;
class TTextWriter;

constexpr int kMaxTramSchemes = 4;
constexpr int kTramLamps = 4;

struct TTramLamp {
  // 0 red, 1 yellow, 2 green, 3 phase signal.
  std::uint8_t Kind = 0;
  // Direction number 1..99.
  std::uint8_t Direction = 0;
};

struct TTramSchemeEntry {
  std::string Name;
  // Lamps[1..4]; Lamps[0] is unused.
  std::array<TTramLamp, kTramLamps + 1> Lamps{};
};

class TTramscheme {
 public:
  // 0..4.
  std::uint8_t Count = 0;
  // Schemes[1..4]; Schemes[0] is unused.
  std::array<TTramSchemeEntry, kMaxTramSchemes + 1> Schemes{};

  // A count above 4 is refused with TPassportIntegrityError before anything
  // changes.
  void Load(TTextReader& in);
  void Save(TTextWriter& out) const;
  // "Красн. 9н", "Жёлт. 9н", "Зелен. 9н", "Фаза", or empty for another kind.
  static std::string LampLabel(int kind, int direction);
};

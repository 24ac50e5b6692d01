#include "Tramscheme.h"

#include "SVPhase.h"
#include "platform/TextFile.h"

void TTramscheme::Load(TTextReader& in) {
  const int count = CheckedCount(in.ReadInt(), kMaxTramSchemes, "схем подключения трамвайных головок");
  in.SkipLine();
  Count = static_cast<std::uint8_t>(count);
  for (int s = count + 1; s <= kMaxTramSchemes; ++s) Schemes[static_cast<std::size_t>(s)] = TTramSchemeEntry{};
  for (int s = 1; s <= count; ++s) {
    TTramSchemeEntry& scheme = Schemes[static_cast<std::size_t>(s)];
    scheme.Name = in.ReadLine();
    for (int l = 1; l <= kTramLamps; ++l) {
      TTramLamp& lamp = scheme.Lamps[static_cast<std::size_t>(l)];
      lamp.Kind = static_cast<std::uint8_t>(in.ReadInt());
      lamp.Direction = static_cast<std::uint8_t>(in.ReadInt());
      in.SkipLine();
    }
  }
}

void TTramscheme::Save(TTextWriter& out) const {
  out.WriteIntLine(Count);
  for (int s = 1; s <= Count; ++s) {
    const TTramSchemeEntry& scheme = Schemes[static_cast<std::size_t>(s)];
    out.WriteLine(OneLineText(scheme.Name));
    for (int l = 1; l <= kTramLamps; ++l) {
      const TTramLamp& lamp = scheme.Lamps[static_cast<std::size_t>(l)];
      out.WriteLine(std::to_string(lamp.Kind) + " " + std::to_string(lamp.Direction));
    }
  }
}

std::string TTramscheme::LampLabel(int kind, int direction) {
  const std::string number = std::to_string(direction) + "н";
  switch (kind) {
    case 0:
      return "Красн. " + number;
    case 1:
      return "Жёлт. " + number;
    case 2:
      return "Зелен. " + number;
    case 3:
      return "Фаза";
    default:
      return "";
  }
}

#pragma once
// "Направление главной дороги" (kind 17): a white plate showing the roads
// that leave the junction, the main road thick and the others thin.
#include <array>
#include <cstdint>

#include "Sign.h"

class TWhiteSign : public TSign {
 public:
  using TSign::TSign;

  // Cells[1] .. Cells[8], one per road direction seen on the upright sign:
  // 1 right, then counter-clockwise in steps of 45 degrees (3 up, 5 left,
  // 7 down). 0 no road, 1 a secondary road, 2 the main road. Cells[0] is unused.
  std::array<std::uint8_t, 9> Cells{};

  void SaveToText(TTextWriter& f) override;
  void LoadFromText(TTextReader& f) override;

 protected:
  void DrawSymbol(TDrawContext& ctx, TSignLook look) override;
};

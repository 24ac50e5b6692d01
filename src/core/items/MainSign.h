#pragma once
// "Главная дорога" (kind 4) and "Конец главной дороги" (kind 8): a yellow
// diamond in a white one, the end of the main road struck through.
#include "Sign.h"

class TMainSign : public TSign {
 public:
  using TSign::TSign;

 protected:
  void DrawSymbol(TDrawContext& ctx, TSignLook look) override;
  double Reach() const override;
};

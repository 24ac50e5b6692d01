#pragma once
// "Уступи дорогу" (kind 6): a triangle standing on its apex at the stick.
#include "Sign.h"

class TLeaveSign : public TSign {
 public:
  using TSign::TSign;

 protected:
  void DrawSymbol(TDrawContext& ctx, TSignLook look) override;
  double Reach() const override;
};

#pragma once
// "Въезд запрещен" (kind 16): a red disc with a white bar across it.
#include "Sign.h"

class TBrickSign : public TSign {
 public:
  using TSign::TSign;

 protected:
  void DrawSymbol(TDrawContext& ctx, TSignLook look) override;
};

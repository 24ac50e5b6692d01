#pragma once
// "Stop" (kind 7): a red octagon with the word STOP.
#include "Sign.h"

class TStopSign : public TSign {
 public:
  using TSign::TSign;

 protected:
  void DrawSymbol(TDrawContext& ctx, TSignLook look) override;
};

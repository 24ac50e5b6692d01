#pragma once
// "Табличка" (kind 18): a plain plate, twice as wide as it is deep, its
// long side on the stick; its number is its label.
#include "Sign.h"

class TTableSign : public TSign {
 public:
  using TSign::TSign;

 protected:
  void DrawSymbol(TDrawContext& ctx, TSignLook look) override;
};

#pragma once
// The mandatory-direction signs (kinds 9 to 15): a blue disc with white
// arrows showing the directions allowed.
#include <vector>

#include "Sign.h"

// One arrow polygon of a sign picture.
struct TArrowShape {
  const TSignPoint* Points;
  int Count;
};

class TArrowSign : public TSign {
 public:
  using TSign::TSign;

  // The arrow polygons of a kind; empty for a kind that is not a direction sign.
  static std::vector<TArrowShape> ArrowsOf(int kind);

 protected:
  void DrawSymbol(TDrawContext& ctx, TSignLook look) override;
};

#pragma once
// A tram head: a hexagon with four lamps serving three directions (left,
// straight, right). A lamp of each open direction is lit together with the
// "any open" lamp; a head with nothing open lights its row of three.
#include "items/Head.h"

class TTramHead : public THead {
 public:
  using THead::THead;

  TSVNapr* LeftNapr = nullptr;
  TSVNapr* StraightNapr = nullptr;
  TSVNapr* RightNapr = nullptr;
  // Recomputed at every drawing in phase colours and kept in between.
  bool AnyOpen = false;
  bool RightLamp = false;
  bool LeftLamp = false;
  bool StraightLamp = false;

  void SaveToText(TTextWriter& f) override;
  void LoadFromText(TTextReader& f) override;
  void PlaceAt(TDrawContext& ctx, const TScreenPoints& pts, const TSnapRecord& snap, int count) override;
  void DrawActive(TDrawContext& ctx) override;
  void DrawInactive(TDrawContext& ctx) override;
  void DrawSelected(TDrawContext& ctx) override;
  void DrawPrint(TDrawContext& ctx) override;

  void UpdateLamps();

 protected:
  double BodyDepth() const override { return 4.0 / 3; }

 private:
  void DrawBody(TDrawContext& ctx, TColor fill);
  // The four lamps: lit ones in yellow, the others in `dark`.
  void DrawLamps(TDrawContext& ctx, TColor dark);
  void DrawAllLamps(TDrawContext& ctx, TColor lit, TColor dark, bool anyOpen, bool left, bool right, bool straight);
};

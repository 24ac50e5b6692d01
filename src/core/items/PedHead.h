#pragma once
// A pedestrian head: a rectangle facing its aim point, showing the signal
// of one direction. Pedestrians see no yellow: it shows as red.
#include "items/Head.h"

class TPedHead : public THead {
 public:
  using THead::THead;

  TSVNapr* Napr = nullptr;

  void SaveToText(TTextWriter& f) override;
  void LoadFromText(TTextReader& f) override;
  void PlaceAt(TDrawContext& ctx, const TScreenPoints& pts, const TSnapRecord& snap, int count) override;
  void DrawActive(TDrawContext& ctx) override;
  void DrawInactive(TDrawContext& ctx) override;
  void DrawSelected(TDrawContext& ctx) override;
  void DrawPrint(TDrawContext& ctx) override;

  // The colour the head shows for its direction now.
  TColor PedestrianColor() const;

 private:
  void DrawBody(TDrawContext& ctx, TColor fill);
};

#pragma once
// A curved curb piece, and the screen frame of an arc piece shared by curved
// curbs and curved tram tracks.
#include <cstdint>
#include <vector>

#include "model/RoundSVItem.h"

// An arc piece on the screen. The piece runs from the first end
// counter-clockwise as seen on the screen to the second end: from angle
// Theta1 about the centre through the sweep Delta (zero or negative, since
// angles grow clockwise on the screen).
struct TArcFrame {
  TPoint C, E1, E2;
  // |R - C| in pixels.
  double Radius = 0;
  double Theta1 = 0;
  double Delta = 0;

  // The point at `radius` from the centre in direction theta, moved `along`
  // the tangent; rounded to a pixel.
  TPoint At(double radius, double theta, double along = 0) const;
};
TArcFrame ArcFrame(TDrawContext& ctx, const TRoundSVItem& item);

// The canvas arc of the given radius between the piece's two end rays;
// nothing when the radius rounds to zero or less.
void DrawArcOf(TCanvas& canvas, const TArcFrame& arc, double radius);

// The outline of a band between two radii along the piece: the outer edge
// from the first end to the second, then the inner edge back, with about 100
// segments per full turn. Empty when the sweep has no length.
std::vector<TPoint> ArcBand(const TArcFrame& arc, double outer, double inner);

class TCB : public TRoundSVItem {
 public:
  using TRoundSVItem::TRoundSVItem;

  bool FindAnchor(int x, int y, TDrawContext& ctx, std::uint32_t typeCode, double& X, double& Y) override;
  void DrawActive(TDrawContext& ctx) override;
  void DrawInactive(TDrawContext& ctx) override;
  void DrawSelected(TDrawContext& ctx) override;
  void DrawPrint(TDrawContext& ctx) override;
};

#pragma once
// A straight piece of tram track, and the sizes and print forms shared by
// all track pieces. Tracks are drawn at real size: two rails at ±a from the
// centre line and sleepers across them, a = 10 world units.
#include <cstdint>

#include "model/LineSVItem.h"

// Track pieces join only track pieces.
bool IsTrackCode(std::uint32_t typeCode);

// Half the distance between the rails, in pixels.
double TrackHalfGauge(const TDrawContext& ctx, const TSVItem& item);
int RailPenWidth(double a);
int SleeperPenWidth(double a);
// Sleepers reach 1.3a to each side of the centre line.
constexpr double kSleeperReach = 1.3;

// How a track is drawn: rails and sleepers as lines in a pen colour, or
// (black-and-white print with grey curbs, when the print is large enough)
// as grey filled bands with black edges.
struct TTrackLook {
  bool Banded = false;
  TColor PenColor = clBlack;
};
TTrackLook TrackPrintLook(const TDrawContext& ctx);
void SetTrackBandLook(TCanvas& canvas);

class TTram : public TLineSVItem {
 public:
  using TLineSVItem::TLineSVItem;

  bool FindAnchor(int x, int y, TDrawContext& ctx, std::uint32_t typeCode, double& X, double& Y) override;
  TRect GetBounds(TDrawContext& ctx) override;
  void DrawActive(TDrawContext& ctx) override;
  void DrawInactive(TDrawContext& ctx) override;
  void DrawSelected(TDrawContext& ctx) override;
  void DrawPrint(TDrawContext& ctx) override;

 private:
  void DrawNormal(TDrawContext& ctx, TColor color);
  void DrawBanded(TDrawContext& ctx);
};

#pragma once
// The stop line, and the drawing frame shared by every item drawn at its real
// size along a line (markings, curbs, tram tracks): lengths in world units
// times Zoom times the passport's real scale give pixels.
#include <cstdint>

#include "model/LineSVItem.h"

// Pixels per world unit at real size: Zoom × the passport's RealScale.
double RealPixels(const TDrawContext& ctx, const TSVItem& item);

// A real-size length in whole pixels, kept within the 27-bit range that
// screen points keep to, so that it can be added to any screen point: the
// real scale comes from the passport file and may be absurd.
int PixelLength(double pixels);

// A screen frame on a line: origin p1, along-axis û towards p2, across-axis
// ŵ = û turned a quarter turn (for a line running right, ŵ points down, the
// right-hand side of traffic moving from p1 to p2).
struct TLineFrame {
  double Ox = 0, Oy = 0;
  double Ux = 1, Uy = 0;
  double Length = 0;

  // The point `along` the line and `across` it, rounded to a pixel.
  TPoint At(double along, double across) const;
  // The frame moved `along` the line, its origin rounded to a whole pixel.
  TLineFrame MovedTo(double along) const;
  // The frame moved to the far end of the line.
  TLineFrame AtEnd() const { return MovedTo(Length); }
};

// Coinciding points give a frame of length 0 along +x.
TLineFrame LineFrame(TPoint p1, TPoint p2);

// Stripes, dashes and sleepers are counted from a length ratio. Whatever the
// ratio (huge, negative, not a number) the count stays within [0, kMaxPieces]
// so that no view of a corrupt or far-zoomed item can stall a repaint.
constexpr int kMaxPieces = 100000;
int RoundedPieces(double ratio);
int TruncatedPieces(double ratio);

// The four looks of a painted marking.
enum class TMarkLook { Active, Inactive, Selected, Print };
void SetMarkLook(TCanvas& canvas, TMarkLook look);
void DrawQuad(TCanvas& canvas, TPoint a, TPoint b, TPoint c, TPoint d);
void DrawSegment(TCanvas& canvas, TPoint a, TPoint b);

// Bounds of a piece drawn as a band `halfWidth` pixels to each side of its
// line (stripes, rails, sleepers), grips included: the line alone would let
// a band whose centre has just left the window vanish while still in sight.
TRect BandBounds(TDrawContext& ctx, TRect lineBounds, double halfWidth);

// The editor's grips on the two ends of a piece: grey squares of half side
// HitTolerance.
void DrawEndHandles(TDrawContext& ctx, TPoint p1, TPoint p2);

class TStopLine : public TLineSVItem {
 public:
  using TLineSVItem::TLineSVItem;

  // Stop lines and lane lines join end to end.
  bool FindAnchor(int x, int y, TDrawContext& ctx, std::uint32_t typeCode, double& X, double& Y) override;
  TRect GetBounds(TDrawContext& ctx) override;
  void DrawActive(TDrawContext& ctx) override;
  void DrawInactive(TDrawContext& ctx) override;
  void DrawSelected(TDrawContext& ctx) override;
  void DrawPrint(TDrawContext& ctx) override;

 private:
  void DrawBand(TDrawContext& ctx);
};

// Type codes of the markings that snap to stop-line and lane-line ends.
bool JoinsLaneLines(std::uint32_t typeCode);

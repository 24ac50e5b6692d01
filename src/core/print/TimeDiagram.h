#pragma once
// The signal time diagram of a passport over one cycle: a column per phase
// (its main part, then its intermediate part), a row per direction with the
// bars of the signal it shows, in the body of a printed page.
#include <array>
#include <vector>

#include "platform/Canvas.h"

class TSVInfo;
class TSVNapr;
class TSVtime;

// The phase lengths the diagram labels its main parts with, [1..7]; [0] unused.
using TPhaseLengths = std::array<int, 8>;

// The horizontal extent of one phase, in pixels of the page.
struct TDiagramColumn {
  double MainLeft = 0;
  double MainRight = 0;
  // The end of the intermediate part, which starts at MainRight.
  double InterRight = 0;
  int Intermediate = 0;
};

// The columns of phases 1..N over the body's width less the label column of
// `labelWidth` pixels. The main parts share 40 % of that width equally and the
// intermediate parts 60 % in proportion to their seconds. When no phase has
// an intermediate time the main parts share the whole width.
std::vector<TDiagramColumn> DiagramColumns(double left, double width, double labelWidth,
                                           const std::vector<int>& intermediates);

// One stretch of a direction's bar in the intermediate part.
struct TBarSegment {
  int Seconds = 0;
  TColor Color = 0;
  // Flashing green: only the second half of each second is filled.
  bool Flashing = false;
};

// What direction `d` shows during the intermediate time `inter` between
// phase `phase` and the next phase `next`, in order. The stretches follow the
// thresholds the signal heads obey and always add up to `inter`; stretches of
// no length are left out.
std::vector<TBarSegment> IntermediateSegments(const TSVNapr& d, int phase, int next, int inter);

// Draws the diagram into `body` at `pf` pixels per millimetre.
void DrawTimeDiagram(TCanvas& canvas, const TRect& body, double pf, const TSVInfo& info, const TSVtime& clock,
                     const TPhaseLengths& lengths);

#pragma once
// The connection drawings of the tram heads: for each scheme of the
// passport, the six-sided head body with its four lamps, and beside each
// lamp the signal it is wired to.
#include <vector>

#include "platform/Canvas.h"

class TTramscheme;

// The areas of the body the schemes take: the whole body for one; halves
// (split across the longer side) for two; for three the first half split
// again for schemes 1 and 2 and the second half for scheme 3; for four both
// halves split. No areas for any other count.
std::vector<TRect> TramSchemeAreas(const TRect& body, int count);

// Draws every scheme in its area at `pf` pixels per millimetre; with
// `frames`, a grey dotted rectangle around each area used.
void DrawTramSchemes(TCanvas& canvas, const TRect& body, double pf, const TTramscheme& schemes, bool frames);

// A grey dotted outline, one pixel wide, without fill: the preview's marks
// of the page's areas.
void GreyFrame(TCanvas& canvas, const TRect& r);

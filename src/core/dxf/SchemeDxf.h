#pragma once
// A passport's scheme as a CAD drawing: drawn as the viewer draws it, at
// zoom 1 with the origin at 0, so that the drawing's coordinates are the
// scheme's world coordinates (y turned up), with the layer switches the
// scheme has.
#include <string>

#include "platform/TextMeasure.h"
#include "view/SchemeView.h"

class TSVObject;

// Draws every shown layer on `canvas` with the view at zoom 1, origin 0, no
// turn, signs at `signScale`; no background.
void DrawSchemeAtWorld(TSVObject& scheme, TCanvas& canvas, TSchemeLook look = TSchemeLook::View,
                       double signScale = 1.0);

// The background an XOR pen of the look is drawn over.
TColor LookBackground(TSchemeLook look);

// The whole DXF file of the scheme in the not-editable look, signs at 100 %,
// labels laid out with `measure`.
std::string SchemeDxf(TSVObject& scheme, TTextMeasure& measure);

#pragma once
// Text on a printed page: fonts sized in millimetres and texts placed in
// bands, shared by the page, the time diagram and the tram-head drawings.
#include <string>

#include "platform/Canvas.h"

// A regular Cyrillic font of the face whose cell is `mm` millimetres high
// at `pf` pixels per millimetre.
TFontDesc PageFont(const std::string& face, double mm, double pf);

// Writes the text centred horizontally in `band`, its lines (split at line
// breaks, CR LF or LF) one below the other from the band's top, or centred
// vertically as a block when `middle` is set. Black, transparent.
void TextInBand(TCanvas& canvas, const TRect& band, const std::string& text, bool middle);
// Writes one line right-aligned against the band's right edge, from its top.
void TextRightInBand(TCanvas& canvas, const TRect& band, const std::string& text);

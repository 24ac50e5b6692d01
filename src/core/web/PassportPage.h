#pragma once
// The page of one passport for the people at the intersection: the scheme
// as inline SVG with the viewer's layer presets, the phase and program
// buttons and the animation of the plan, the phase and direction tables,
// what the check found and the printed documents.
#include <string>
#include <vector>

#include "check/Finding.h"

class TSVObject;
class TTextMeasure;

// The documents beside the page, as names relative to it; empty when not made.
struct TPageDocuments {
  std::string SchemePdf;
  std::string DiagramPdf;
  std::string Tables;
};

// The scheme's picture on the page: its size in the picture's pixels.
constexpr int kPageSchemeWidth = 1280;
constexpr int kPageSchemeHeight = 800;

// The page of passport `id`. The passport's layer switches and clock are
// left as they were found.
std::string PassportPageHtml(TSVObject& scheme, const std::string& id, const std::vector<TFinding>& findings,
                             const TPageDocuments& documents, TTextMeasure& measure);

// The picture alone, as the page shows it before any button is pressed:
// all layers, program I, phase 1 (an SVG file of its own).
std::string PassportSchemeSvg(TSVObject& scheme, TTextMeasure& measure);

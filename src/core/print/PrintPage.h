#pragma once
// One printed page, drawn the same way for the preview, the printer, a PDF
// file and the tests: the header band with the title, the body with the
// scheme in one or two phases, the time diagram or the tram-head drawings,
// and the print date below the body.
#include <string>

#include "PageLayout.h"
#include "TimeDiagram.h"

class TDrawContext;
class TSVObject;

enum class TPrintMode { Scheme = 0, TimeDiagram = 1, TramHeads = 2 };

// What the page shows, as the print dialog and its settings dialog hold it.
struct TPageContent {
  TPrintMode Mode = TPrintMode::Scheme;
  // Lines separated by line breaks.
  std::string Title;
  bool TwoPhases = false;
  int FirstPhase = 1;
  int SecondPhase = 2;
  bool NoDate = false;
  // The grey dotted frames of the preview; never on paper.
  bool Frames = false;
  TPhaseLengths PhaseLengths{};
  // Today as "dd.mm.yyyy г.".
  std::string Date;
};

// "dd.mm.yyyy г.".
std::string PrintDateText(int day, int month, int year);

// Draws the page on the context's canvas, whose LineFactor is the target's
// pixels per millimetre. The scheme pictures leave the passport's clock at
// the last phase drawn.
void DrawPage(TSVObject& scheme, TDrawContext& ctx, const TPageContent& content, const TPageRects& rects);

// The scheme in phase `phase` fitted into `area` above a caption band of
// `footer` pixels that names the phase. Nothing for phase 0.
void DrawPhasePicture(TSVObject& scheme, TDrawContext& ctx, const TRect& area, int footer, int phase, bool frames);

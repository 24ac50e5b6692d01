#pragma once
// Where things go on a printed page: the margins the user sets in
// centimetres, the printer's paper and printable area in device pixels, and
// the rectangles of the header band, the body and the date band that follow.
#include <array>
#include <string>

#include "platform/Types.h"

class TIniFile;

// Centimetres, measured from the paper's edges. Header and Footer are the
// heights of the title band and of the phase caption band.
struct TPageMargins {
  double Left = 3.0;
  double Right = 1.0;
  double Top = 1.5;
  double Bottom = 1.5;
  double Header = 1.5;
  double Footer = 0.9;
};

// What the print dialog starts with when config.ini says nothing.
constexpr TPageMargins kPrintMargins{3.0, 1.0, 1.5, 1.5, 1.5, 0.9};

// The "Page" section of config.ini, in the order its dialog lists the keys:
// left, right, top, bottom, header, footer.
extern const char* const kPageSection;
extern const char* const kPageKeys[6];

// A margin as stored and typed: a decimal number with a comma (or a point)
// as separator, blanks around it allowed ("1,5", " 2 "). False for anything
// else, including an empty text.
bool ParseMargin(const std::string& text, double& value);
// The conversion error shown for a margin that is not a number.
std::string MarginConversionError(const std::string& text);
// The margins as the page dialogs name them, left to footer.
extern const char* const kMarginNames[6];
// The error shown for margin `index` (left to footer) typed as `text`: it
// names the field ("Правое поле: «один» — …").
std::string MarginFieldError(int index, const std::string& text);
// The six margin texts of a page dialog (left, right, top, bottom, header,
// footer) read as numbers, all or none: -1 with `values` filled, or the
// index of the first faulty text in the order top, left, bottom, right,
// header, footer, after the error naming its field, `values` untouched.
int ParseMarginTexts(const std::array<std::string, 6>& texts, std::array<double, 6>& values);
// A value as the dialogs show it: general format, 5 significant digits,
// comma as decimal separator ("1,5", "3", "71,429").
std::string FormatGeneral5(double value);

// Reads the six margins of config.ini's "Page" section over `margins`, a
// missing key taking the value from `defaults`. A value that is not a number
// shows the conversion error and stops the reading: false, with the margins
// read before it already stored.
bool ReadPageMargins(const TIniFile& config, const TPageMargins& defaults, TPageMargins& margins);

// The printer as the page sees it. Device pixels; Printable is the part of
// the paper the printer can mark, in the paper's own coordinates.
struct TPrinterMetrics {
  int DpiX = 600;
  int DpiY = 600;
  int PaperWidth = 4961;
  int PaperHeight = 7016;
  TRect Printable{0, 0, 4961, 7016};
};

// A page without unprintable margins (a PDF file or an image) of the paper
// size in millimetres at `dpi`.
TPrinterMetrics PaperMetrics(double widthMm, double heightMm, int dpi);

struct TPageRects {
  // The page edges: left, top, right and bottom margin lines.
  TRect Page;
  TRect Header;
  TRect Body;
  int FooterHeight = 0;
};

// The page rectangles on a target whose origin lies at `origin` (paper
// pixels) and which shows `divisor` paper pixels per target pixel.
//
// Each margin is measured from the paper's edge, and no edge lies outside
// the printable area: a printer that cannot mark the outer 5 mm still puts a
// 15-mm margin 15 mm from the edge, and a margin narrower than its
// unprintable strip is widened to it instead of being cut off.
TPageRects PageRects(const TPageMargins& margins, const TPrinterMetrics& printer, TPoint origin, double divisor);

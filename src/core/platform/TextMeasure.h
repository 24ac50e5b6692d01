#pragma once
// Measuring text apart from drawing it. A window measures with the fonts it
// draws with; a file writer has no fonts of its own and takes a measure from
// outside, so that labels are laid out as the window lays them out.
#include <string>

#include "Canvas.h"

struct TFontMetrics {
  // The em size the font is drawn at.
  int PixelSize = 0;
  // From the baseline up, and the whole cell, in whole pixels.
  int Ascent = 0;
  int Height = 0;
};

class TTextMeasure {
 public:
  virtual ~TTextMeasure() = default;
  virtual TFontMetrics Metrics(const TFontDesc& font) = 0;
  // Width and height of the unrotated text.
  virtual TSize TextExtent(const TFontDesc& font, const std::string& text) = 0;
};

// A measure without fonts, for a program that has none: the proportions of
// Liberation Sans (metric twin of Arial): ascent 0.905 em, cell 1.117 em,
// and an average character 0.55 em wide, counted in characters, not bytes.
// Narrow and wide letters even out over a label's length; a single "W" or
// "i" is off by up to half a character.
class TApproxTextMeasure : public TTextMeasure {
 public:
  TFontMetrics Metrics(const TFontDesc& font) override;
  TSize TextExtent(const TFontDesc& font, const std::string& text) override;
};

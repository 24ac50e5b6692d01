#include "TextMeasure.h"

#include <cmath>

#include "CanvasConventions.h"
#include "Codec1251.h"

namespace {
constexpr double kAscentPerEm = 0.905;
constexpr double kCellPerEm = 1.117;
constexpr double kCharPerEm = 0.55;
}  // namespace

TFontMetrics TApproxTextMeasure::Metrics(const TFontDesc& font) {
  TFontMetrics m;
  m.PixelSize = FontPixelSize(font.Height, kCellPerEm * 100.0);
  m.Ascent = static_cast<int>(std::lround(m.PixelSize * kAscentPerEm));
  m.Height = static_cast<int>(std::ceil(m.PixelSize * kCellPerEm));
  return m;
}

TSize TApproxTextMeasure::TextExtent(const TFontDesc& font, const std::string& text) {
  const TFontMetrics m = Metrics(font);
  const double width = static_cast<double>(Utf8Length(text)) * m.PixelSize * kCharPerEm;
  return TSize{static_cast<int>(std::ceil(width)), m.Height};
}

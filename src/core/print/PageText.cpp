#include "PageText.h"

#include <vector>

#include "model/Geometry.h"

namespace {

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines(1);
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
    if (c == '\n' || c == '\r')
      lines.emplace_back();
    else
      lines.back() += c;
  }
  return lines;
}

void PrepareText(TCanvas& canvas) {
  canvas.FontColor = clBlack;
  canvas.TextTransparent = true;
  canvas.TextAlign = TTextAlign::LeftTop;
}

}  // namespace

TFontDesc PageFont(const std::string& face, double mm, double pf) {
  TFontDesc f;
  f.Height = MaxInt(1, Round(mm * pf));
  f.Weight = 400;
  f.CharSet = 204;
  f.FaceName = face;
  return f;
}

void TextInBand(TCanvas& canvas, const TRect& band, const std::string& text, bool middle) {
  PrepareText(canvas);
  const std::vector<std::string> lines = Lines(text);
  std::vector<TSize> sizes;
  int total = 0;
  for (const auto& line : lines) {
    sizes.push_back(canvas.TextExtent(line.empty() ? std::string(" ") : line));
    total += sizes.back().cy;
  }
  int y = middle ? band.Top + (RectHeight(band) - total) / 2 : band.Top;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (!lines[i].empty()) {
      const int w = canvas.TextWidth(lines[i]);
      canvas.TextOut(band.Left + (RectWidth(band) - w) / 2, y, lines[i]);
    }
    y += sizes[i].cy;
  }
}

void TextRightInBand(TCanvas& canvas, const TRect& band, const std::string& text) {
  PrepareText(canvas);
  canvas.TextOut(band.Right - canvas.TextWidth(text), band.Top, text);
}

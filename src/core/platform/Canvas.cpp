#include "Canvas.h"

#include <cmath>

std::optional<TColor> MeanColor(const TRasterImage& image) {
  const std::size_t n = static_cast<std::size_t>(image.Width) * static_cast<std::size_t>(image.Height);
  if (image.Empty() || image.Pixels.size() < n) return std::nullopt;
  double r = 0, g = 0, b = 0;
  for (std::size_t i = 0; i < n; ++i) {
    r += ColorR(image.Pixels[i]);
    g += ColorG(image.Pixels[i]);
    b += ColorB(image.Pixels[i]);
  }
  const auto mean = [n](double sum) { return static_cast<int>(std::lround(sum / static_cast<double>(n))); };
  return MakeColor(mean(r), mean(g), mean(b));
}

void TCanvas::StretchDrawPart(const TRect& dest, const TRasterImage& image, const TRect& source) {
  const int l = source.Left < 0 ? 0 : source.Left;
  const int t = source.Top < 0 ? 0 : source.Top;
  const int r = source.Right > image.Width ? image.Width : source.Right;
  const int b = source.Bottom > image.Height ? image.Height : source.Bottom;
  if (r <= l || b <= t) return;
  TRasterImage part;
  part.Width = r - l;
  part.Height = b - t;
  part.Pixels.reserve(static_cast<std::size_t>(part.Width) * static_cast<std::size_t>(part.Height));
  for (int y = t; y < b; ++y) {
    const auto row = image.Pixels.begin() + static_cast<std::ptrdiff_t>(y) * image.Width;
    part.Pixels.insert(part.Pixels.end(), row + l, row + r);
  }
  StretchDraw(dest, part);
}

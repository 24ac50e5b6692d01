#include "Canvas.h"

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

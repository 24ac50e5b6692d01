#include "CanvasConventions.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <utility>

namespace {

constexpr double kPi = 3.14159265358979323846;

// The parameter, in degrees, at which the ellipse with half-axes a and b
// meets the ray from its centre towards (dx, dy) (y down). A circle gives
// the ray's own angle; an ellipse needs the parameter.
double RayParameter(double a, double b, double dx, double dy) {
  if (dx == 0 && dy == 0) return 0;
  return std::atan2(-dy * a, dx * b) * 180.0 / kPi;
}

std::string Trimmed(const std::string& s) {
  const auto first = s.find_first_not_of(" \t\r\n\v\f");
  if (first == std::string::npos) return {};
  const auto last = s.find_last_not_of(" \t\r\n\v\f");
  return s.substr(first, last - first + 1);
}

}  // namespace

std::optional<TOutlineBox> ExclusiveBox(int l, int t, int r, int b) {
  if (l > r) std::swap(l, r);
  if (t > b) std::swap(t, b);
  if (r - l < 1 || b - t < 1) return std::nullopt;
  return TOutlineBox{l, t, r - l - 1, b - t - 1};
}

std::optional<TArcGeometry> ArcGeometry(int l, int t, int r, int b, int x3, int y3, int x4, int y4) {
  if (std::abs(r - l) < 2 || std::abs(b - t) < 2) return std::nullopt;
  if (l > r) std::swap(l, r);
  if (t > b) std::swap(t, b);
  TArcGeometry g;
  g.Left = l;
  g.Top = t;
  g.Width = r - l - 1;
  g.Height = b - t - 1;
  // The rays start at the centre of the whole box, edges included.
  const double cx = (l + r) * 0.5, cy = (t + b) * 0.5;
  const double a = g.Width * 0.5, bb = g.Height * 0.5;
  g.Start = RayParameter(a, bb, x3 - cx, y3 - cy);
  const double end = RayParameter(a, bb, x4 - cx, y4 - cy);
  g.Sweep = std::fmod(end - g.Start, 360.0);
  if (g.Sweep <= 0) g.Sweep += 360.0;
  return g;
}

int FontPixelSize(int height, double cellAt100) {
  int pixels = -height;
  if (height >= 0) {
    const int cell = height == 0 ? 16 : height;
    pixels = cellAt100 > 0 ? static_cast<int>(std::lround(cell * 100.0 / cellAt100)) : cell;
  }
  return std::max(1, pixels);
}

double TextRotation(int escapement) { return escapement == 0 ? 0.0 : -escapement / 10.0; }

TTextOffset TextOffset(TTextAlign align, int width, int ascent) {
  switch (align) {
    case TTextAlign::BaselineLeft:
      return {0, 0};
    case TTextAlign::CenterTop:
      return {-(width / 2), ascent};
    case TTextAlign::LeftTop:
      return {0, ascent};
  }
  return {0, 0};
}

int PenPixelWidth(const TPen& pen) { return pen.Width <= 1 ? 1 : pen.Width; }

bool PenDotted(const TPen& pen) { return pen.Width <= 1 && pen.Style == TPenStyle::Dot; }

TColor XorOver(TColor pen, TColor background) { return (pen ^ background) & 0xFFFFFFu; }

std::string StandInFace(const std::string& face) {
  std::string f = Trimmed(face);
  std::transform(f.begin(), f.end(), f.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  if (f.empty() || f == "arial cyr" || f == "arial" || f == "ms sans serif") return "Liberation Sans";
  if (f == "times new roman cyr" || f == "times new roman") return "Liberation Serif";
  if (f == "courier new cyr" || f == "courier new") return "Liberation Mono";
  return face;
}

#include "TramDrawing.h"

#include "PageText.h"
#include "model/Geometry.h"
#include "plan/Tramscheme.h"

namespace {

struct TLampLabelPlace {
  double Box[4];
  double Leader[3][2];
};

// Millimetres from the area's centre, y downwards.
constexpr TLampLabelPlace kLabelPlaces[4] = {
    {{-35, -18, -12, -13}, {{-35, -13}, {-12, -13}, {-10, -3}}},
    {{-35, 5, -11, 10}, {{-35, 10}, {-11, 10}, {0, -3}}},
    {{12, -18, 35, -13}, {{35, -13}, {12, -13}, {10, -3}}},
    {{11, 7, 32, 12}, {{32, 12}, {11, 12}, {0, 7}}},
};
// Lamp centres and head outline, millimetres from P = centre + (0, -8).
constexpr double kLampCentres[4][2] = {{-10, 5}, {10, 5}, {0, 5}, {0, 15}};
constexpr double kHexagon[6][2] = {{-15, 0}, {-15, 10}, {-5, 20}, {5, 20}, {15, 10}, {15, 0}};
constexpr double kLampDiameter = 25.0 / 3.0;

void DrawScheme(TCanvas& canvas, const TRect& area, double pf, const TTramSchemeEntry& scheme) {
  const double cx = (area.Left + area.Right) * 0.5, cy = (area.Top + area.Bottom) * 0.5;
  const auto at = [&](double x, double y) { return TPoint{Round(cx + x * pf), Round(cy + y * pf)}; };

  canvas.SetFont(PageFont("Times New Roman", 6, pf));
  TextInBand(canvas, area, scheme.Name, false);

  std::vector<TPoint> hexagon;
  for (const auto& v : kHexagon) hexagon.push_back(at(v[0], v[1] - 8));
  canvas.Polygon(hexagon);
  for (const auto& c : kLampCentres) {
    const double r = kLampDiameter / 2;
    const TPoint a = at(c[0] - r, c[1] - 8 - r), b = at(c[0] + r, c[1] - 8 + r);
    canvas.Ellipse(a.x, a.y, b.x, b.y);
  }
  canvas.SetFont(PageFont("Times New Roman", 4, pf));
  for (int k = 0; k < 4; ++k) {
    const TLampLabelPlace& place = kLabelPlaces[k];
    const TTramLamp& lamp = scheme.Lamps[static_cast<std::size_t>(k + 1)];
    const TPoint a = at(place.Box[0], place.Box[1]), b = at(place.Box[2], place.Box[3]);
    TextInBand(canvas, TRect{a.x, a.y, b.x, b.y}, TTramscheme::LampLabel(lamp.Kind, lamp.Direction), true);
    canvas.Polyline(std::vector<TPoint>{at(place.Leader[0][0], place.Leader[0][1]),
                                        at(place.Leader[1][0], place.Leader[1][1]),
                                        at(place.Leader[2][0], place.Leader[2][1])});
  }
}

}  // namespace

std::vector<TRect> TramSchemeAreas(const TRect& body, int count) {
  TRect first, second, a, b;
  switch (count) {
    case 1:
      return {body};
    case 2:
      SplitRect(body, first, second);
      return {first, second};
    case 3:
      SplitRect(body, first, second);
      SplitRect(first, a, b);
      return {a, b, second};
    case 4: {
      SplitRect(body, first, second);
      TRect c, d;
      SplitRect(first, a, b);
      SplitRect(second, c, d);
      return {a, b, c, d};
    }
    default:
      return {};
  }
}

void DrawTramSchemes(TCanvas& canvas, const TRect& body, double pf, const TTramscheme& schemes, bool frames) {
  const std::vector<TRect> areas = TramSchemeAreas(body, schemes.Count);
  for (std::size_t i = 0; i < areas.size(); ++i) {
    canvas.Pen = TPen{clBlack, MaxInt(1, Round(0.25 * pf)), TPenStyle::Solid, TPenMode::Copy};
    canvas.SetBrushColor(clWhite);
    DrawScheme(canvas, areas[i], pf, schemes.Schemes[i + 1]);
    if (frames) GreyFrame(canvas, areas[i]);
  }
}

void GreyFrame(TCanvas& canvas, const TRect& r) {
  canvas.Pen = TPen{clGray, 1, TPenStyle::Dot, TPenMode::Copy};
  canvas.SetBrushColor(clWhite);
  canvas.SetBrushStyle(TBrushStyle::Clear);
  canvas.Rectangle(r.Left, r.Top, r.Right, r.Bottom);
}

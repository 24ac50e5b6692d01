// The ground of a generated crossing: curbs with rounded corners, tram
// tracks with two turning curves, markings on every arm, corner buildings and
// the street names.
#include <cmath>

#include "CrossingGenerator.h"
#include "GenRandom.h"
#include "items/Build.h"
#include "items/MarkArrow.h"
#include "items/SVText.h"
#include "items/SVRealText.h"
#include "items/SingleLine.h"
#include "model/LineSVItem.h"
#include "model/RoundSVItem.h"
#include "model/SVObject.h"

namespace {

constexpr double kPi = 3.14159265358979323846;

// The four corners of a crossing as signs of x and y: NE, SE, SW, NW.
constexpr int kCorners[4][2] = {{1, -1}, {1, 1}, {-1, 1}, {-1, -1}};

// Screen angle of a vector (y down, so the angle grows clockwise).
double ScreenAngle(double dx, double dy) { return std::atan2(dy, dx); }

}  // namespace

TCrossingShape RandomCrossingShape(double cx, double cy, TGenRandom& rng) {
  TCrossingShape s;
  s.CX = cx;
  s.CY = cy;
  s.MainHalf = rng.Real(70, 90);
  s.SideHalf = rng.Real(40, 55);
  s.Arm = rng.Real(320, 350);
  s.Radius = rng.Real(18, 30);
  return s;
}

TCrossingBuilder::TCrossingBuilder(const TCrossingShape& shape, const TSVInfo& info, TGenRandom& rng, int number)
    : S_(shape), Info_(info), Rng_(rng), Number_(number) {}

void TCrossingBuilder::AddLine(std::uint32_t code, double x1, double y1, double x2, double y2) {
  auto& line = Add<TLineSVItem>(code);
  line.X1 = X(x1), line.Y1 = Y(y1), line.X2 = X(x2), line.Y2 = Y(y2);
}

void TCrossingBuilder::AddArc(std::uint32_t code, double cx, double cy, double r, double fx, double fy, double sx,
                              double sy) {
  auto& arc = Add<TRoundSVItem>(code);
  arc.CX = X(cx), arc.CY = Y(cy);
  arc.RX = X(cx + r), arc.RY = Y(cy);
  arc.X1 = X(fx), arc.Y1 = Y(fy);
  arc.X2 = X(sx), arc.Y2 = Y(sy);
}

namespace {

// The quarter circle that rounds the corner (sx, sy) between a road of half
// width hx along y and one of half width hy along x: its centre and the two
// ends, ordered so that the arc runs clockwise on the screen from the second
// end to the first and so faces the middle of the crossing.
struct TCornerArc {
  double CX, CY, FX, FY, SX, SY;
};

TCornerArc CornerArc(int sx, int sy, double hx, double hy, double r) {
  TCornerArc a{};
  a.CX = sx * (hx + r);
  a.CY = sy * (hy + r);
  const double mx = a.CX, my = sy * hy;  // on the west-east curb
  const double px = sx * hx, py = a.CY;  // on the north-south curb
  double sweep = ScreenAngle(px - a.CX, py - a.CY) - ScreenAngle(mx - a.CX, my - a.CY);
  while (sweep < 0) sweep += 2 * kPi;
  const bool fromMain = std::fabs(sweep - kPi / 2) < 1e-6;
  a.SX = fromMain ? mx : px, a.SY = fromMain ? my : py;
  a.FX = fromMain ? px : mx, a.FY = fromMain ? py : my;
  return a;
}

}  // namespace

void TCrossingBuilder::AddCurbs() {
  const double h = S_.MainHalf, v = S_.SideHalf, r = S_.Radius, a = S_.Arm;
  for (const auto& c : kCorners) {
    const int sx = c[0], sy = c[1];
    AddLine(TypeCode::SLB, sx * (v + r), sy * h, sx * a, sy * h);
    AddLine(TypeCode::SLB, sx * v, sy * (h + r), sx * v, sy * a);
    const TCornerArc arc = CornerArc(sx, sy, v, h, r);
    AddArc(TypeCode::CB, arc.CX, arc.CY, r, arc.FX, arc.FY, arc.SX, arc.SY);
  }
}

void TCrossingBuilder::AddTracks() {
  const double g = 14, a = S_.Arm - 10;
  for (const double y : {-g, g}) {
    AddLine(TypeCode::Tram, -a, y, 0, y);
    AddLine(TypeCode::Tram, 0, y, a, y);
  }
  // Curves from the westbound track into the north arm and from the
  // eastbound one into the south arm.
  const double rt = 44;
  for (const int s : {1, -1}) {
    const TCornerArc arc = CornerArc(s, -s, g, g, rt);
    AddArc(TypeCode::RTram, arc.CX, arc.CY, rt, arc.FX, arc.FY, arc.SX, arc.SY);
  }
}

void TCrossingBuilder::AddMarkings() {
  const double h = S_.MainHalf, v = S_.SideHalf, r = S_.Radius, a = S_.Arm;
  const double zm = h + r + 25, zs = v + r + 25;
  // Crossings over each arm.
  AddLine(TypeCode::Zebra, -v, -zm, v, -zm);
  AddLine(TypeCode::Zebra, -v, zm, v, zm);
  AddLine(TypeCode::Zebra, -zs, -h, -zs, h);
  AddLine(TypeCode::Zebra, zs, -h, zs, h);
  // Stop lines on the approach halves, before the crossings.
  const double lm = h + r + 55, ls = v + r + 55;
  AddLine(TypeCode::StopLine, ls, -h, ls, 0);
  AddLine(TypeCode::StopLine, -ls, 0, -ls, h);
  AddLine(TypeCode::StopLine, -v, -lm, 0, -lm);
  AddLine(TypeCode::StopLine, 0, lm, v, lm);
  // Centre lines of the arms and lane lines of the main road.
  const std::uint8_t centre = static_cast<std::uint8_t>(Rng_.Int(1, 3));
  const auto lane = [&](double x1, double y1, double x2, double y2, std::uint8_t kind) {
    AddLine(TypeCode::SingleLine, x1, y1, x2, y2);
    static_cast<TSingleLine&>(*Items_.back()).LineKind = kind;
  };
  lane(ls - 5, 0, a, 0, centre);
  lane(-a, 0, -(ls - 5), 0, centre);
  lane(0, -a, 0, -(lm - 5), centre);
  lane(0, lm - 5, 0, a, centre);
  for (const double y : {-h / 2, h / 2}) {
    lane(ls, y, a, y, 0);
    lane(-a, y, -ls, y, 0);
  }
  // Cycle crossings beside the pedestrian ones on the main road.
  AddLine(TypeCode::PedLine, zs + 12, -h, zs + 12, h);
  AddLine(TypeCode::PedLine, -zs - 12, -h, -zs - 12, h);
  // One lane arrow on each approach.
  const struct {
    double bx, by, ax, ay;
  } arrows[] = {{ls + 70, -h / 4, ls + 20, -h / 4},
                {-ls - 70, h / 4, -ls - 20, h / 4},
                {-v / 2, -lm - 70, -v / 2, -lm - 20},
                {v / 2, lm + 70, v / 2, lm + 20}};
  for (const auto& e : arrows) {
    auto& arrow = Add<TMarkArrow>(TypeCode::MarkArrow);
    arrow.BaseX = X(e.bx), arrow.BaseY = Y(e.by), arrow.AimX = X(e.ax), arrow.AimY = Y(e.ay);
    arrow.ArrowKind = Rng_.Int(0, 4);
  }
}

void TCrossingBuilder::AddBuildings() {
  const double h = S_.MainHalf, v = S_.SideHalf, a = S_.Arm;
  for (const auto& c : kCorners) {
    const int sx = c[0], sy = c[1];
    const double x0 = sx * (v + Rng_.Real(30, 60)), y0 = sy * (h + Rng_.Real(30, 60));
    const double x1 = sx * (a - Rng_.Real(10, 40)), y1 = sy * (a - Rng_.Real(10, 40));
    auto& build = Add<TBuild>(TypeCode::Build);
    std::vector<TRealPoint> outline = {{x0, y0}, {x1, y0}, {x1, y1}, {x0, y1}};
    if (Rng_.Chance(0.5)) {
      // A courtyard notch in the far side.
      const double mx = (x0 + x1) / 2, dx = (x1 - x0) / 6, depth = (y1 - y0) / 4;
      outline.insert(outline.begin() + 3, {{mx + dx, y1}, {mx + dx, y1 - depth}, {mx - dx, y1 - depth}, {mx - dx, y1}});
    }
    build.VertexCount = static_cast<std::uint8_t>(outline.size());
    for (std::size_t i = 0; i < outline.size(); ++i) build.Vertices[i] = TRealPoint{X(outline[i].x), Y(outline[i].y)};
    build.Label = TSVText::MakeLabel(&build, "д. " + std::to_string(Rng_.Int(1, 120)), 1.0);
    PlaceLabel(*build.Label, X((x0 + x1) / 2), Y((y0 + y1) / 2), -12, 0);
  }
}

void TCrossingBuilder::AddFreeTexts() {
  const double h = S_.MainHalf, v = S_.SideHalf, a = S_.Arm;
  const struct {
    const char* text;
    double x, y, ux, uy;
  } names[] = {{"ул. Садовая", -a + 30, -h - 12, 1, 0}, {"ул. Полевая", v + 12, a - 30, 0, -1}};
  for (const auto& n : names) {
    auto& text = Add<TSVRealText>(TypeCode::SVRealText);
    text.SetDefaultFont();
    text.Text = n.text;
    text.AnchorX = X(n.x), text.AnchorY = Y(n.y);
    text.OffsetX = 60 * n.ux, text.OffsetY = 60 * n.uy;
  }
}

void TCrossingBuilder::PlaceLabel(TSVText& label, double ax, double ay, double dx, double dy) {
  label.AnchorX = ax, label.AnchorY = ay;
  label.Anchor2X = dx, label.Anchor2Y = dy;
  label.OffsetX = dx + 24, label.OffsetY = dy;
  label.Unplaced = false;
}

TGenItems TCrossingBuilder::Build() {
  AddBuildings();
  AddCurbs();
  AddTracks();
  AddMarkings();
  AddFreeTexts();
  AddPoles();
  AddGantryAndStay();
  AddHeads();
  AddSigns();
  AddCabinetsAndCables();
  AddArrows();
  // One item of every type code to the front, so that a passport cut short
  // after a few dozen items still holds every kind, each preceded by what it
  // hangs on; the rest in the order made, where carriers come before what
  // they carry. A crossing cut short anywhere keeps no sign, head, stick or
  // cable without its carriers. Of the items of a code, the one needing the
  // fewest carriers not yet in front goes, which keeps the front short.
  std::vector<bool> seen(256, false), taken(Items_.size(), false);
  std::vector<std::size_t> order;
  order.reserve(Items_.size());
  // Carriers are always made before what they carry, so the chains end.
  const auto missing = [&](std::size_t i, const auto& self) -> int {
    if (taken[i]) return 0;
    int n = 1;
    const auto& c = Carriers_[i];
    if (c[0] != i) n += self(c[0], self);
    if (c[1] != i && c[1] != c[0]) n += self(c[1], self);
    return n;
  };
  const auto take = [&](std::size_t i, const auto& self) -> void {
    if (taken[i]) return;
    for (const std::size_t c : Carriers_[i])
      if (c != i) self(c, self);
    taken[i] = true;
    seen[Items_[i]->TypeCode & 0xFF] = true;
    order.push_back(i);
  };
  for (std::size_t i = 0; i < Items_.size(); ++i) {
    const std::uint32_t code = Items_[i]->TypeCode & 0xFF;
    if (seen[code]) continue;
    std::size_t best = i;
    int fewest = missing(i, missing);
    for (std::size_t j = i + 1; j < Items_.size() && fewest > 1; ++j) {
      if ((Items_[j]->TypeCode & 0xFF) != code) continue;
      const int n = missing(j, missing);
      if (n < fewest) best = j, fewest = n;
    }
    take(best, take);
  }
  for (std::size_t i = 0; i < Items_.size(); ++i)
    if (!taken[i]) order.push_back(i);
  TGenItems result;
  result.reserve(Items_.size());
  for (const std::size_t i : order) result.push_back(std::move(Items_[i]));
  Items_.clear();
  Carriers_.clear();
  return result;
}

// The street furniture of a generated crossing: poles with sticks carrying
// vehicle, pedestrian and tram heads, stands with road signs on brackets, a
// gantry and a tram-wire stay, the controller cabinets with wells and
// cables, and one direction arrow for every direction of the plan.
#include <cmath>

#include "CrossingGenerator.h"
#include "GenRandom.h"
#include "PlanGenerator.h"
#include "items/CarHead.h"
#include "items/Contr.h"
#include "items/ECable.h"
#include "items/Ferma.h"
#include "items/LinedText.h"
#include "items/Napr.h"
#include "items/PedHead.h"
#include "items/Sign.h"
#include "items/TStolb.h"
#include "items/Stick.h"
#include "items/STOLB.h"
#include "items/SignCatalog.h"
#include "items/TramHead.h"
#include "items/WELL.h"
#include "items/WhiteSign.h"
#include "plan/SVInfo.h"

namespace {

// Length of a stick and the spacing of heads along it, in symbol units.
constexpr double kStick = 30;
constexpr double kHeadStep = 13;
// The spacing of signs hanging side by side, in symbol units.
constexpr double kSignStep = 26;

struct TVec {
  double x, y;
};

// Where a head hangs and which way it faces, in symbol units from its pole.
struct THeadSpot {
  TVec Base, Face;
};

}  // namespace

namespace {

// The corner pole of corner (sx, sy), in crossing coordinates.
TVec CornerPole(const TCrossingShape& s, int sx, int sy) {
  return TVec{sx * (s.SideHalf + 0.3 * s.Radius + 10), sy * (s.MainHalf + 0.3 * s.Radius + 10)};
}

}  // namespace

std::size_t TCrossingBuilder::AddPole(double x, double y, bool own, const std::string& number) {
  auto& pole = Add<TSTOLB>(TypeCode::STOLB);
  pole.X = X(x), pole.Y = Y(y);
  pole.Own = own;
  pole.Label = TLinedText::MakeLabel(&pole, number, own ? "" : "чужая", 1.0);
  PlaceLabel(*pole.Label, pole.X, pole.Y, 8, -8);
  return Items_.size() - 1;
}

std::size_t TCrossingBuilder::AddStick(std::size_t pole, double px, double py, double dx, double dy) {
  auto& stick = Add<TStick>(TypeCode::Stick);
  stick.AnchorX = X(px), stick.AnchorY = Y(py);
  stick.OffsetX = dx * kStick, stick.OffsetY = dy * kStick;
  HoldLastBy(pole);
  return Items_.size() - 1;
}

void TCrossingBuilder::HoldLastBy(std::size_t carrier, std::size_t other) { Carriers_.back() = {carrier, other}; }

void TCrossingBuilder::AddPoles() {
  // The north-east corner first: its sticks carry a vehicle, a pedestrian
  // and a tram head, so that a passport cut short holds every kind of head
  // with few carriers.
  int k = 1;
  for (const int sx : {1, -1})
    for (const int sy : {-1, 1}) {
      const TVec p = CornerPole(S_, sx, sy);
      const std::size_t pole = AddPole(p.x, p.y, true, std::to_string(Number_ * 10 + k++));
      CornerPoles_[CornerIndex(sx, sy)] = pole;
      // One stick over the main road, one over the side road.
      for (int stick = 0; stick < 2; ++stick)
        CornerSticks_[CornerIndex(sx, sy)][stick] =
            AddStick(pole, p.x, p.y, stick == 0 ? 0 : -sx, stick == 0 ? -sy : 0);
    }
}

void TCrossingBuilder::AddGantryAndStay() {
  const double h = S_.MainHalf + 14, x = S_.SideHalf + S_.Radius + 160;
  AddPole(x, -h, true, std::to_string(Number_ * 10 + 5));
  AddPole(x, h, true, std::to_string(Number_ * 10 + 6));
  AddLine(TypeCode::Ferma, x, -h, x, h);
  static_cast<TFerma&>(*Items_.back()).Cantilever = 0;
  AddPole(-x, -h, false, std::to_string(Number_ * 10 + 7));
  AddPole(-x, h, false, std::to_string(Number_ * 10 + 8));
  AddLine(TypeCode::Tros, -x, -h, -x, h);
}

void TCrossingBuilder::AddHeads() {
  TSVNapr* const none = nullptr;
  const auto napr = [&](int n) { return Info_.Directions.Item(n); };
  // Each head: its corner, its stick (0 over the main road, 1 over the side
  // road), its place along the stick, the way it faces, and its direction.
  const struct {
    int sx, sy, stick, slot;
    TVec face;
    int kind;  // 0 vehicle, 1 pedestrian, 2 tram
    int napr;
    std::uint8_t arrow;
  } heads[] = {
      {1, -1, 0, 2, {1, 0}, 0, GenNapr::WestboundThrough, 0},  {1, -1, 0, 1, {1, 0}, 0, GenNapr::WestboundLeft, 2},
      {-1, 1, 0, 2, {-1, 0}, 0, GenNapr::EastboundThrough, 0}, {-1, 1, 0, 1, {-1, 0}, 0, GenNapr::EastboundLeft, 2},
      {-1, -1, 1, 2, {0, -1}, 0, GenNapr::Southbound, 0},      {1, 1, 1, 2, {0, 1}, 0, GenNapr::Northbound, 0},
      {1, -1, 1, 1, {-1, 0}, 1, GenNapr::PedNorthArm, 0},      {-1, -1, 1, 1, {1, 0}, 1, GenNapr::PedNorthArm, 0},
      {1, 1, 1, 1, {-1, 0}, 1, GenNapr::PedSouthArm, 0},       {-1, 1, 1, 1, {1, 0}, 1, GenNapr::PedSouthArm, 0},
      {-1, -1, 0, 1, {0, 1}, 1, GenNapr::PedWestArm, 0},       {-1, 1, 1, 2, {0, -1}, 1, GenNapr::PedWestArm, 0},
      {1, -1, 0, 0, {0, 1}, 1, GenNapr::PedEastArm, 0},        {1, 1, 0, 1, {0, -1}, 1, GenNapr::PedEastArm, 0},
      {-1, 1, 0, 0, {-1, 0}, 2, GenNapr::TramEastbound, 0},    {1, -1, 1, 0, {1, 0}, 2, GenNapr::TramWestbound, 0},
  };
  for (const auto& e : heads) {
    const TVec pole = CornerPole(S_, e.sx, e.sy);
    const TVec along = e.stick == 0 ? TVec{0.0, -1.0 * e.sy} : TVec{-1.0 * e.sx, 0.0};
    const double d = kStick - e.slot * kHeadStep;
    THead* head = nullptr;
    if (e.kind == 0) {
      auto& car = Add<TCarHead>(TypeCode::CarHead);
      car.Napr = napr(e.napr);
      car.ArrowKind = e.arrow;
      head = &car;
    } else if (e.kind == 1) {
      auto& ped = Add<TPedHead>(TypeCode::PedHead);
      ped.Napr = napr(e.napr);
      head = &ped;
    } else {
      auto& tram = Add<TTramHead>(TypeCode::TramHead);
      tram.StraightNapr = napr(e.napr);
      tram.LeftNapr = e.napr == GenNapr::TramEastbound ? napr(GenNapr::TramWestbound) : none;
      tram.RightNapr = none;
      head = &tram;
    }
    HoldLastBy(CornerSticks_[CornerIndex(e.sx, e.sy)][static_cast<std::size_t>(e.stick)]);
    head->AnchorX = X(pole.x), head->AnchorY = Y(pole.y);
    head->Anchor2X = along.x * d, head->Anchor2Y = along.y * d;
    head->OffsetX = head->Anchor2X + 12 * e.face.x, head->OffsetY = head->Anchor2Y + 12 * e.face.y;
    head->Label = TSVText::MakeLabel(head, Info_.Directions.Item(e.napr)->Name, 1.0);
    PlaceLabel(*head->Label, head->AnchorX, head->AnchorY, head->OffsetX + 4, head->OffsetY - 4);
  }
}

void TCrossingBuilder::AddSigns() {
  const double h = S_.MainHalf, v = S_.SideHalf, r = S_.Radius;
  const int generic[] = {1, 2, 3, 5};
  // A stand on the right of each approach, its arm pointing off the road,
  // with the signs stacked along the arm, facing the oncoming traffic.
  const struct {
    TVec foot, arm, face;
    int kinds[3];
  } stands[] = {
      {{v + r + 90, -h - 10}, {0, -1}, {1, 0}, {4, 18, Rng_.Int(9, 15)}},
      {{-v - r - 90, h + 10}, {0, 1}, {-1, 0}, {16, 4, 0}},
      {{-v - 10, -h - r - 90}, {-1, 0}, {0, -1}, {6, 17, 0}},
      {{v + 10, h + r + 90}, {1, 0}, {0, 1}, {7, generic[Rng_.Int(0, 3)], 8}},
  };
  for (const auto& s : stands) {
    auto& stand = Add<TTStolb>(TypeCode::TStolb);
    const std::size_t standIndex = Items_.size() - 1;
    std::size_t bracketIndex = standIndex;
    stand.X = X(s.foot.x), stand.Y = Y(s.foot.y);
    stand.DX = 20 * s.arm.x, stand.DY = 20 * s.arm.y;
    // A stand holds one sign at the end of its arm; the others hang on a
    // bracket carried on from there, one sign step apart.
    int signs = 0;
    for (const int kind : s.kinds) signs += kind != 0;
    if (signs > 1) {
      auto& bracket = Add<TStick>(TypeCode::Stick);
      bracket.AnchorX = stand.X, bracket.AnchorY = stand.Y;
      bracket.Anchor2X = stand.DX, bracket.Anchor2Y = stand.DY;
      bracket.OffsetX = stand.DX + s.arm.x * kSignStep * (signs - 1);
      bracket.OffsetY = stand.DY + s.arm.y * kSignStep * (signs - 1);
      HoldLastBy(standIndex);
      bracketIndex = Items_.size() - 1;
    }
    int slot = 0;
    for (const int kind : s.kinds) {
      if (kind == 0) continue;
      const TSignKindInfo* info = FindSignKind(kind);
      auto& sign = Add<TSign>(info->TypeCode);
      sign.Kind = static_cast<std::uint8_t>(kind);
      HoldLastBy(slot == 0 ? standIndex : bracketIndex);
      sign.AnchorX = stand.X, sign.AnchorY = stand.Y;
      sign.Anchor2X = stand.DX + s.arm.x * kSignStep * slot, sign.Anchor2Y = stand.DY + s.arm.y * kSignStep * slot;
      sign.OffsetX = sign.Anchor2X + 12 * s.face.x, sign.OffsetY = sign.Anchor2Y + 12 * s.face.y;
      if (auto* white = dynamic_cast<TWhiteSign*>(&sign)) {
        // The main road runs west-east and turns nowhere: two wide cells, two narrow.
        white->Cells = {0, 2, 0, 1, 0, 2, 0, 1, 0};
      }
      const std::string number = *info->DefaultNumber ? info->DefaultNumber : "3.24";
      sign.Label = TSVText::MakeLabel(&sign, number, 1.0);
      PlaceLabel(*sign.Label, sign.AnchorX, sign.AnchorY, sign.OffsetX + 6, sign.OffsetY + 6);
      ++slot;
    }
  }
}

void TCrossingBuilder::AddCabinetsAndCables() {
  const double h = S_.MainHalf, v = S_.SideHalf, r = S_.Radius;
  const struct {
    double x, y;
    std::uint8_t kind;
    const char* text;
  } cabinets[] = {{-v - r - 50, -h - r - 50, kCabinetController, "ДК"},
                  {-v - r - 85, -h - r - 50, kCabinetPowerBoard, "ЩУ"}};
  std::size_t ends[5] = {};  // the controller, the power board and the three wells
  for (std::size_t i = 0; i < 2; ++i) {
    const auto& c = cabinets[i];
    auto& cab = Add<TContr>(TypeCode::Contr);
    ends[i] = Items_.size() - 1;
    cab.X = X(c.x), cab.Y = Y(c.y);
    cab.DirX = cab.X, cab.DirY = cab.Y - 30;
    cab.Kind = c.kind;
    cab.Label = TSVText::MakeLabel(&cab, c.text, 1.0);
    PlaceLabel(*cab.Label, cab.X, cab.Y, 10, 14);
  }
  const TVec wells[] = {{-v - r - 40, -h - 22}, {v + r + 20, -h - 22}, {v + r + 20, h + 22}};
  for (std::size_t i = 0; i < 3; ++i) {
    auto& well = Add<TWELL>(TypeCode::WELL);
    ends[2 + i] = Items_.size() - 1;
    well.X = X(wells[i].x), well.Y = Y(wells[i].y);
    well.Label = TSVText::MakeLabel(&well, "К" + std::to_string(i + 1), 1.0);
    PlaceLabel(*well.Label, well.X, well.Y, 8, -8);
  }
  const TVec nw = CornerPole(S_, -1, -1), ne = CornerPole(S_, 1, -1);
  const std::size_t nwPole = CornerPoles_[CornerIndex(-1, -1)], nePole = CornerPoles_[CornerIndex(1, -1)];
  const struct {
    TVec from, to;
    std::size_t fromItem, toItem;
  } runs[] = {{{cabinets[0].x, cabinets[0].y}, wells[0], ends[0], ends[2]},
              {wells[0], nw, ends[2], nwPole},
              {wells[0], wells[1], ends[2], ends[3]},
              {wells[1], ne, ends[3], nePole},
              {wells[1], wells[2], ends[3], ends[4]}};
  for (const auto& e : runs) {
    const TVec run[2] = {e.from, e.to};
    AddLine(TypeCode::ECable, run[0].x, run[0].y, run[1].x, run[1].y);
    HoldLastBy(e.fromItem, e.toItem);
    auto& cable = static_cast<TECable&>(*Items_.back());
    cable.CableType = static_cast<std::uint8_t>(Rng_.Int(0, 5));
    const double length = std::hypot(run[1].x - run[0].x, run[1].y - run[0].y) / 12;
    cable.Label = TLinedText::MakeLabel(&cable, "КВВГ 7х1.5", "L=" + std::to_string(static_cast<int>(length)) + " м",
                                        1.0);
    PlaceLabel(*cable.Label, (cable.X1 + cable.X2) / 2, (cable.Y1 + cable.Y2) / 2, 4, -4);
  }
}

void TCrossingBuilder::AddArrows() {
  const double h = S_.MainHalf, v = S_.SideHalf, r = S_.Radius, a = S_.Arm - 40;
  const double zm = h + r + 25, zs = v + r + 25, lm = h + r + 80, ls = v + r + 80;
  const std::vector<TVec> paths[GenNapr::Count] = {
      {{a, -h / 4}, {-a, -h / 4}},
      {{-a, h / 4}, {a, h / 4}},
      {{ls, -h * 0.1}, {-v * 0.4, -h * 0.1}, {-v * 0.4, lm}},
      {{-ls, h * 0.1}, {v * 0.4, h * 0.1}, {v * 0.4, -lm}},
      {{-v / 2, -a}, {-v / 2, a}},
      {{v / 2, a}, {v / 2, -a}},
      {{-v, -zm}, {v, -zm}},
      {{-v, zm}, {v, zm}},
      {{-zs, -h}, {-zs, h}},
      {{zs, -h}, {zs, h}},
      {{-a, 14}, {a, 14}},
      {{a, -14}, {-a, -14}},
  };
  for (int n = 1; n <= GenNapr::Count; ++n) {
    const std::vector<TVec>& path = paths[n - 1];
    const bool pedestrian = n >= GenNapr::PedNorthArm && n <= GenNapr::PedEastArm;
    auto& arrow = Add<TNapr>(TypeCode::Napr);
    arrow.Count = static_cast<std::uint8_t>(path.size());
    for (std::size_t i = 0; i < path.size(); ++i) arrow.Vertices[i] = TRealPoint{X(path[i].x), Y(path[i].y)};
    arrow.Oneway = !pedestrian;
    arrow.Run = true;
    arrow.Dashed = pedestrian ? 1 : 0;
    arrow.Phase = static_cast<std::uint8_t>(FirstPhaseOf(n));
    arrow.Label = TLinedText::MakeLabel(&arrow, "Н" + std::to_string(n), "ф. " + std::to_string(arrow.Phase), 1.0);
    PlaceLabel(*arrow.Label, arrow.Vertices[0].x, arrow.Vertices[0].y, 4, -6);
  }
}

#pragma once
// One generated intersection: a main road running west-east crossed by a
// side road, with curbs, tram tracks, markings, buildings, poles, sticks,
// stands, signal heads bound to the directions of the plan, road signs,
// gantries, stays, cabinets, wells, cables, direction arrows for every phase
// and free texts. Items carry labels wherever their kind has one.
#include <array>
#include <cstddef>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "model/SVItem.h"
#include "model/SVObject.h"

class TSVInfo;
class TGenRandom;
class TSVText;
class TLinedText;

using TGenItems = std::vector<std::unique_ptr<TSVItem>>;

// The measures of one crossing in world units; y grows southwards.
struct TCrossingShape {
  double CX = 0, CY = 0;
  // Half widths of the main (west-east) and the side (north-south) road.
  double MainHalf = 80;
  double SideHalf = 45;
  // Length of each arm from the centre.
  double Arm = 320;
  // Corner radius of the curbs.
  double Radius = 22;
};

// The distance between the centres of neighbouring crossings in the grid.
constexpr double kCrossingPitch = 800;

// Draws the measures of a crossing centred at (cx, cy).
TCrossingShape RandomCrossingShape(double cx, double cy, TGenRandom& rng);

class TCrossingBuilder {
 public:
  // info: the passport's information, whose directions the heads point to.
  TCrossingBuilder(const TCrossingShape& shape, const TSVInfo& info, TGenRandom& rng, int number);

  // Every item of the crossing, in an order where the first item of each
  // type code comes before any second one.
  TGenItems Build();

 private:
  // Roads and ground: curbs, tracks, markings, buildings, free texts.
  void AddCurbs();
  void AddTracks();
  void AddMarkings();
  void AddBuildings();
  void AddFreeTexts();
  // Street furniture: poles, stands, heads, signs, cabinets, cable plant, arrows.
  void AddPoles();
  void AddGantryAndStay();
  void AddHeads();
  void AddSigns();
  void AddCabinetsAndCables();
  void AddArrows();

  // Helpers for the item lines.
  template <class T>
  T& Add(std::uint32_t code);
  void AddLine(std::uint32_t code, double x1, double y1, double x2, double y2);
  void AddArc(std::uint32_t code, double cx, double cy, double r, double fx, double fy, double sx, double sy);
  // Each returns the index of the item it made.
  std::size_t AddPole(double x, double y, bool own, const std::string& number);
  std::size_t AddStick(std::size_t pole, double px, double py, double dx, double dy);
  // The last item made hangs on, or is strung between, these items.
  void HoldLastBy(std::size_t carrier, std::size_t other);
  void HoldLastBy(std::size_t carrier) { HoldLastBy(carrier, carrier); }
  // Places a label at `anchor` + (dx, dy) symbol units, reading rightwards.
  void PlaceLabel(TSVText& label, double ax, double ay, double dx, double dy);
  double X(double dx) const { return S_.CX + dx; }
  double Y(double dy) const { return S_.CY + dy; }

  const TCrossingShape S_;
  const TSVInfo& Info_;
  TGenRandom& Rng_;
  const int Number_;
  TGenItems Items_;
  // For every item, the items it hangs on or is strung between (its own
  // index twice for an item that stands on its own): a passport cut short
  // keeps the carriers of every stick, head, sign and cable it keeps. The
  // gantry and the stay are not tied to their poles, so that a few dozen
  // items still hold every kind.
  std::vector<std::array<std::size_t, 2>> Carriers_;
  // The corner poles and their sticks (0 over the main road, 1 over the
  // side road), by CornerIndex.
  static std::size_t CornerIndex(int sx, int sy) {
    return static_cast<std::size_t>((sx > 0 ? 0 : 2) + (sy > 0 ? 0 : 1));
  }
  std::array<std::size_t, 4> CornerPoles_{};
  std::array<std::array<std::size_t, 2>, 4> CornerSticks_{};
};

template <class T>
T& TCrossingBuilder::Add(std::uint32_t code) {
  std::unique_ptr<TSVItem> item = TSVObject::CreateItem(code);
  T* typed = dynamic_cast<T*>(item.get());
  // The factory table and the generator disagree: a programming error.
  if (!typed) std::abort();
  Carriers_.push_back({Items_.size(), Items_.size()});
  Items_.push_back(std::move(item));
  return *typed;
}

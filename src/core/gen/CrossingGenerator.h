#pragma once
// One generated intersection: a main road running west-east crossed by a
// side road, with curbs, tram tracks, markings, buildings, poles, sticks,
// stands, signal heads bound to the directions of the plan, road signs,
// gantries, stays, cabinets, wells, cables, direction arrows for every phase
// and free texts. Items carry labels wherever their kind has one.
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
  void AddPole(double x, double y, bool own, const std::string& number);
  void AddStick(double px, double py, double dx, double dy);
  // Places a label at `anchor` + (dx, dy) symbol units, reading rightwards.
  void PlaceLabel(TSVText& label, double ax, double ay, double dx, double dy);
  double X(double dx) const { return S_.CX + dx; }
  double Y(double dy) const { return S_.CY + dy; }

  const TCrossingShape S_;
  const TSVInfo& Info_;
  TGenRandom& Rng_;
  const int Number_;
  TGenItems Items_;
};

template <class T>
T& TCrossingBuilder::Add(std::uint32_t code) {
  std::unique_ptr<TSVItem> item = TSVObject::CreateItem(code);
  T* typed = dynamic_cast<T*>(item.get());
  // The factory table and the generator disagree: a programming error.
  if (!typed) std::abort();
  Items_.push_back(std::move(item));
  return *typed;
}

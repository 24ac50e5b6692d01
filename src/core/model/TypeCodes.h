#pragma once
// The numbers of the scheme by name: the twelve layers in drawing order, the
// type codes of the scheme file, and what the editor asks the items for when
// it snaps a click. The values are those of the stored files and must never
// change; which class a code makes and which layer holds it is decided in
// one place only, the factory (ItemFactory.cpp).
#include <cstdint>

// The layers, drawn from 1 (first, at the bottom) to 12 (last, on top).
enum class TLayerId : int {
  Buildings = 1,    // buildings
  Cables = 2,       // cable runs
  Markings = 3,     // road markings
  CurbsRails = 4,   // curbs, tram rails and free texts
  Wells = 5,        // cable wells
  Controllers = 6,  // controllers, phone boxes, power boards
  Directions = 7,   // traffic directions
  Sticks = 8,       // connecting lines and separate sign stands
  Spans = 9,        // gantries, consoles and stays
  Poles = 10,       // poles and stands
  Signs = 11,       // road signs
  Heads = 12,       // signal heads
};

// The layer's number, 1 to 12, as the layer array and the files count it.
constexpr int LayerNo(TLayerId id) { return static_cast<int>(id); }

// Type codes of the scheme file, named after the class each one makes.
namespace TypeCode {
constexpr std::uint32_t SLB = 1;
constexpr std::uint32_t WELL = 2;
constexpr std::uint32_t CB = 3;
// A plain label owned by an item; never an entry of its own in the file.
constexpr std::uint32_t SVText = 4;
constexpr std::uint32_t ECable = 5;
constexpr std::uint32_t Contr = 6;
constexpr std::uint32_t STOLB = 7;
constexpr std::uint32_t Stick = 8;
constexpr std::uint32_t CarHead = 10;
constexpr std::uint32_t TramHead = 11;
constexpr std::uint32_t PedHead = 12;
constexpr std::uint32_t Sign = 13;
constexpr std::uint32_t MainSign = 14;
constexpr std::uint32_t LeaveSign = 15;
constexpr std::uint32_t Napr = 16;
constexpr std::uint32_t Ferma = 17;
constexpr std::uint32_t SVRealText = 18;
constexpr std::uint32_t Tram = 19;
constexpr std::uint32_t RTram = 20;
constexpr std::uint32_t Build = 21;
constexpr std::uint32_t StopSign = 22;
constexpr std::uint32_t Zebra = 23;
constexpr std::uint32_t StopLine = 24;
constexpr std::uint32_t SingleLine = 25;
constexpr std::uint32_t PedLine = 26;
constexpr std::uint32_t MarkArrow = 27;
constexpr std::uint32_t TStolb = 28;
constexpr std::uint32_t Tros = 30;
constexpr std::uint32_t BrickSign = 31;
constexpr std::uint32_t ArrowSign = 32;
// A lined label (a cable's or a direction's); it belongs to no layer.
constexpr std::uint32_t LinedText = 33;
constexpr std::uint32_t WhiteSign = 34;
constexpr std::uint32_t TableSign = 35;
}  // namespace TypeCode

// What a click asks the items of the scheme for when it snaps (the code
// handed to FindAnchor and FindAnchorEx). A placing tool asks with the type
// code of the item it places; the items decide what they offer to it.
namespace SnapRequest {
// Curb ends for a straight or rounded curb.
constexpr std::uint32_t StraightCurb = TypeCode::SLB;
constexpr std::uint32_t RoundCurb = TypeCode::CB;
// A place on a cable run for a well, a cabinet or a pole.
constexpr std::uint32_t Well = TypeCode::WELL;
constexpr std::uint32_t Cabinet = TypeCode::Contr;
constexpr std::uint32_t Pole = TypeCode::STOLB;
// Cable runs, wells, cabinets and poles for a cable.
constexpr std::uint32_t Cable = TypeCode::ECable;
// Carriers of a connecting line: poles, gantries, stays, buildings and
// other connecting lines.
constexpr std::uint32_t Stick = TypeCode::Stick;
// The free end of a connecting line or a sign stand's arm, for a signal
// head. The only request that is no type code.
constexpr std::uint32_t Head = 9;
// A connecting line or a sign stand's arm, for a sign.
constexpr std::uint32_t Sign = TypeCode::Sign;
// The start of a direction on another direction.
constexpr std::uint32_t Direction = TypeCode::Napr;
// Poles for a gantry or a console.
constexpr std::uint32_t Gantry = TypeCode::Ferma;
// Rail ends for a straight or rounded rail.
constexpr std::uint32_t StraightRail = TypeCode::Tram;
constexpr std::uint32_t RoundRail = TypeCode::RTram;
// Lane-line ends for a stop line or a separating line; a pedestrian
// crossing asks too, and nothing answers it.
constexpr std::uint32_t StopLine = TypeCode::StopLine;
constexpr std::uint32_t SingleLine = TypeCode::SingleLine;
constexpr std::uint32_t PedLine = TypeCode::PedLine;
// Poles and buildings for a stay.
constexpr std::uint32_t Stay = TypeCode::Tros;
// A cable or a direction, where its lined label starts.
constexpr std::uint32_t LinedLabel = TypeCode::LinedText;
}  // namespace SnapRequest

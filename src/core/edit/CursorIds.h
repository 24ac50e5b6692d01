#pragma once
// The cursors of the scheme windows by name. The numbers 5 to 26 are the
// scheme cursors the windows register, each drawn from its own picture
// file; the arrow and the cross are the system's own.
namespace CursorId {
constexpr int Arrow = 0;
constexpr int Cross = -3;
constexpr int Slb = 5;         // straight curb
constexpr int Cb = 6;          // rounded curb
constexpr int Sv = 7;          // a scheme item in general
constexpr int ECable = 9;      // cable
constexpr int Hand = 10;       // pan ready, base move ready
constexpr int Fist = 11;       // panning
constexpr int Well = 12;       // well
constexpr int Contr = 14;      // controller, phone box, power board
constexpr int Stolb = 15;      // pole, separate sign stand
constexpr int ZoomIn = 16;     // zoom in
constexpr int ZoomOut = 17;    // zoom out
constexpr int Stick = 18;      // connecting line
constexpr int Head = 19;       // signal head
constexpr int Sign = 20;       // road sign
constexpr int PlaceText = 21;  // free text, label placement
constexpr int Napr = 22;       // traffic direction
constexpr int Ferma = 23;      // gantry, console, stay
constexpr int Rail = 24;       // straight and rounded rails
constexpr int Build = 25;      // building
constexpr int Zebra = 26;      // road markings
}  // namespace CursorId

// The factory: which class a type code of the scheme file makes, and which
// layer holds it. The only place in the program that switches on type codes.
#include <memory>

#include "SVObject.h"
// item-headers: each family adds its includes below this line.

std::unique_ptr<TSVItem> TSVObject::CreateItem(std::uint32_t code) {
  switch (code) {
    // family: texts
    // family: poles, sticks, stands, stays, cabinets
    // family: signal heads
    // family: direction arrows
    // family: road signs
    // family: curbs and tram tracks
    // family: road markings
    // family: buildings and gantries
    // family: cable plant
    default:
      return nullptr;
  }
}

int TSVObject::LayerOf(std::uint32_t code) {
  switch (code) {
    case 21: return 1;
    case 5: return 2;
    case 23: case 24: case 25: case 26: case 27: return 3;
    case 1: case 3: case 18: case 19: case 20: return 4;
    case 2: return 5;
    case 6: return 6;
    case 16: return 7;
    case 8: case 28: return 8;
    case 17: case 30: return 9;
    case 7: return 10;
    case 13: case 14: case 15: case 22: case 31: case 32: case 34: case 35: return 11;
    case 10: case 11: case 12: return 12;
    default: return 0;
  }
}

// The factory: which class a type code of the scheme file makes, and which
// layer holds it. The only place in the program that switches on type codes.
#include <memory>

#include "SVObject.h"
#include "items/ArrowSign.h"
#include "items/BrickSign.h"
#include "items/Build.h"
#include "items/CarHead.h"
#include "items/CB.h"
#include "items/Contr.h"
#include "items/ECable.h"
#include "items/Ferma.h"
#include "items/LeaveSign.h"
#include "items/LinedText.h"
#include "items/MainSign.h"
#include "items/MarkArrow.h"
#include "items/Napr.h"
#include "items/PedHead.h"
#include "items/PedLine.h"
#include "items/RTram.h"
#include "items/Sign.h"
#include "items/SingleLine.h"
#include "items/SLB.h"
#include "items/TStolb.h"
#include "items/Stick.h"
#include "items/STOLB.h"
#include "items/StopLine.h"
#include "items/StopSign.h"
#include "items/SVRealText.h"
#include "items/TableSign.h"
#include "items/Tram.h"
#include "items/TramHead.h"
#include "items/Tros.h"
#include "items/WELL.h"
#include "items/WhiteSign.h"
#include "items/Zebra.h"

std::unique_ptr<TSVItem> TSVObject::CreateItem(std::uint32_t code) {
  switch (code) {
    // texts
    case 18: return std::make_unique<TSVRealText>(code);
    case 33: return std::make_unique<TLinedText>(code);
    // poles, sticks, stands, stays, cabinets
    case 6: return std::make_unique<TContr>(code);
    case 7: return std::make_unique<TSTOLB>(code);
    case 8: return std::make_unique<TStick>(code);
    case 28: return std::make_unique<TTStolb>(code);
    case 30: return std::make_unique<TTros>(code);
    // signal heads
    case 10: return std::make_unique<TCarHead>(code);
    case 11: return std::make_unique<TTramHead>(code);
    case 12: return std::make_unique<TPedHead>(code);
    // direction arrows
    case 16: return std::make_unique<TNapr>(code);
    // road signs
    case 13: return std::make_unique<TSign>(code);
    case 14: return std::make_unique<TMainSign>(code);
    case 15: return std::make_unique<TLeaveSign>(code);
    case 22: return std::make_unique<TStopSign>(code);
    case 31: return std::make_unique<TBrickSign>(code);
    case 32: return std::make_unique<TArrowSign>(code);
    case 34: return std::make_unique<TWhiteSign>(code);
    case 35: return std::make_unique<TTableSign>(code);
    // curbs and tram tracks
    case 1: return std::make_unique<TSLB>(code);
    case 3: return std::make_unique<TCB>(code);
    case 19: return std::make_unique<TTram>(code);
    case 20: return std::make_unique<TRTram>(code);
    // road markings
    case 23: return std::make_unique<TZebra>(code);
    case 24: return std::make_unique<TStopLine>(code);
    case 25: return std::make_unique<TSingleLine>(code);
    case 26: return std::make_unique<TPedLine>(code);
    case 27: return std::make_unique<TMarkArrow>(code);
    // buildings and gantries
    case 17: return std::make_unique<TFerma>(code);
    case 21: return std::make_unique<TBuild>(code);
    // cable plant
    case 2: return std::make_unique<TWELL>(code);
    case 5: return std::make_unique<TECable>(code);
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

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
    case TypeCode::SVRealText: return std::make_unique<TSVRealText>(code);
    case TypeCode::LinedText: return std::make_unique<TLinedText>(code);
    // poles, sticks, stands, stays, cabinets
    case TypeCode::Contr: return std::make_unique<TContr>(code);
    case TypeCode::STOLB: return std::make_unique<TSTOLB>(code);
    case TypeCode::Stick: return std::make_unique<TStick>(code);
    case TypeCode::TStolb: return std::make_unique<TTStolb>(code);
    case TypeCode::Tros: return std::make_unique<TTros>(code);
    // signal heads
    case TypeCode::CarHead: return std::make_unique<TCarHead>(code);
    case TypeCode::TramHead: return std::make_unique<TTramHead>(code);
    case TypeCode::PedHead: return std::make_unique<TPedHead>(code);
    // direction arrows
    case TypeCode::Napr: return std::make_unique<TNapr>(code);
    // road signs
    case TypeCode::Sign: return std::make_unique<TSign>(code);
    case TypeCode::MainSign: return std::make_unique<TMainSign>(code);
    case TypeCode::LeaveSign: return std::make_unique<TLeaveSign>(code);
    case TypeCode::StopSign: return std::make_unique<TStopSign>(code);
    case TypeCode::BrickSign: return std::make_unique<TBrickSign>(code);
    case TypeCode::ArrowSign: return std::make_unique<TArrowSign>(code);
    case TypeCode::WhiteSign: return std::make_unique<TWhiteSign>(code);
    case TypeCode::TableSign: return std::make_unique<TTableSign>(code);
    // curbs and tram tracks
    case TypeCode::SLB: return std::make_unique<TSLB>(code);
    case TypeCode::CB: return std::make_unique<TCB>(code);
    case TypeCode::Tram: return std::make_unique<TTram>(code);
    case TypeCode::RTram: return std::make_unique<TRTram>(code);
    // road markings
    case TypeCode::Zebra: return std::make_unique<TZebra>(code);
    case TypeCode::StopLine: return std::make_unique<TStopLine>(code);
    case TypeCode::SingleLine: return std::make_unique<TSingleLine>(code);
    case TypeCode::PedLine: return std::make_unique<TPedLine>(code);
    case TypeCode::MarkArrow: return std::make_unique<TMarkArrow>(code);
    // buildings and gantries
    case TypeCode::Ferma: return std::make_unique<TFerma>(code);
    case TypeCode::Build: return std::make_unique<TBuild>(code);
    // cable plant
    case TypeCode::WELL: return std::make_unique<TWELL>(code);
    case TypeCode::ECable: return std::make_unique<TECable>(code);
    default:
      return nullptr;
  }
}

int TSVObject::LayerOf(std::uint32_t code) {
  switch (code) {
    case TypeCode::Build:
      return LayerNo(TLayerId::Buildings);
    case TypeCode::ECable:
      return LayerNo(TLayerId::Cables);
    case TypeCode::Zebra:
    case TypeCode::StopLine:
    case TypeCode::SingleLine:
    case TypeCode::PedLine:
    case TypeCode::MarkArrow:
      return LayerNo(TLayerId::Markings);
    case TypeCode::SLB:
    case TypeCode::CB:
    case TypeCode::SVRealText:
    case TypeCode::Tram:
    case TypeCode::RTram:
      return LayerNo(TLayerId::CurbsRails);
    case TypeCode::WELL:
      return LayerNo(TLayerId::Wells);
    case TypeCode::Contr:
      return LayerNo(TLayerId::Controllers);
    case TypeCode::Napr:
      return LayerNo(TLayerId::Directions);
    case TypeCode::Stick:
    case TypeCode::TStolb:
      return LayerNo(TLayerId::Sticks);
    case TypeCode::Ferma:
    case TypeCode::Tros:
      return LayerNo(TLayerId::Spans);
    case TypeCode::STOLB:
      return LayerNo(TLayerId::Poles);
    case TypeCode::Sign:
    case TypeCode::MainSign:
    case TypeCode::LeaveSign:
    case TypeCode::StopSign:
    case TypeCode::BrickSign:
    case TypeCode::ArrowSign:
    case TypeCode::WhiteSign:
    case TypeCode::TableSign:
      return LayerNo(TLayerId::Signs);
    case TypeCode::CarHead:
    case TypeCode::TramHead:
    case TypeCode::PedHead:
      return LayerNo(TLayerId::Heads);
    default:
      return 0;
  }
}

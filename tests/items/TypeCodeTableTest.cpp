// The named numbers of the scheme against the table of the scheme file,
// written out here by hand: every type code, the class it makes and the
// layer that holds it; the layers by name; what the editor asks for when it
// snaps; the cursor numbers.
#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <iterator>
#include <set>
#include <typeindex>
#include <typeinfo>

#include "edit/CursorIds.h"
#include "items/ArrowSign.h"
#include "items/BrickSign.h"
#include "items/Build.h"
#include "items/CB.h"
#include "items/CarHead.h"
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
#include "items/SLB.h"
#include "items/STOLB.h"
#include "items/SVRealText.h"
#include "items/SVText.h"
#include "items/Sign.h"
#include "items/SingleLine.h"
#include "items/Stick.h"
#include "items/StopLine.h"
#include "items/StopSign.h"
#include "items/TStolb.h"
#include "items/TableSign.h"
#include "items/Tram.h"
#include "items/TramHead.h"
#include "items/Tros.h"
#include "items/WELL.h"
#include "items/WhiteSign.h"
#include "items/Zebra.h"
#include "model/SVObject.h"
#include "model/TypeCodes.h"

namespace {

struct TCodeRow {
  std::uint32_t Named;  // the constant the program uses
  std::uint32_t Code;   // the number in map.txt
  const char* Class;
  std::type_index Type;
  int Layer;  // 0: in no layer
};

#define ROW(name, code, cls, layer) {TypeCode::name, code, #cls, std::type_index(typeid(cls)), layer}

const TCodeRow kCodes[] = {
    ROW(SLB, 1, TSLB, 4),
    ROW(WELL, 2, TWELL, 5),
    ROW(CB, 3, TCB, 4),
    ROW(ECable, 5, TECable, 2),
    ROW(Contr, 6, TContr, 6),
    ROW(STOLB, 7, TSTOLB, 10),
    ROW(Stick, 8, TStick, 8),
    ROW(CarHead, 10, TCarHead, 12),
    ROW(TramHead, 11, TTramHead, 12),
    ROW(PedHead, 12, TPedHead, 12),
    ROW(Sign, 13, TSign, 11),
    ROW(MainSign, 14, TMainSign, 11),
    ROW(LeaveSign, 15, TLeaveSign, 11),
    ROW(Napr, 16, TNapr, 7),
    ROW(Ferma, 17, TFerma, 9),
    ROW(SVRealText, 18, TSVRealText, 4),
    ROW(Tram, 19, TTram, 4),
    ROW(RTram, 20, TRTram, 4),
    ROW(Build, 21, TBuild, 1),
    ROW(StopSign, 22, TStopSign, 11),
    ROW(Zebra, 23, TZebra, 3),
    ROW(StopLine, 24, TStopLine, 3),
    ROW(SingleLine, 25, TSingleLine, 3),
    ROW(PedLine, 26, TPedLine, 3),
    ROW(MarkArrow, 27, TMarkArrow, 3),
    ROW(TStolb, 28, TTStolb, 8),
    ROW(Tros, 30, TTros, 9),
    ROW(BrickSign, 31, TBrickSign, 11),
    ROW(ArrowSign, 32, TArrowSign, 11),
    ROW(LinedText, 33, TLinedText, 0),
    ROW(WhiteSign, 34, TWhiteSign, 11),
    ROW(TableSign, 35, TTableSign, 11),
};

#undef ROW

TEST(TypeCodeTable, EveryCodeMakesItsClassInItsLayerAndNoOtherCodeMakesAnything) {
  std::set<std::uint32_t> listed;
  for (const TCodeRow& row : kCodes) {
    SCOPED_TRACE(row.Class);
    listed.insert(row.Code);
    EXPECT_EQ(row.Named, row.Code);
    std::unique_ptr<TSVItem> item = TSVObject::CreateItem(row.Code);
    ASSERT_NE(item, nullptr);
    const TSVItem& made = *item;
    EXPECT_TRUE(std::type_index(typeid(made)) == row.Type) << "made " << typeid(made).name();
    EXPECT_EQ(item->TypeCode, row.Code);
    EXPECT_EQ(TSVObject::LayerOf(row.Code), row.Layer);
  }
  EXPECT_EQ(listed.size(), 32u);
  // A plain label's code is known by name but makes nothing on its own.
  EXPECT_EQ(TypeCode::SVText, 4u);
  for (std::uint32_t code = 0; code <= 300; ++code) {
    if (listed.count(code)) continue;
    SCOPED_TRACE(code);
    EXPECT_EQ(TSVObject::CreateItem(code), nullptr);
    EXPECT_EQ(TSVObject::LayerOf(code), 0);
  }
  EXPECT_EQ(TSVObject::CreateItem(0xFFFFFFFFu), nullptr);
}

TEST(TypeCodeTable, LayersByNameFromBottomToTop) {
  const struct {
    TLayerId Id;
    int Number;
  } layers[] = {
      {TLayerId::Buildings, 1}, {TLayerId::Cables, 2},      {TLayerId::Markings, 3},    {TLayerId::CurbsRails, 4},
      {TLayerId::Wells, 5},     {TLayerId::Controllers, 6}, {TLayerId::Directions, 7},  {TLayerId::Sticks, 8},
      {TLayerId::Spans, 9},     {TLayerId::Poles, 10},      {TLayerId::Signs, 11},      {TLayerId::Heads, 12},
  };
  TSVObject scheme("unused");
  for (const auto& l : layers) {
    SCOPED_TRACE(l.Number);
    EXPECT_EQ(LayerNo(l.Id), l.Number);
    EXPECT_EQ(&scheme.Layer(l.Id), &scheme.Layer(l.Number));
  }
  EXPECT_EQ(static_cast<int>(std::size(layers)), kLayerCount);
}

TEST(TypeCodeTable, SnapRequestsAndCursorsKeepTheirNumbers) {
  const std::uint32_t snaps[][2] = {
      {SnapRequest::StraightCurb, 1}, {SnapRequest::Well, 2},          {SnapRequest::RoundCurb, 3},
      {SnapRequest::Cable, 5},        {SnapRequest::Cabinet, 6},       {SnapRequest::Pole, 7},
      {SnapRequest::Stick, 8},        {SnapRequest::Head, 9},          {SnapRequest::Sign, 13},
      {SnapRequest::Direction, 16},   {SnapRequest::Gantry, 17},       {SnapRequest::StraightRail, 19},
      {SnapRequest::RoundRail, 20},   {SnapRequest::StopLine, 24},     {SnapRequest::SingleLine, 25},
      {SnapRequest::PedLine, 26},     {SnapRequest::Stay, 30},         {SnapRequest::LinedLabel, 33},
  };
  for (const auto& s : snaps) EXPECT_EQ(s[0], s[1]);
  const int cursors[][2] = {
      {CursorId::Arrow, 0},    {CursorId::Cross, -3},   {CursorId::Slb, 5},      {CursorId::Cb, 6},
      {CursorId::Sv, 7},       {CursorId::ECable, 9},   {CursorId::Hand, 10},    {CursorId::Fist, 11},
      {CursorId::Well, 12},    {CursorId::Contr, 14},   {CursorId::Stolb, 15},   {CursorId::ZoomIn, 16},
      {CursorId::ZoomOut, 17}, {CursorId::Stick, 18},   {CursorId::Head, 19},    {CursorId::Sign, 20},
      {CursorId::PlaceText, 21}, {CursorId::Napr, 22}, {CursorId::Ferma, 23},   {CursorId::Rail, 24},
      {CursorId::Build, 25},   {CursorId::Zebra, 26},
  };
  for (const auto& c : cursors) EXPECT_EQ(c[0], c[1]);
}

}  // namespace

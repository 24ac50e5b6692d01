#include "ToolTable.h"

#include <algorithm>

#include "CarrierTools.h"
#include "LineTools.h"
#include "SymbolTools.h"
#include "ViewTools.h"
#include "model/TypeCodes.h"

namespace {

constexpr int L(TLayerId id) { return LayerNo(id); }

// The requests of a tool whose two clicks give the two ends of `what`
// (a noun in the genitive).
std::vector<std::string> Ends(const std::string& what) {
  return {"Щёлкните начало " + what, "Щёлкните конец " + what};
}

std::vector<std::string> Cabinet(const std::string& where, const std::string& facing) {
  return {"Щёлкните место " + where, "Щёлкните, куда " + facing};
}

const std::vector<std::string> kSelect = {
    "Щёлкните элемент схемы или обведите рамкой несколько элементов; Delete удаляет выбранные",
    "Отпустите кнопку мыши: будут выбраны элементы в рамке"};
const std::vector<std::string> kPan = {"Нажмите кнопку мыши на схеме и перетащите схему",
                                       "Перетащите схему и отпустите кнопку мыши"};
const std::vector<std::string> kZoomIn = {"Щёлкните, чтобы увеличить изображение, или обведите рамкой часть схемы",
                                          "Отпустите кнопку мыши: рамка заполнит окно"};
const std::vector<std::string> kZoomOut = {"Щёлкните, чтобы уменьшить изображение"};
const std::vector<std::string> kBaseMove = {"Нажмите кнопку мыши на основе и перетащите её",
                                            "Перетащите основу и отпустите кнопку мыши"};
const std::vector<std::string> kAlign = {"Укажите первую точку на схеме", "Укажите вторую точку на схеме",
                                         "Укажите первую точку на основе", "Укажите вторую точку на основе"};

}  // namespace

const std::vector<TToolEntry>& ToolEntries() {
  static const std::vector<TToolEntry> table = {
      {{"Выбор элемента схемы", CursorId::Arrow, 0}, MakeSelectTool, kSelect, ""},
      {{"Прямой бордюр", CursorId::Slb, L(TLayerId::CurbsRails)},
       [] { return MakeTwoClickTool(TypeCode::SLB, true, TTwoClickEnd::Add); },
       Ends("бордюра"),
       ""},
      {{"Закругленный бордюр", CursorId::Cb, L(TLayerId::CurbsRails)},
       [] { return MakeArcTool(TypeCode::CB, true); },
       {"Щёлкните начало бордюра", "Щёлкните конец бордюра", "Щёлкните точку на дуге бордюра"},
       ""},
      {{"Колодец", CursorId::Well, L(TLayerId::Wells)}, MakeWellTool, {"Щёлкните место колодца"}, ""},
      {{"Кабель", CursorId::ECable, L(TLayerId::Cables)}, MakeCableTool, Ends("кабеля"), ""},
      {{"Передвинуть схему", CursorId::Hand, 0}, MakePanTool, kPan, ""},
      {{"Контроллер", CursorId::Contr, L(TLayerId::Controllers)},
       [] { return MakeCabinetTool(0); },
       Cabinet("контроллера", "обращён контроллер"),
       ""},
      {{"Увеличить изображение", CursorId::ZoomIn, 0}, MakeZoomInTool, kZoomIn, ""},
      {{"Уменьшить изображение", CursorId::ZoomOut, 0}, MakeZoomOutTool, kZoomOut, ""},
      {{"Стойка или столб", CursorId::Stolb, L(TLayerId::Poles)}, MakePoleTool, {"Щёлкните место столба"}, ""},
      {{"Соединительная линия", CursorId::Stick, L(TLayerId::Sticks)},
       MakeStickTool,
       {"Щёлкните столб, портал, трос, здание или соединительную линию, к которым крепится новая линия",
        "Щёлкните конец соединительной линии"},
       ""},
      {{"Головка", CursorId::Head, L(TLayerId::Sticks)},
       MakeHeadTool,
       {"Щёлкните конец соединительной линии или стойки отдельного знака, на которой висит головка",
        "Щёлкните, куда обращена головка"},
       ""},
      {{"Знак", CursorId::Sign, L(TLayerId::Sticks)},
       MakeSignTool,
       {"Щёлкните соединительную линию или стойку отдельного знака, на которой висит знак",
        "Щёлкните, куда обращён знак"},
       ""},
      {{"Направление движения", CursorId::Napr, L(TLayerId::Directions)},
       [] { return MakePathTool(TypeCode::Napr, false); },
       {"Щёлкните начало направления", "Щёлкните следующую точку направления",
        "Щёлкните следующую точку; щелчок рядом с точкой, кроме первой, завершает направление"},
       ""},
      {{"Портал", CursorId::Ferma, L(TLayerId::Poles)},
       MakeGantryTool,
       {"Щёлкните столб, на котором стоит портал", "Щёлкните второй столб портала"},
       ""},
      {{"Подпись", CursorId::PlaceText, L(TLayerId::CurbsRails)},
       MakeFreeTextTool,
       {"Щёлкните место подписи: откроется ввод текста", "Щёлкните, где начинается текст",
        "Щёлкните, куда направлен текст"},
       ""},
      {{"Прямой участок рельсов", CursorId::Rail, L(TLayerId::CurbsRails)},
       [] { return MakeTwoClickTool(TypeCode::Tram, true, TTwoClickEnd::Add); },
       Ends("участка рельсов"),
       ""},
      {{"Закругленный участок рельсов", CursorId::Rail, L(TLayerId::CurbsRails)},
       [] { return MakeArcTool(TypeCode::RTram, false); },
       {"Щёлкните начало участка рельсов", "Щёлкните конец участка рельсов",
        "Щёлкните точку на дуге участка рельсов"},
       ""},
      {{"Здание", CursorId::Build, L(TLayerId::Buildings)},
       [] { return MakePathTool(TypeCode::Build, true); },
       {"Щёлкните первый угол здания", "Щёлкните следующий угол здания",
        "Щёлкните следующий угол; щелчок рядом с одним из прежних углов замыкает здание"},
       ""},
      {{"Зебра", CursorId::Zebra, L(TLayerId::Markings)},
       [] { return MakeTwoClickTool(TypeCode::Zebra, false, TTwoClickEnd::Add); },
       Ends("зебры"),
       ""},
      {{"Стоп-линия", CursorId::Zebra, L(TLayerId::Markings)},
       [] { return MakeTwoClickTool(TypeCode::StopLine, true, TTwoClickEnd::Add); },
       Ends("стоп-линии"),
       ""},
      {{"Пешеходный переход", CursorId::Zebra, L(TLayerId::Markings)},
       [] { return MakeTwoClickTool(TypeCode::PedLine, true, TTwoClickEnd::Add); },
       Ends("пешеходного перехода"),
       ""},
      {{"Разделительная линия", CursorId::Zebra, L(TLayerId::Markings)},
       [] { return MakeTwoClickTool(TypeCode::SingleLine, true, TTwoClickEnd::LineDialog); },
       Ends("разделительной линии"),
       ""},
      {{"Разрешенные направления движения", CursorId::Zebra, L(TLayerId::Markings)},
       [] { return MakeTwoClickTool(TypeCode::MarkArrow, false, TTwoClickEnd::ArrowDialog); },
       {"Щёлкните начало стрелки на полосе", "Щёлкните, куда указывает стрелка"},
       ""},
      {{"Телефонная коробка", CursorId::Contr, L(TLayerId::Controllers)},
       [] { return MakeCabinetTool(1); },
       Cabinet("телефонной коробки", "обращена телефонная коробка"),
       ""},
      {{"Отдельный знак", CursorId::Stolb, L(TLayerId::Sticks)},
       [] { return MakeTwoClickTool(TypeCode::TStolb, false, TTwoClickEnd::Add); },
       {"Щёлкните место стойки отдельного знака", "Щёлкните конец кронштейна стойки"},
       ""},
      {{"Трос", CursorId::Ferma, L(TLayerId::Sticks)},
       MakeStayTool,
       {"Щёлкните столб или здание, от которого идёт трос", "Щёлкните столб или здание, к которому идёт трос"},
       ""},
      {{"Консоль", CursorId::Ferma, L(TLayerId::Poles)},
       MakeConsoleTool,
       {"Щёлкните столб консоли", "Щёлкните конец консоли"},
       ""},
      {{"Щит силовой", CursorId::Contr, L(TLayerId::Controllers)},
       [] { return MakeCabinetTool(2); },
       Cabinet("силового щита", "обращён силовой щит"),
       ""},
      {{"Перенос", CursorId::Hand, 0}, MakeBaseMoveTool, kBaseMove, "Передвинуть геосъемку"},
      {{"Подгонка под основу", CursorId::Cross, 0}, MakeAlignTool, kAlign, "Подогнать под геосъемку"},
  };
  return table;
}

std::string TEditTool::StepText(std::size_t index) const {
  if (Steps_.empty()) return "";
  return Steps_[std::min(index, Steps_.size() - 1)];
}

std::string TEditTool::Step(const TEditSession& s) const { return StepText(static_cast<std::size_t>(s.PointCount())); }

#include "ToolTable.h"

#include <algorithm>

#include "CarrierTools.h"
#include "LineTools.h"
#include "SymbolTools.h"
#include "ViewTools.h"

namespace {

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
      {{"Выбор элемента схемы", kCursorArrow, 0}, MakeSelectTool, kSelect, ""},
      {{"Прямой бордюр", 5, 4}, [] { return MakeTwoClickTool(1, true, TTwoClickEnd::Add); }, Ends("бордюра"), ""},
      {{"Закругленный бордюр", 6, 4},
       [] { return MakeArcTool(3, true); },
       {"Щёлкните начало бордюра", "Щёлкните конец бордюра", "Щёлкните точку на дуге бордюра"},
       ""},
      {{"Колодец", 12, 5}, MakeWellTool, {"Щёлкните место колодца"}, ""},
      {{"Кабель", 9, 2}, MakeCableTool, Ends("кабеля"), ""},
      {{"Передвинуть схему", 10, 0}, MakePanTool, kPan, ""},
      {{"Контроллер", 14, 6},
       [] { return MakeCabinetTool(0); },
       Cabinet("контроллера", "обращён контроллер"),
       ""},
      {{"Увеличить изображение", 16, 0}, MakeZoomInTool, kZoomIn, ""},
      {{"Уменьшить изображение", 17, 0}, MakeZoomOutTool, kZoomOut, ""},
      {{"Стойка или столб", 15, 10}, MakePoleTool, {"Щёлкните место столба"}, ""},
      {{"Соединительная линия", 18, 8},
       MakeStickTool,
       {"Щёлкните столб, портал, трос, здание или соединительную линию, к которым крепится новая линия",
        "Щёлкните конец соединительной линии"},
       ""},
      {{"Головка", 19, 8},
       MakeHeadTool,
       {"Щёлкните конец соединительной линии или стойки отдельного знака, на которой висит головка",
        "Щёлкните, куда обращена головка"},
       ""},
      {{"Знак", 20, 8},
       MakeSignTool,
       {"Щёлкните соединительную линию или стойку отдельного знака, на которой висит знак",
        "Щёлкните, куда обращён знак"},
       ""},
      {{"Направление движения", 22, 7},
       [] { return MakePathTool(16, false); },
       {"Щёлкните начало направления", "Щёлкните следующую точку направления",
        "Щёлкните следующую точку; щелчок рядом с точкой, кроме первой, завершает направление"},
       ""},
      {{"Портал", 23, 10},
       MakeGantryTool,
       {"Щёлкните столб, на котором стоит портал", "Щёлкните второй столб портала"},
       ""},
      {{"Подпись", 21, 4},
       MakeFreeTextTool,
       {"Щёлкните место подписи: откроется ввод текста", "Щёлкните, где начинается текст",
        "Щёлкните, куда направлен текст"},
       ""},
      {{"Прямой участок рельсов", 24, 4},
       [] { return MakeTwoClickTool(19, true, TTwoClickEnd::Add); },
       Ends("участка рельсов"),
       ""},
      {{"Закругленный участок рельсов", 24, 4},
       [] { return MakeArcTool(20, false); },
       {"Щёлкните начало участка рельсов", "Щёлкните конец участка рельсов",
        "Щёлкните точку на дуге участка рельсов"},
       ""},
      {{"Здание", 25, 1},
       [] { return MakePathTool(21, true); },
       {"Щёлкните первый угол здания", "Щёлкните следующий угол здания",
        "Щёлкните следующий угол; щелчок рядом с одним из прежних углов замыкает здание"},
       ""},
      {{"Зебра", 26, 3}, [] { return MakeTwoClickTool(23, false, TTwoClickEnd::Add); }, Ends("зебры"), ""},
      {{"Стоп-линия", 26, 3}, [] { return MakeTwoClickTool(24, true, TTwoClickEnd::Add); }, Ends("стоп-линии"), ""},
      {{"Пешеходный переход", 26, 3},
       [] { return MakeTwoClickTool(26, true, TTwoClickEnd::Add); },
       Ends("пешеходного перехода"),
       ""},
      {{"Разделительная линия", 26, 3},
       [] { return MakeTwoClickTool(25, true, TTwoClickEnd::LineDialog); },
       Ends("разделительной линии"),
       ""},
      {{"Разрешенные направления движения", 26, 3},
       [] { return MakeTwoClickTool(27, false, TTwoClickEnd::ArrowDialog); },
       {"Щёлкните начало стрелки на полосе", "Щёлкните, куда указывает стрелка"},
       ""},
      {{"Телефонная коробка", 14, 6},
       [] { return MakeCabinetTool(1); },
       Cabinet("телефонной коробки", "обращена телефонная коробка"),
       ""},
      {{"Отдельный знак", 15, 8},
       [] { return MakeTwoClickTool(28, false, TTwoClickEnd::Add); },
       {"Щёлкните место стойки отдельного знака", "Щёлкните конец кронштейна стойки"},
       ""},
      {{"Трос", 23, 8},
       MakeStayTool,
       {"Щёлкните столб или здание, от которого идёт трос", "Щёлкните столб или здание, к которому идёт трос"},
       ""},
      {{"Консоль", 23, 10}, MakeConsoleTool, {"Щёлкните столб консоли", "Щёлкните конец консоли"}, ""},
      {{"Щит силовой", 14, 6},
       [] { return MakeCabinetTool(2); },
       Cabinet("силового щита", "обращён силовой щит"),
       ""},
      {{"Перенос", 10, 0}, MakeBaseMoveTool, kBaseMove, "Передвинуть геосъемку"},
      {{"Подгонка под основу", kCursorCross, 0}, MakeAlignTool, kAlign, "Подогнать под геосъемку"},
  };
  return table;
}

std::string TEditTool::StepText(std::size_t index) const {
  if (Steps_.empty()) return "";
  return Steps_[std::min(index, Steps_.size() - 1)];
}

std::string TEditTool::Step(const TEditSession& s) const { return StepText(static_cast<std::size_t>(s.PointCount())); }

#include "ToolTable.h"

#include "CarrierTools.h"
#include "LineTools.h"
#include "SymbolTools.h"
#include "ViewTools.h"

const std::vector<TToolEntry>& ToolEntries() {
  static const std::vector<TToolEntry> table = {
      {{"Выбор элемента схемы", kCursorArrow, 0}, MakeSelectTool},
      {{"Прямой бордюр", 5, 4}, [] { return MakeTwoClickTool(1, true, TTwoClickEnd::Add); }},
      {{"Закругленный бордюр", 6, 4}, [] { return MakeArcTool(3, true); }},
      {{"Колодец", 12, 5}, MakeWellTool},
      {{"Кабель", 9, 2}, MakeCableTool},
      {{"Передвинуть схему", 10, 0}, MakePanTool},
      {{"Контроллер", 14, 6}, [] { return MakeCabinetTool(0); }},
      {{"Увеличить изображение", 16, 0}, MakeZoomInTool},
      {{"Уменьшить изображение", 17, 0}, MakeZoomOutTool},
      {{"Стойка или столб", 15, 10}, MakePoleTool},
      {{"Соединительная линия", 18, 8}, MakeStickTool},
      {{"Головка", 19, 8}, MakeHeadTool},
      {{"Знак", 20, 8}, MakeSignTool},
      {{"Направление движения", 22, 7}, [] { return MakePathTool(16, false); }},
      {{"Портал", 23, 10}, MakeGantryTool},
      {{"Подпись", 21, 4}, MakeFreeTextTool},
      {{"Прямой участок рельсов", 24, 4}, [] { return MakeTwoClickTool(19, true, TTwoClickEnd::Add); }},
      {{"Закругленный участок рельсов", 24, 4}, [] { return MakeArcTool(20, false); }},
      {{"Здание", 25, 1}, [] { return MakePathTool(21, true); }},
      {{"Зебра", 26, 3}, [] { return MakeTwoClickTool(23, false, TTwoClickEnd::Add); }},
      {{"Стоп-линия", 26, 3}, [] { return MakeTwoClickTool(24, true, TTwoClickEnd::Add); }},
      {{"Пешеходный переход", 26, 3}, [] { return MakeTwoClickTool(26, true, TTwoClickEnd::Add); }},
      {{"Разделительная линия", 26, 3}, [] { return MakeTwoClickTool(25, true, TTwoClickEnd::LineDialog); }},
      {{"Разрешенные направления движения", 26, 3},
       [] { return MakeTwoClickTool(27, false, TTwoClickEnd::ArrowDialog); }},
      {{"Телефонная коробка", 14, 6}, [] { return MakeCabinetTool(1); }},
      {{"Отдельный знак", 15, 8}, [] { return MakeTwoClickTool(28, false, TTwoClickEnd::Add); }},
      {{"Трос", 23, 8}, MakeStayTool},
      {{"Консоль", 23, 10}, MakeConsoleTool},
      {{"Щит силовой", 14, 6}, [] { return MakeCabinetTool(2); }},
      {{"Передвинуть геосъемку", 10, 0}, MakeBaseMoveTool},
      {{"Подогнать под геосъемку", kCursorCross, 0}, MakeAlignTool},
  };
  return table;
}

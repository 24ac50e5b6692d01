#include "ComplFormModel.h"

#include <algorithm>

#include "InfoEdit.h"
#include "plan/SVInfo.h"
#include "platform/IniFile.h"

namespace {

std::vector<std::string> ReadSeries(const TIniFile& ini, const std::string& prefix) {
  std::vector<std::string> items;
  for (int n = 1;; ++n) {
    std::string value = ini.ReadString("Compl_Form", prefix + std::to_string(n), "");
    if (value.empty()) break;
    items.push_back(std::move(value));
  }
  return items;
}

TPickList WithEmptyFirst(const std::vector<std::string>& items) {
  TPickList list;
  list.Index = 0;
  list.Items.push_back("");
  list.Items.insert(list.Items.end(), items.begin(), items.end());
  return list;
}

}  // namespace

TComplPickLists DefaultComplPickLists() {
  return {{"Контроллер дорожный", "Светофор транспортный", "Светофор пешеходный", "Светофор трамвайный",
           "Секция дополнительная", "Табло вызывное пешеходное", "Кабель контрольный", "Кабель силовой", "Опора",
           "Стойка", "Консоль", "Трос", "Детектор транспорта"},
          {"КС-2", "КС-4", "ДКС", "Т.1", "Т.2", "Т.4", "П.1", "КВВГ", "ТПП", "ВВГ", "металлическая",
           "железобетонная", "индуктивный", "радарный"}};
}

TComplPickLists ReadComplPickLists(const std::string& configPath) {
  const TIniFile ini(configPath);
  // Without the section the program has no lists of its own to offer but
  // these; a section that is there, even an empty one, is the user's choice.
  if (!ini.SectionExists("Compl_Form")) return DefaultComplPickLists();
  return {ReadSeries(ini, "Naim_"), ReadSeries(ini, "Type_")};
}

TComplFormModel::TComplFormModel(TSVInfo& info, const TComplPickLists& lists)
    : NAimLB(WithEmptyFirst(lists.Names)),
      TipLB(WithEmptyFirst(lists.Types)),
      LineLB(WithEmptyFirst({"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12", "13", "14", "15", "16",
                             "17", "18", "19", "21"})),
      widthLB(WithEmptyFirst({"1,5", "2", "2,5", "4"})),
      Info_(info),
      Grid_({{"Наименование", 85}, {"Тип", 192}, {"Кол-во", 48}, {"Примечания", 144}}) {
  Fill();
}

void TComplFormModel::Fill() {
  Grid_.Fill(Info_.EquipmentTable);
  Connection_ = Info_.ConnectionText;
  for (TPickList* list : {&NAimLB, &TipLB, &LineLB, &widthLB}) list->Index = 0;
}

int TComplFormModel::Press(TDialogButton button) {
  if (button != TDialogButton::Ok) return mrCancel;
  StoreMarkingEdits(Info_, [this] {
    Grid_.Store(Info_.EquipmentTable);
    Info_.ConnectionText = Connection_;
  });
  return mrOk;
}

std::string TComplFormModel::ComposedType() const {
  std::string type = TipLB.Text();
  if ((LineLB.Index > 0)) type += "   " + LineLB.Text();
  if ((LineLB.Index > 0) && (widthLB.Index > 0)) type += " x";
  if ((widthLB.Index > 0)) type += " " + widthLB.Text();
  return type;
}

bool TComplFormModel::PressButton(const std::string& caption) {
  int row = 0;
  if (caption == kAddValuesCaption)
    row = Grid_.Append({NAimLB.Text(), ComposedType()});
  else if (caption == kAddEmptyCaption)
    row = Grid_.Append();
  else if (caption == kDeleteCaption)
    return Grid_.DeleteSelected();
  else
    return false;
  return row != 0 && Grid_.Select(row);
}

bool TComplFormModel::SetCell(int row, int column, const std::string& text) { return Grid_.SetCell(row, column, text); }

bool TComplFormModel::SelectRow(int row) { return Grid_.Select(row); }

bool TComplFormModel::SetText(const std::string& control, const std::string& value) {
  if (control != "TextField") return false;
  Connection_ = MemoText(value);
  return true;
}

TPickList* TComplFormModel::List(const std::string& control) {
  if (control == "NAimLB") return &NAimLB;
  if (control == "TipLB") return &TipLB;
  if (control == "LineLB") return &LineLB;
  if (control == "widthLB") return &widthLB;
  return nullptr;
}

bool TComplFormModel::Select(const std::string& control, const std::string& item) {
  TPickList* list = List(control);
  if (!list) return false;
  const int index = list->Find(item);
  if (index < 0) return false;
  list->Index = index;
  return true;
}

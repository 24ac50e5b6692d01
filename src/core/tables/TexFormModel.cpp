#include "TexFormModel.h"

#include <cstdio>

#include "InfoEdit.h"
#include "plan/SVInfo.h"

std::string ChangeLogDate(int day, int month, int year) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%02d.%02d.%04d", day, month, year);
  return std::string(buf) + " г.";
}

TTexFormModel::TTexFormModel(TSVInfo& info, std::string today)
    : Info_(info),
      Today_(std::move(today)),
      Grid_({{"Дата", 64},
             {"Тип", 80},
             {"Трансп.", 41},
             {"Доп. секций", 37},
             {"Пешех.", 38},
             {"Трамв.", 39},
             {"Тип ДК", 76},
             {"Примечания", 168}}) {
  Fill();
}

void TTexFormModel::Fill() { Grid_.Fill(Info_.ChangeTable); }

int TTexFormModel::Press(TDialogButton button) {
  if (button != TDialogButton::Ok) return mrCancel;
  StoreMarkingEdits(Info_, [this] { Grid_.Store(Info_.ChangeTable); });
  return mrOk;
}

bool TTexFormModel::PressButton(const std::string& caption) {
  if (caption == kAddCaption) {
    const int row = Grid_.Append({Today_});
    return row != 0 && Grid_.Select(row);
  }
  if (caption == kDeleteCaption) return Grid_.DeleteSelected();
  return false;
}

bool TTexFormModel::SetCell(int row, int column, const std::string& text) { return Grid_.SetCell(row, column, text); }

bool TTexFormModel::SelectRow(int row) { return Grid_.Select(row); }

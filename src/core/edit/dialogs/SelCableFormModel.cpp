#include "SelCableFormModel.h"

#include "items/ECable.h"

TSelCableFormModel::TSelCableFormModel() {
  TypeGroup_.Items = {"Кабель питания",           "Контрольный кабель",           "Линия связи ",
                      "Воздушный  кабель питания", "Воздушный контрольный кабель", "Воздушная линия связи"};
  // A group without a choice would give a cable of no type, drawn grey.
  TypeGroup_.Index = 0;
}

bool TSelCableFormModel::Check(const std::string& caption) {
  const int i = TypeGroup_.Find(caption);
  if (i < 0) return false;
  TypeGroup_.Index = i;
  return true;
}

bool TSelCableFormModel::SetText(const std::string& control, const std::string& value) {
  if (!TextsEnabled_) return false;
  if (control == "TextField") {
    UpperText_ = value;
  } else if (control == "DownTextField") {
    LowerText_ = value;
  } else {
    return false;
  }
  return true;
}

int TSelCableFormModel::Press(TDialogButton button) {
  TextsEnabled_ = true;
  return button == TDialogButton::Ok ? mrOk : mrCancel;
}

void TSelCableFormModel::Fill(TECable& cable) const { cable.CableType = static_cast<std::uint8_t>(TypeGroup_.Index); }

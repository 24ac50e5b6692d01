#include "SetTextFormModel.h"

bool TSetTextFormModel::SetText(const std::string& control, const std::string& value) {
  if (control != "textfield") return false;
  Text_ = value;
  return true;
}

int TSetTextFormModel::Press(TDialogButton button) { return button == TDialogButton::Ok ? mrOk : mrCancel; }

std::string TSetTextFormModel::TextFor(int result) const { return result == mrOk ? Text_ : std::string(); }

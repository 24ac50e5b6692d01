#include "SetTextForm.h"

bool TSetTextForm::SetText(const std::string& control, const std::string& value) {
  if (control != "textfield") return false;
  Text_ = value;
  return true;
}

int TSetTextForm::Press(TDialogButton button) { return button == TDialogButton::Ok ? mrOk : mrCancel; }

std::string TSetTextForm::TextFor(int result) const { return result == mrOk ? Text_ : std::string(); }

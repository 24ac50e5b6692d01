#include "StolbMenuForm.h"

#include "items/STOLB.h"
#include "model/TypeCodes.h"

TStolbMenuForm::TStolbMenuForm() {
  StolbType_.Items = {"Свой", "Чужой"};
  // A dialog made anew proposes a foreign pole.
  StolbType_.Index = 1;
}

void TStolbMenuForm::Prepare(TSTOLB* pole) { Pole_ = pole; }

bool TStolbMenuForm::Check(const std::string& caption) {
  const int i = StolbType_.Find(caption);
  if (i < 0) return false;
  StolbType_.Index = i;
  return true;
}

bool TStolbMenuForm::SetText(const std::string& control, const std::string& value) {
  if (control != "TextField") return false;
  Text_ = value;
  return true;
}

int TStolbMenuForm::Press(TDialogButton button) {
  if (button != TDialogButton::Ok) return mrCancel;
  if (Pole_) {
    Pole_->Own = StolbType_.Index != 1;
    if (!Text_.empty()) {
      // A pole's label is a lined text read and written with the pole's
      // label type code.
      auto label = TLinedText::MakeLabel(Pole_, Text_, "", 1.0);
      label->TypeCode = TypeCode::SVText;
      Pole_->Label = std::move(label);
    }
  }
  return mrOk;
}

#include "StolbMenuFormModel.h"

#include "items/STOLB.h"
#include "model/TypeCodes.h"

TStolbMenuFormModel::TStolbMenuFormModel() {
  StolbType_.Items = {"Свой", "Чужой"};
  // A dialog made anew proposes a foreign pole.
  StolbType_.Index = 1;
}

void TStolbMenuFormModel::Prepare(TSTOLB* pole) { Pole_ = pole; }

bool TStolbMenuFormModel::Check(const std::string& caption) {
  const int i = StolbType_.Find(caption);
  if (i < 0) return false;
  StolbType_.Index = i;
  return true;
}

bool TStolbMenuFormModel::SetText(const std::string& control, const std::string& value) {
  if (control != "TextField") return false;
  Text_ = value;
  return true;
}

int TStolbMenuFormModel::Press(TDialogButton button) {
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

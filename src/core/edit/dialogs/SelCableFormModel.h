#pragma once
// "Выбор кабеля": the type of a new cable and the texts of its label above
// and below the leader; also the new type of the selected cables, when the
// texts play no part and are disabled.
#include <string>

#include "DialogControls.h"
#include "platform/Dialogs.h"

class TECable;

class TSelCableFormModel : public TDialogModel {
 public:
  TSelCableFormModel();

  const char* FormName() const override { return "TSelCableForm"; }
  static const char* Caption() { return "Выбор кабеля"; }

  // Opens for a new cable: type and texts.
  void Prepare() { TextsEnabled_ = true; }
  // Opens for "Смена типа кабеля": the type only, the texts disabled until
  // the dialog closes.
  void PrepareTypeChange() { TextsEnabled_ = false; }

  // An item of `typeGroup` by its caption.
  bool Check(const std::string& caption) override;
  // `TextField` (above the leader) or `DownTextField` (below it); refused
  // while the texts are disabled.
  bool SetText(const std::string& control, const std::string& value) override;
  // Ok: mrOk; Cancel and the close box: mrCancel. Either way the texts are
  // enabled again.
  int Press(TDialogButton button) override;

  // 0..5: power, control, communication; the same on overhead wires.
  int CableType() const { return TypeGroup_.Index; }
  const TRadioGroup& TypeGroup() const { return TypeGroup_; }
  const std::string& UpperText() const { return UpperText_; }
  const std::string& LowerText() const { return LowerText_; }
  bool TextsEnabled() const { return TextsEnabled_; }
  // Does a new cable get a label (either text not empty)?
  bool HasLabel() const { return !UpperText_.empty() || !LowerText_.empty(); }
  // Sets the cable's type.
  void Fill(TECable& cable) const;

 private:
  TRadioGroup TypeGroup_;
  std::string UpperText_, LowerText_;
  bool TextsEnabled_ = true;
};

#pragma once
// "Выбор направления движения по полосе": the directions a lane arrow
// painted on the carriageway allows.
#include <string>

#include "DialogControls.h"
#include "platform/Dialogs.h"

class TMarkArrow;

class TSelArrowFormModel : public TDialogModel {
 public:
  TSelArrowFormModel();

  const char* FormName() const override { return "TSelArrowForm"; }
  static const char* Caption() { return "Выбор направления движения по полосе"; }

  void Prepare() {}

  // An item of `ArrowGroup` by its caption.
  bool Check(const std::string& caption) override;
  // Ok: mrOk; Cancel and the close box: mrCancel.
  int Press(TDialogButton button) override;

  // 0 straight only, 1 left, 2 right, 3 straight and left, 4 straight and right.
  int ArrowKind() const { return ArrowGroup_.Index; }
  const TRadioGroup& ArrowGroup() const { return ArrowGroup_; }
  void Fill(TMarkArrow& arrow) const;

 private:
  TRadioGroup ArrowGroup_;
};

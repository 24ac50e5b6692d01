#pragma once
// "Тип тонкой линии разметки": how a thin lane line is painted.
#include <string>

#include "DialogControls.h"
#include "platform/Dialogs.h"

class TSingleLine;

class TSelLineFormModel : public TDialogModel {
 public:
  TSelLineFormModel();

  const char* FormName() const override { return "TSelLineForm"; }
  static const char* Caption() { return "Тип тонкой линии разметки"; }

  void Prepare() {}

  // An item of `TypeGroup` by its caption.
  bool Check(const std::string& caption) override;
  // Ok: mrOk; Cancel and the close box: mrCancel.
  int Press(TDialogButton button) override;

  // 0 solid, 1 long dashes, 2 short dashes, 3 double.
  int LineKind() const { return TypeGroup_.Index; }
  const TRadioGroup& TypeGroup() const { return TypeGroup_; }
  void Fill(TSingleLine& line) const;

 private:
  TRadioGroup TypeGroup_;
};

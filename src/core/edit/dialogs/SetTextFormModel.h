#pragma once
// "Ввод текста": the label of a cabinet, well or building, or the text of a
// free text. The field keeps the previous text to offer it again.
#include <string>

#include "platform/Dialogs.h"

class TSetTextFormModel : public TDialogModel {
 public:
  const char* FormName() const override { return "TSetTextForm"; }
  static const char* Caption() { return "Ввод текста"; }

  void Prepare() {}

  // `textfield`.
  bool SetText(const std::string& control, const std::string& value) override;
  // Ok: mrOk; "Без текста", Esc and the close box: mrCancel.
  int Press(TDialogButton button) override;

  const std::string& Text() const { return Text_; }
  // The text to make a label (or free text) of after the dialog closed with
  // `result`: the field on Ok, empty otherwise.
  std::string TextFor(int result) const;

 private:
  std::string Text_;
};

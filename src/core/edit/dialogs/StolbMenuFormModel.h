#pragma once
// "Столб": asked when a pole has been clicked into place. It tells whether
// the pole is the object's own or a foreign one and takes the text of its
// label. Type and text are offered again for the next pole.
#include <string>

#include "DialogControls.h"
#include "platform/Dialogs.h"

class TSTOLB;

class TStolbMenuFormModel : public TDialogModel {
 public:
  TStolbMenuFormModel();

  const char* FormName() const override { return "TStolbMenuForm"; }
  static const char* Caption() { return "Столб"; }

  // Binds the pole being placed (not owned) for this opening.
  void Prepare(TSTOLB* pole);

  // "Свой" or "Чужой" (group `StolbType`).
  bool Check(const std::string& caption) override;
  // `TextField`: the upper text of the pole's label.
  bool SetText(const std::string& control, const std::string& value) override;
  // Ok sets the pole's own flag and gives it its label when the text is not
  // empty, result mrOk; Cancel and the close box change nothing, mrCancel.
  int Press(TDialogButton button) override;

  // 0 "Свой", 1 "Чужой".
  int StolbType() const { return StolbType_.Index; }
  const TRadioGroup& StolbTypeGroup() const { return StolbType_; }
  const std::string& Text() const { return Text_; }
  TSTOLB* Pole() const { return Pole_; }

 private:
  TRadioGroup StolbType_;
  std::string Text_;
  TSTOLB* Pole_ = nullptr;
};

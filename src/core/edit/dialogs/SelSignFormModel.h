#pragma once
// "Выбор знака": the kind of the road sign being placed and its catalogue
// number, which becomes the sign's label. Eighteen radio buttons, one per
// kind; choosing one proposes its catalogue number, which the user may
// change. The choice and the number are offered again next time.
#include <string>
#include <vector>

#include "platform/Dialogs.h"

// One radio button of the sign dialog.
struct TSignChoice {
  // Control name ("mainsi").
  const char* Name;
  int Kind;
  // 0 the left column, 1 the right one.
  int Column;
};

class TSelSignFormModel : public TDialogModel {
 public:
  // The result of Cancel (and of the close box): no sign is placed.
  static constexpr int kCancelled = 19;

  const char* FormName() const override { return "TSelSignForm"; }
  static const char* Caption() { return "Выбор знака"; }

  // The radio buttons top to bottom, the left column first.
  static const std::vector<TSignChoice>& Choices();
  // The caption of a kind's radio button ("Главная дорога"); empty for an
  // unknown kind.
  static std::string KindCaption(int kind);

  // Nothing to fill: the dialog offers the previous choice.
  void Prepare() {}

  // A radio button by its caption: checks it and proposes its catalogue
  // number. The button already checked keeps the number as edited.
  bool Check(const std::string& caption) override;
  // `textfield`: the sign number.
  bool SetText(const std::string& control, const std::string& value) override;
  // Ok: the checked kind (1..18), or mrNone while no kind is chosen.
  // Cancel, Esc and the close box: kCancelled.
  int Press(TDialogButton button) override;

  // The checked kind, 0 when none is.
  int Kind() const { return Kind_; }
  // The number field as it stands; a non-empty number becomes the label.
  const std::string& Number() const { return Number_; }

 private:
  int Kind_ = 0;
  std::string Number_;
};

#pragma once
// "Общая информация  по объекту": the address, the object type, the comment
// and the numbers of directions and phases of the passport.
#include <string>

#include "platform/Dialogs.h"

class TSVInfo;

class TInfoFormModel : public TDialogModel {
 public:
  // Filled from the information.
  explicit TInfoFormModel(TSVInfo& info);

  const char* FormName() const override { return "TInfoForm"; }
  static std::string Caption() { return "Общая информация  по объекту"; }
  // The captions of the object types, in the order of ObjectType.
  static const char* const kTypeCaptions[3];

  // "Системный", "Локальный" or "УК".
  bool Check(const std::string& caption) override;
  // first, Second, CommField, Napr or phase.
  bool SetText(const std::string& control, const std::string& value) override;
  // Ok stores everything and closes with mrOk. A count that is not a whole
  // number from 0 to 255 is refused with a message naming its field and
  // the text: nothing is stored and the dialog stays open (mrNone).
  int Press(TDialogButton button) override;
  // The count field ("Napr" or "phase") the last refused Ok stopped at;
  // empty after an Ok that was taken.
  const std::string& BadField() const { return BadField_; }

  // The text of an edit or memo by its control name; empty for others.
  const std::string& Text(const std::string& control) const;
  // "Номер светофорного объекта: " and the object number.
  const std::string& NumLabel() const { return NumLabel_; }
  int ObjectType() const { return ObjectType_; }

  // What the main window does after Ok: the signal-plan entries ("Организация
  // движения", the time-diagram print) are off for a "УК" object, and the
  // phase selector is rebuilt for the new number of phases.
  bool PlanEntriesEnabled() const;
  int PhaseSelectorCount() const;

 private:
  TSVInfo& Info_;
  std::string NumLabel_;
  std::string First_;
  std::string Second_;
  std::string Comment_;
  std::string Napr_;
  std::string Phase_;
  int ObjectType_ = 0;
  std::string BadField_;
};

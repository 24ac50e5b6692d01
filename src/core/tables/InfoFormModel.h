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
  // Ok stores everything and closes with mrOk; it never refuses: a count
  // that is not a number becomes its leading digits or 0.
  int Press(TDialogButton button) override;

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
};

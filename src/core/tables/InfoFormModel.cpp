#include "InfoFormModel.h"

#include <algorithm>

#include "PlanGridForm.h"
#include "InfoEditMark.h"
#include "plan/SVInfo.h"

const char* const TInfoFormModel::kTypeCaptions[3] = {"Системный", "Локальный", "УК"};

namespace {

int ClampedCount(long long n) { return static_cast<int>(std::clamp<long long>(n, 0, kMaxSlots)); }

// A NUL ends the comment in info.txt; one that reached the memo would cut
// off everything after it on the next reading.
std::string WithoutNul(std::string text) {
  text.erase(std::remove(text.begin(), text.end(), '\0'), text.end());
  return text;
}

}  // namespace

TInfoFormModel::TInfoFormModel(TSVInfo& info) : Info_(info) {
  ObjectType_ = info.ObjectType;
  Napr_ = std::to_string(info.DirectionCount);
  Phase_ = std::to_string(info.PhaseCount);
  First_ = info.Address1;
  Second_ = info.Address2;
  Comment_ = info.Comment;
  NumLabel_ = "Номер светофорного объекта: " + info.ObjectNumber();
}

bool TInfoFormModel::Check(const std::string& caption) {
  for (int i = 0; i < 3; ++i)
    if (caption == kTypeCaptions[i]) {
      ObjectType_ = i;
      return true;
    }
  return false;
}

bool TInfoFormModel::SetText(const std::string& control, const std::string& value) {
  if (control == "first") First_ = value;
  else if (control == "Second") Second_ = value;
  else if (control == "CommField") Comment_ = value;
  else if (control == "Napr") Napr_ = value;
  else if (control == "phase") Phase_ = value;
  else return false;
  return true;
}

const std::string& TInfoFormModel::Text(const std::string& control) const {
  static const std::string kNone;
  if (control == "first") return First_;
  if (control == "Second") return Second_;
  if (control == "CommField") return Comment_;
  if (control == "Napr") return Napr_;
  if (control == "phase") return Phase_;
  return kNone;
}

int TInfoFormModel::Press(TDialogButton button) {
  if (button != TDialogButton::Ok) return mrCancel;
  TInfoEditMark mark(Info_);
  // A count below 0 or above 255 cannot be held: it is taken as the nearest
  // one that can, never wrapped round into a different number.
  Info_.SetDirectionCount(ClampedCount(LeadingInteger(Napr_)));
  Info_.SetPhaseCount(ClampedCount(LeadingInteger(Phase_)));
  Info_.ObjectType = ObjectType_;
  Info_.Address1 = OneLineText(First_);
  Info_.Address2 = OneLineText(Second_);
  Info_.Comment = WithoutNul(Comment_);
  // The selector rebuilt after Ok runs the directions over the new number of
  // phases.
  Info_.Directions.PhaseCount = Info_.PhaseCount;
  return mrOk;
}

bool TInfoFormModel::PlanEntriesEnabled() const { return !Info_.IsUK(); }

int TInfoFormModel::PhaseSelectorCount() const { return Info_.PhaseCount; }

#include "InfoFormModel.h"

#include <algorithm>

#include "PlanGridForm.h"
#include "InfoEditMark.h"
#include "plan/SVInfo.h"
#include "plan/SVNapr.h"
#include "platform/Messages.h"

const char* const TInfoFormModel::kTypeCaptions[3] = {"Системный", "Локальный", "УК"};

namespace {

// The count typed into a field, or a message naming the field and the text
// and false: a count that is not a whole number from 0 to 255 is refused
// rather than stored as some other number.
bool CountOf(const std::string& label, const std::string& text, int& count) {
  const std::string fault = WholeNumberFault(text, 0, kMaxSlots);
  if (!fault.empty()) {
    ShowError("Поле «" + label + "»: " + fault);
    return false;
  }
  long long v = 0;
  StrictInteger(TrimText(text), v);
  count = static_cast<int>(v);
  return true;
}

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
  BadField_.clear();
  int directions = 0, phases = 0;
  if (!CountOf("Направлений", Napr_, directions)) BadField_ = "Napr";
  else if (!CountOf("Фаз", Phase_, phases)) BadField_ = "phase";
  if (!BadField_.empty()) return mrNone;
  TInfoEditMark mark(Info_);
  Info_.SetDirectionCount(directions);
  Info_.SetPhaseCount(phases);
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

#include "SelHeadFormModel.h"

#include "items/CarHead.h"
#include "items/PedHead.h"
#include "items/TramHead.h"
#include "model/TypeCodes.h"
#include "plan/SVInfo.h"
#include "plan/SVNapr.h"

namespace {
const char* const kNone = "-";
const char* const kLabelSuffix = "н ";

// Keeps a previous choice that still names a direction beyond the first
// item; anything else falls back to the first item.
void Refill(TPickList& list, std::vector<std::string> items, int directions, bool withNone) {
  const int old = list.Index;
  const int last = withNone ? directions : directions - 1;
  list.Items = std::move(items);
  list.Index = list.Items.empty() ? -1 : (old > 0 && old <= last ? old : 0);
}

TSVNapr* Resolve(const TNaprSet* directions, const TPickList& list) {
  const std::string name = list.Text();
  if (!directions || name.empty() || name == kNone) return nullptr;
  return directions->findNapr(name);
}
}  // namespace

TSelHeadFormModel::TSelHeadFormModel() {
  HeadKind_.Items = {"Транспортная", "Пешеходная", "Трамвайная"};
  HeadKind_.Index = 0;
  ArrowGroup_.Items = {"нет", "Только прямо", "Налево", "Налево и прямо", "Направо", "Направо и прямо"};
  ArrowGroup_.Index = 0;
  for (TPickList* list : {&LeftBox_, &ForBox_, &RightBox_}) {
    list->Items = {kNone};
    list->Index = 0;
    list->Enabled = false;
  }
}

void TSelHeadFormModel::Prepare(const TNaprSet& directions) {
  Directions_ = &directions;
  std::vector<std::string> names;
  for (int i = 1; i <= directions.Count; ++i)
    if (const TSVNapr* napr = directions.Item(i)) names.push_back(napr->Name);
  const int n = static_cast<int>(names.size());
  std::vector<std::string> withNone{kNone};
  withNone.insert(withNone.end(), names.begin(), names.end());
  Refill(NaprBox_, names, n, false);
  for (TPickList* list : {&LeftBox_, &ForBox_, &RightBox_}) Refill(*list, withNone, n, true);
  if (Label_.empty()) Label_ = ComposedLabel();
}

void TSelHeadFormModel::Prepare(const TSVInfo& info) { Prepare(info.Directions); }

std::string TSelHeadFormModel::ComposedLabel() const {
  // An empty list names no direction, so it adds nothing to the label.
  const auto part = [](const TPickList& list) {
    const std::string name = list.Text();
    return name.empty() || name == kNone ? std::string() : name + kLabelSuffix;
  };
  if (HeadKind_.Index == 2) return part(LeftBox_) + part(ForBox_) + part(RightBox_);
  return part(NaprBox_);
}

void TSelHeadFormModel::ChooseKind(int kind) {
  HeadKind_.Index = kind;
  const bool tram = kind == 2;
  NaprBox_.Enabled = !tram;
  ArrowGroup_.Enabled = kind == 0;
  LeftBox_.Enabled = ForBox_.Enabled = RightBox_.Enabled = tram;
  Label_ = ComposedLabel();
}

bool TSelHeadFormModel::Check(const std::string& caption) {
  const int kind = HeadKind_.Find(caption);
  if (kind >= 0) {
    // A click on the button already checked changes nothing, so a label
    // typed by hand stays.
    if (kind != HeadKind_.Index) ChooseKind(kind);
    return true;
  }
  const int arrow = ArrowGroup_.Find(caption);
  if (arrow < 0 || !ArrowGroup_.Enabled) return false;
  ArrowGroup_.Index = arrow;
  return true;
}

bool TSelHeadFormModel::SetText(const std::string& control, const std::string& value) {
  if (control != "textfield") return false;
  Label_ = value;
  return true;
}

const TPickList* TSelHeadFormModel::List(const std::string& control) const {
  if (control == "NaprBox") return &NaprBox_;
  if (control == "leftBox") return &LeftBox_;
  if (control == "forbox") return &ForBox_;
  if (control == "rightbox") return &RightBox_;
  return nullptr;
}

TPickList* TSelHeadFormModel::MutableList(const std::string& control) { return const_cast<TPickList*>(List(control)); }

bool TSelHeadFormModel::Select(const std::string& control, const std::string& item) {
  TPickList* list = MutableList(control);
  if (!list || !list->Enabled) return false;
  const int i = list->Find(item);
  if (i < 0) return false;
  // Only a change of the choice recomposes the label.
  if (i == list->Index) return true;
  list->Index = i;
  Label_ = ComposedLabel();
  return true;
}

int TSelHeadFormModel::Press(TDialogButton button) {
  if (button != TDialogButton::Ok) return kCancelled;
  return HeadKind_.Index + 1;
}

void TSelHeadFormModel::Fill(TCarHead& head) const {
  head.Napr = Resolve(Directions_, NaprBox_);
  head.ArrowKind = static_cast<std::uint8_t>(ArrowGroup_.Index < 0 ? 0 : ArrowGroup_.Index);
}

void TSelHeadFormModel::Fill(TPedHead& head) const { head.Napr = Resolve(Directions_, NaprBox_); }

void TSelHeadFormModel::Fill(TTramHead& head) const {
  head.LeftNapr = Resolve(Directions_, LeftBox_);
  head.StraightNapr = Resolve(Directions_, ForBox_);
  head.RightNapr = Resolve(Directions_, RightBox_);
}

std::unique_ptr<THead> TSelHeadFormModel::MakeHead(int result) const {
  switch (result) {
    case kVehicle: {
      auto head = std::make_unique<TCarHead>(TypeCode::CarHead);
      Fill(*head);
      return head;
    }
    case kPedestrian: {
      auto head = std::make_unique<TPedHead>(TypeCode::PedHead);
      Fill(*head);
      return head;
    }
    case kTram: {
      auto head = std::make_unique<TTramHead>(TypeCode::TramHead);
      Fill(*head);
      return head;
    }
    default:
      return nullptr;
  }
}

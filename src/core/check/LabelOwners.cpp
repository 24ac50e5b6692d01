#include "LabelOwners.h"

#include <array>
#include <memory>

#include "items/Build.h"
#include "items/Contr.h"
#include "items/ECable.h"
#include "items/Head.h"
#include "items/Napr.h"
#include "items/STOLB.h"
#include "items/Sign.h"
#include "items/WELL.h"

namespace {

enum class TOwnerAnswer { NotThisKind, NoLabel, Labelled };

// The owner's own box is measured with the label taken off for a moment,
// because every owner unites its label into its bounds.
template <class TOwner>
TOwnerAnswer Measure(TSVItem& item, TDrawContext& ctx, TLabelPlace& out) {
  auto* owner = dynamic_cast<TOwner*>(&item);
  if (!owner) return TOwnerAnswer::NotThisKind;
  if (!owner->Label) return TOwnerAnswer::NoLabel;
  auto label = std::move(owner->Label);
  out.OwnerBounds = owner->GetBounds(ctx);
  owner->Label = std::move(label);
  out.TextAt = owner->Label->BasePoint(ctx);
  out.Text = &owner->Label->Text;
  return TOwnerAnswer::Labelled;
}

template <class TOwner>
TOwnerAnswer Text(TSVItem& item, const std::string*& out) {
  auto* owner = dynamic_cast<TOwner*>(&item);
  if (!owner) return TOwnerAnswer::NotThisKind;
  if (!owner->Label) return TOwnerAnswer::NoLabel;
  out = &owner->Label->Text;
  return TOwnerAnswer::Labelled;
}

using TMeasureFn = TOwnerAnswer (*)(TSVItem&, TDrawContext&, TLabelPlace&);
using TTextFn = TOwnerAnswer (*)(TSVItem&, const std::string*&);

struct TOwnerKind {
  TMeasureFn Measure;
  TTextFn Text;
};

template <class TOwner>
constexpr TOwnerKind Kind() {
  return {Measure<TOwner>, Text<TOwner>};
}

const TOwnerKind kOwners[] = {
    Kind<THead>(), Kind<TSign>(),  Kind<TNapr>(), Kind<TSTOLB>(),
    Kind<TECable>(), Kind<TWELL>(), Kind<TContr>(), Kind<TBuild>(),
};
constexpr int kOwnerKinds = static_cast<int>(sizeof kOwners / sizeof kOwners[0]);

}  // namespace

bool MeasureLabel(TSVItem& item, TDrawContext& ctx, TLabelPlace& out) {
  // A type code always makes the same class, so the kind found for the first
  // item of a code serves every later one: -2 not yet known, -1 no owner.
  thread_local std::array<signed char, 256> kindOfCode = [] {
    std::array<signed char, 256> a{};
    a.fill(-2);
    return a;
  }();
  signed char& kind = kindOfCode[item.TypeCode & 0xFF];
  if (kind == -1) return false;
  if (kind >= 0) return kOwners[kind].Measure(item, ctx, out) == TOwnerAnswer::Labelled;
  for (int k = 0; k < kOwnerKinds; ++k) {
    const TOwnerAnswer answer = kOwners[k].Measure(item, ctx, out);
    if (answer == TOwnerAnswer::NotThisKind) continue;
    // Only codes the factory makes are cached; anything else is asked anew.
    if (item.TypeCode <= 0xFF) kind = static_cast<signed char>(k);
    return answer == TOwnerAnswer::Labelled;
  }
  if (item.TypeCode <= 0xFF) kind = -1;
  return false;
}

const std::string* LabelTextOf(TSVItem& item) {
  for (const TOwnerKind& kind : kOwners) {
    const std::string* text = nullptr;
    const TOwnerAnswer answer = kind.Text(item, text);
    if (answer == TOwnerAnswer::NotThisKind) continue;
    return answer == TOwnerAnswer::Labelled ? text : nullptr;
  }
  return nullptr;
}

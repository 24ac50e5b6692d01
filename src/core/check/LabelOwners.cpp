#include "LabelOwners.h"

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

// The owner's own box is measured with the label taken off for a moment,
// because every owner unites its label into its bounds.
template <class TOwner>
bool Measure(TSVItem& item, TDrawContext& ctx, TLabelPlace& out) {
  auto* owner = dynamic_cast<TOwner*>(&item);
  if (!owner || !owner->Label) return false;
  auto label = std::move(owner->Label);
  out.OwnerBounds = owner->GetBounds(ctx);
  owner->Label = std::move(label);
  out.TextAt = MakeTextFrame(*owner->Label, ctx).P1;
  out.Text = owner->Label->Text;
  return true;
}

using TMeasureFn = bool (*)(TSVItem&, TDrawContext&, TLabelPlace&);

const TMeasureFn kOwners[] = {
    Measure<THead>, Measure<TSign>,  Measure<TNapr>, Measure<TSTOLB>,
    Measure<TECable>, Measure<TWELL>, Measure<TContr>, Measure<TBuild>,
};

}  // namespace

bool MeasureLabel(TSVItem& item, TDrawContext& ctx, TLabelPlace& out) {
  for (TMeasureFn measure : kOwners)
    if (measure(item, ctx, out)) return true;
  return false;
}

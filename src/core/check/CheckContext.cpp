#include "CheckContext.h"

#include "LabelOwners.h"
#include "model/SVItem.h"
#include "model/SVObject.h"
#include "plan/SVInfo.h"

TCheckContext::TCheckContext(TSVObject& scheme, const std::vector<TMessage>& loadMessages)
    : Scheme(scheme), Info(*scheme.Info), LoadMessages(loadMessages) {
  View.Normalize();
  View.SignScale = 1.0;
  View.ObjectScale = Info.RealScale;
  View.HitTolerance = 3;
}

const std::vector<std::unique_ptr<TSVItem>>& TCheckContext::LayerItems(int layer) const {
  return Scheme.Layers[static_cast<std::size_t>(layer)]->Items();
}

const std::vector<TItemPlace>& TCheckContext::Places() {
  if (Measured_) return Places_;
  Measured_ = true;
  for (int n = 1; n <= kLayerCount; ++n) {
    ForEachInLayer(n, [&](TSVItem& item, TItemRef ref) {
      TItemPlace p;
      p.Item = &item;
      p.Ref = ref;
      TLabelPlace label;
      if (MeasureLabel(item, View, label)) {
        p.Bounds = label.OwnerBounds;
        p.LabelText = label.Text;
        p.LabelAt = label.TextAt;
      } else {
        p.Bounds = item.GetBounds(View);
      }
      p.HasBounds = p.Bounds.Right >= p.Bounds.Left && p.Bounds.Bottom >= p.Bounds.Top;
      Places_.push_back(p);
    });
  }
  return Places_;
}

int TCheckContext::SlotOf(const TSVNapr* napr) const {
  if (!napr) return 0;
  for (int i = 1; i <= Info.Directions.Count; ++i)
    if (Info.Directions.Item(i) == napr) return i;
  return 0;
}

TFinding& TFindingList::Add(const std::string& message) { return Add(Severity_, message); }

TFinding& TFindingList::Add(TFindingSeverity severity, const std::string& message) {
  TFinding f;
  f.Severity = severity;
  f.Code = Code_;
  f.Message = message;
  Out_.push_back(std::move(f));
  return Out_.back();
}

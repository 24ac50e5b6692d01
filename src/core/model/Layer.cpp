#include "Layer.h"

#include <algorithm>

#include "Geometry.h"
#include "platform/ProgramDir.h"
#include "platform/Sound.h"

namespace {

// Heard when the cursor snaps to an item during placement.
void PlayClick() { PlayWave(ProgramDir() + "wav/click1.wav"); }

// Newest first, so that the items read first from the file lie on top; the
// canvas learns which item each primitive belongs to.
template <class Draw>
void DrawNewestFirst(const std::vector<std::unique_ptr<TSVItem>>& items, TDrawContext& ctx, Draw draw) {
  TCanvas* canvas = ctx.Canvas;
  for (std::size_t i = items.size(); i-- > 0;) {
    TSVItem& item = *items[i];
    if (canvas) canvas->BeginItem(item.TypeCode, static_cast<int>(i));
    draw(item);
    if (canvas) canvas->EndItem();
  }
}

}  // namespace

TLayer::~TLayer() = default;

TSVItem* TLayer::AddLayerItem(std::unique_ptr<TSVItem> item) {
  if (!item || !IsEditableNow()) return nullptr;
  item->Owner = this;
  Items_.push_back(std::move(item));
  return Items_.back().get();
}

void TLayer::ClearLayer() { Items_.clear(); }

void TLayer::RemoveLayerItem(TSVItem* item) {
  if (!IsEditableNow()) return;
  const auto it = std::find_if(Items_.begin(), Items_.end(), [item](const auto& p) { return p.get() == item; });
  if (it != Items_.end()) Items_.erase(it);
}

void TLayer::DeleteLayerSelected() {
  if (IsEditableNow())
    Items_.erase(std::remove_if(Items_.begin(), Items_.end(), [](const auto& p) { return p->Selected; }),
                 Items_.end());
  DeselectLayer();
}

void TLayer::HideLayerSelected() {
  if (!IsEditableNow()) return;
  PurgeLayerHidden();
  for (auto it = Items_.rbegin(); it != Items_.rend(); ++it)
    if ((*it)->Selected) (*it)->Hidden = true;
}

void TLayer::RestoreLayerHidden() {
  DeselectLayer();
  if (!IsEditableNow()) return;
  for (auto it = Items_.rbegin(); it != Items_.rend(); ++it) {
    TSVItem& item = **it;
    if (item.Hidden) {
      item.Hidden = false;
      item.Selected = true;
    }
  }
}

void TLayer::PurgeLayerHidden() {
  if (!IsEditableNow()) return;
  Items_.erase(std::remove_if(Items_.begin(), Items_.end(), [](const auto& p) { return p->Hidden; }), Items_.end());
}

void TLayer::DeselectLayer() {
  for (auto& p : Items_) p->Selected = false;
}

int TLayer::CountSelected() const {
  return static_cast<int>(std::count_if(Items_.begin(), Items_.end(), [](const auto& p) { return p->Selected; }));
}

void TLayer::ForEachSelected(const std::function<void(TSVItem&)>& action) {
  for (auto it = Items_.rbegin(); it != Items_.rend(); ++it)
    if ((*it)->Selected) action(**it);
}

void TLayer::DrawLayer(TDrawContext& ctx, bool editable) {
  if (!Visible) return;
  DrawNewestFirst(Items_, ctx, [&](TSVItem& item) { DrawItem(item, ctx, editable); });
}

void TLayer::PrintLayer(TDrawContext& ctx) {
  if (!Visible) return;
  DrawNewestFirst(Items_, ctx, [&](TSVItem& item) { PrintItem(item, ctx); });
}

void TLayer::SelectLayerInRect(TDrawContext& ctx, const TRect& r) {
  if (!IsEditableNow()) return;
  for (auto it = Items_.rbegin(); it != Items_.rend(); ++it) (*it)->SelectInRect(ctx, r);
}

bool TLayer::FindLayerAnchor(int x, int y, TDrawContext& ctx, std::uint32_t typeCode, double& X, double& Y) {
  if (!Visible) return false;
  for (auto it = Items_.rbegin(); it != Items_.rend(); ++it) {
    TSVItem& item = **it;
    if (!item.Hidden && item.FindAnchor(x, y, ctx, typeCode, X, Y)) {
      PlayClick();
      return true;
    }
  }
  return false;
}

bool TLayer::FindLayerAnchorEx(int x, int y, TDrawContext& ctx, std::uint32_t typeCode, double& X, double& Y,
                               double& X2, double& Y2) {
  if (!Visible) return false;
  for (auto it = Items_.rbegin(); it != Items_.rend(); ++it) {
    TSVItem& item = **it;
    if (!item.Hidden && item.FindAnchorEx(x, y, ctx, typeCode, X, Y, X2, Y2)) {
      PlayClick();
      return true;
    }
  }
  return false;
}

TRect TLayer::LayerBounds(TDrawContext& ctx) {
  TRect r = kEmptyRect;
  for (auto it = Items_.rbegin(); it != Items_.rend(); ++it)
    if (!(*it)->Hidden) r = UnionRects(r, (*it)->GetBounds(ctx));
  return r;
}

TRect TLayer::VisibleLayerBounds(TDrawContext& ctx) {
  TRect r = kEmptyRect;
  if (!Visible) return r;
  for (auto it = Items_.rbegin(); it != Items_.rend(); ++it) r = UnionRects(r, (*it)->GetBounds(ctx));
  return r;
}

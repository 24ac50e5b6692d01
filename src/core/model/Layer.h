#pragma once
// One of the twelve layers of a scheme: its items, newest drawn first (so an
// item added later lies under the ones added before it), and its switches.
//
// The items are kept oldest first in one contiguous array: every loop walks
// it backwards, which gives the newest-first order the drawing, selection
// and snapping rules are written for, and a repaint of a large scheme walks
// memory in order instead of chasing list nodes.
#include <functional>
#include <memory>
#include <vector>

#include "SVItem.h"
#include "PreLayer.h"

class TSVObject;

class TLayer : public TPreLayer {
 public:
  explicit TLayer(TSVObject* scheme) : Scheme(scheme) {}
  ~TLayer() override;
  TLayer(const TLayer&) = delete;
  TLayer& operator=(const TLayer&) = delete;

  TSVObject* Scheme;

  // In the conditions below, E: only while Editable and Visible; V: only while Visible.

  // E. Takes the item as the newest and sets its Owner; returns it, or
  // nullptr (and frees it) when the layer may not take items.
  TSVItem* AddLayerItem(std::unique_ptr<TSVItem> item);
  void ClearLayer();
  // E. Frees exactly this item.
  void RemoveLayerItem(TSVItem* item);
  // E for the deleting pass: frees the selected items; then deselects all.
  void DeleteLayerSelected();
  // E: purges the previous deletion, then hides the selected items.
  void HideLayerSelected();
  // E for the restoring pass: deselects all, then shows and selects the hidden items.
  void RestoreLayerHidden();
  // E: frees the hidden items.
  void PurgeLayerHidden();
  void DeselectLayer();
  int CountSelected() const;
  void ForEachSelected(const std::function<void(TSVItem&)>& action);
  // V.
  void DrawLayer(TDrawContext& ctx, bool editable);
  void PrintLayer(TDrawContext& ctx);
  // E.
  void SelectLayerInRect(TDrawContext& ctx, const TRect& r);
  // V. The first item, newest first, that offers an anchor; plays the click.
  bool FindLayerAnchor(int x, int y, TDrawContext& ctx, std::uint32_t typeCode, double& X, double& Y);
  bool FindLayerAnchorEx(int x, int y, TDrawContext& ctx, std::uint32_t typeCode, double& X, double& Y, double& X2,
                         double& Y2);
  // Union of the bounds of the items that are not hidden.
  TRect LayerBounds(TDrawContext& ctx);
  // V. Union of the bounds of all items, hidden ones included.
  TRect VisibleLayerBounds(TDrawContext& ctx);

  // Items oldest first; iterate backwards for the newest-first order.
  const std::vector<std::unique_ptr<TSVItem>>& Items() const { return Items_; }
  int Count() const { return static_cast<int>(Items_.size()); }
  bool IsEditableNow() const { return Editable && Visible; }

 private:
  std::vector<std::unique_ptr<TSVItem>> Items_;
};

// Opens a layer's switches for the scope of a loader step and puts them back
// afterwards: the switches guard what the user may do, not which records of
// a file survive reading.
class TLayerOpened {
 public:
  explicit TLayerOpened(TLayer& layer) : Layer_(layer), Editable_(layer.Editable), Visible_(layer.Visible) {
    layer.Editable = true;
    layer.Visible = true;
  }
  ~TLayerOpened() {
    Layer_.Editable = Editable_;
    Layer_.Visible = Visible_;
  }
  TLayerOpened(const TLayerOpened&) = delete;
  TLayerOpened& operator=(const TLayerOpened&) = delete;

 private:
  TLayer& Layer_;
  bool Editable_, Visible_;
};

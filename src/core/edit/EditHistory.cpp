#include "EditHistory.h"

#include <algorithm>

#include "items/ECable.h"
#include "model/SVObject.h"

namespace {

void SetHidden(const std::vector<TSVItem*>& items, bool hidden) {
  for (TSVItem* item : items) {
    item->Hidden = hidden;
    item->Selected = !hidden;
  }
}

void SetTypes(const std::vector<TEditHistory::TTypeChange>& changes, bool after) {
  for (const auto& c : changes)
    if (auto* cable = dynamic_cast<TECable*>(c.Cable)) cable->CableType = after ? c.After : c.Before;
}

}  // namespace

void TEditHistory::Push(TStep step) {
  Undone_.clear();
  Done_.push_back(std::move(step));
  while (static_cast<int>(Done_.size()) > kDepth) Done_.pop_front();
}

void TEditHistory::Added(TSVItem* item) { Push(TStep{TKind::Added, {item}, {}}); }

void TEditHistory::Deleted(std::vector<TSVItem*> items) { Push(TStep{TKind::Deleted, std::move(items), {}}); }

void TEditHistory::CableTypes(std::vector<TTypeChange> changes) {
  Push(TStep{TKind::CableType, {}, std::move(changes)});
}

bool TEditHistory::Undo(TSVObject& scheme) {
  if (Done_.empty()) return false;
  TStep step = std::move(Done_.back());
  Done_.pop_back();
  switch (step.Kind) {
    case TKind::Added:
      // Exactly the item that was added goes, whatever is selected now.
      SetHidden(step.Items, true);
      break;
    case TKind::Deleted:
      // The deleted items come back, and only they are selected.
      scheme.DeselectAll();
      SetHidden(step.Items, false);
      break;
    case TKind::CableType:
      SetTypes(step.Types, false);
      break;
  }
  Undone_.push_back(std::move(step));
  return true;
}

bool TEditHistory::Redo(TSVObject& scheme) {
  if (Undone_.empty()) return false;
  TStep step = std::move(Undone_.back());
  Undone_.pop_back();
  switch (step.Kind) {
    case TKind::Added:
      scheme.DeselectAll();
      SetHidden(step.Items, false);
      break;
    case TKind::Deleted:
      SetHidden(step.Items, true);
      break;
    case TKind::CableType:
      SetTypes(step.Types, true);
      break;
  }
  Done_.push_back(std::move(step));
  return true;
}

void TEditHistory::Clear() {
  Done_.clear();
  Undone_.clear();
}

void TEditHistory::Forget(TSVItem* item) {
  const auto refers = [item](const TStep& s) {
    return std::find(s.Items.begin(), s.Items.end(), item) != s.Items.end() ||
           std::any_of(s.Types.begin(), s.Types.end(), [item](const TTypeChange& c) { return c.Cable == item; });
  };
  Done_.erase(std::remove_if(Done_.begin(), Done_.end(), refers), Done_.end());
  Undone_.erase(std::remove_if(Undone_.begin(), Undone_.end(), refers), Undone_.end());
}

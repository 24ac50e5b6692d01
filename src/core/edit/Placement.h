#pragma once
// The placement in progress, shared by every tool: the screen points
// clicked so far, what each of them snapped to, and the item being placed.
#include <memory>

#include "model/SVItem.h"

struct TPlacement {
  TScreenPoints Points{};
  TSnapRecord Snap{};
  int Count = 0;
  // The item being placed, owned until it is added to its layer.
  std::unique_ptr<TSVItem> Current;
  // During label placement: the label (owned by its item) and that item,
  // already in its layer.
  TSVItem* Label = nullptr;
  TSVItem* LabelOwner = nullptr;

  // The point of the latest click.
  TPoint& Last() { return Points[static_cast<std::size_t>(Count - 1)]; }
  TSnapEntry& LastSnap() { return Snap[static_cast<std::size_t>(Count - 1)]; }
  bool Full() const { return Count >= kMaxPlacePoints; }
};

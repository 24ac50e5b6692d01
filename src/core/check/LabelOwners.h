#pragma once
// Where an item's label stands against the item itself. Each kind of item
// keeps its own label; the kinds that can carry one are listed in one table.
#include <string>

#include "model/DrawContext.h"

class TSVItem;

struct TLabelPlace {
  // The box of the owner alone, without its label.
  TRect OwnerBounds{};
  // Where the label's text begins.
  TPoint TextAt{};
  // The label's own text, kept by the label.
  const std::string* Text = nullptr;
};

// False when the item carries no label.
bool MeasureLabel(TSVItem& item, TDrawContext& ctx, TLabelPlace& out);

// The text of the item's label, nullptr when the item carries none.
const std::string* LabelTextOf(TSVItem& item);

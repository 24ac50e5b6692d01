#pragma once
// A dialog's Ok stores into the passport information; the information is
// marked as holding unsaved edits only when what info.txt would hold really
// changed, so confirming a dialog without changes never asks to save.
#include <string>
#include <utility>

#include "plan/SVInfo.h"

template <class TStore>
void StoreMarkingEdits(TSVInfo& info, TStore&& store) {
  const std::string before = info.SavedBytes();
  std::forward<TStore>(store)();
  if (info.SavedBytes() != before) info.Modified = true;
}

#include "DialogControls.h"

namespace {
int IndexOf(const std::vector<std::string>& items, const std::string& text) {
  for (std::size_t i = 0; i < items.size(); ++i)
    if (items[i] == text) return static_cast<int>(i);
  return -1;
}

std::string ItemText(const std::vector<std::string>& items, int index) {
  if (index < 0 || index >= static_cast<int>(items.size())) return {};
  return items[static_cast<std::size_t>(index)];
}
}  // namespace

int TRadioGroup::Find(const std::string& caption) const { return IndexOf(Items, caption); }
std::string TRadioGroup::Text() const { return ItemText(Items, Index); }
int TPickList::Find(const std::string& item) const { return IndexOf(Items, item); }
std::string TPickList::Text() const { return ItemText(Items, Index); }

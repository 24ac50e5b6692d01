#pragma once
// The few kinds of control the item dialogs are made of, holding what a
// widget would hold: the items, the chosen one and whether the user may
// change it. The dialogs compose them and add their rules.
#include <string>
#include <vector>

// A radio group (or a set of radio buttons of which one at most is checked).
struct TRadioGroup {
  std::vector<std::string> Items;
  // -1 when nothing is checked.
  int Index = -1;
  bool Enabled = true;

  // The index of the item with exactly this caption, or -1.
  int Find(const std::string& caption) const;
  // The checked caption, empty when nothing is checked.
  std::string Text() const;
};

// A drop-down list that only offers its items.
struct TPickList {
  std::vector<std::string> Items;
  // -1 when the list is empty.
  int Index = -1;
  bool Enabled = true;

  int Find(const std::string& item) const;
  // The chosen item's text, empty when nothing is chosen.
  std::string Text() const;
};

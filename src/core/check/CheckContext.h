#pragma once
// What every rule of the passport check looks at: the passport, the messages
// its loading raised, and the scheme's geometry measured once in a plain
// view (zoom 1, symbol scale 1), where world units and symbol units agree.
#include <memory>
#include <vector>

#include "Finding.h"
#include "model/DrawContext.h"
#include "model/SVItem.h"
#include "platform/Messages.h"

class TSVObject;
class TSVInfo;
class TSVNapr;

// One item of the scheme with where it lies in the plain view: its own box,
// without its label, and where its label's text begins.
struct TItemPlace {
  TSVItem* Item = nullptr;
  TItemRef Ref;
  TRect Bounds{};
  bool HasBounds = false;
  // The label's text, nullptr for an item without a label.
  const std::string* LabelText = nullptr;
  TPoint LabelAt{};
};

class TCheckContext {
 public:
  TCheckContext(TSVObject& scheme, const std::vector<TMessage>& loadMessages);
  TCheckContext(const TCheckContext&) = delete;
  TCheckContext& operator=(const TCheckContext&) = delete;

  TSVObject& Scheme;
  TSVInfo& Info;
  const std::vector<TMessage>& LoadMessages;
  TDrawContext View;

  // Every item of layers 1..12 that is not hidden, in dump order.
  const std::vector<TItemPlace>& Places();
  // Items of one layer in dump order.
  template <class F>
  void ForEachInLayer(int layer, F action) const;
  // The slot (1..Count) of a direction of this passport, 0 for a pointer that
  // is no longer one of its directions.
  int SlotOf(const TSVNapr* napr) const;

 private:
  const std::vector<std::unique_ptr<TSVItem>>& LayerItems(int layer) const;
  std::vector<TItemPlace> Places_;
  bool Measured_ = false;
};

template <class F>
void TCheckContext::ForEachInLayer(int layer, F action) const {
  const auto& items = LayerItems(layer);
  int index = 0;
  for (auto it = items.rbegin(); it != items.rend(); ++it) {
    if ((*it)->Hidden) continue;
    action(**it, TItemRef{layer, index++});
  }
}

// The findings of one rule go through this: it stamps the rule's code and
// usual severity on each.
class TFindingList {
 public:
  TFindingList(std::vector<TFinding>& out, const char* code, TFindingSeverity severity)
      : Out_(out), Code_(code), Severity_(severity) {}
  TFinding& Add(const std::string& message);
  TFinding& Add(TFindingSeverity severity, const std::string& message);

 private:
  std::vector<TFinding>& Out_;
  const char* Code_;
  TFindingSeverity Severity_;
};

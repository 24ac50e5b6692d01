#pragma once
// The editor's undo and redo: additions, deletions and changes of cable
// type, step by step. Undone additions and deletions keep their items in
// their layers, hidden, so that a redo or an undo brings back exactly those
// items; hidden items are neither drawn, selected, snapped to nor saved.
#include <cstdint>
#include <deque>
#include <vector>

class TSVItem;
class TSVObject;

class TEditHistory {
 public:
  // The oldest steps are forgotten beyond this many.
  static constexpr int kDepth = 1000;

  void Added(TSVItem* item);
  void Deleted(std::vector<TSVItem*> items);
  struct TTypeChange {
    TSVItem* Cable;
    std::uint8_t Before;
    std::uint8_t After;
  };
  void CableTypes(std::vector<TTypeChange> changes);

  // Each answers false when there was nothing to undo or redo.
  bool Undo(TSVObject& scheme);
  bool Redo(TSVObject& scheme);
  int UndoSteps() const { return static_cast<int>(Done_.size()); }
  int RedoSteps() const { return static_cast<int>(Undone_.size()); }
  void Clear();
  // The item is gone for good (its placement was cancelled): no step may
  // refer to it any more.
  void Forget(TSVItem* item);

 private:
  enum class TKind { Added, Deleted, CableType };
  struct TStep {
    TKind Kind;
    std::vector<TSVItem*> Items;
    std::vector<TTypeChange> Types;
  };
  void Push(TStep step);
  std::deque<TStep> Done_;
  std::vector<TStep> Undone_;
};

#pragma once
// The scheme half of a comparison on two passports already read: which item
// of one side is which item of the other. The comparison window uses the
// items themselves to draw them with their differences marked.
#include <memory>
#include <string_view>
#include <utility>
#include <vector>

#include "PassportDiff.h"

class TSVItem;
class TSVObject;

struct TMatchedItem {
  TSVItem* Item = nullptr;
  TDiffItem Stored;
};

struct TSchemeMatch {
  std::vector<TMatchedItem> Added;    // items of the later side
  std::vector<TMatchedItem> Removed;  // items of the earlier side
  std::vector<std::pair<TMatchedItem, TMatchedItem>> Changed;
};

// Items farther apart than this (world units, between first points) are
// never taken for one item changed.
constexpr double kMaxPairDistance = 100;

// Where each item of a passport was read from: its entry's bytes in the
// map (type code line included), a view into the bytes read; layer by
// layer (index 1 to 12), in the order of reading, which is the order of
// the layer's items.
struct TItemSources {
  std::vector<std::vector<std::pair<const TSVItem*, std::string_view>>> Layers =
      std::vector<std::vector<std::pair<const TSVItem*, std::string_view>>>(13);
};

// Items whose entries were read from equal bytes are taken as equal without
// writing them out again, which is most of the work on a large scheme; the
// rest are compared by the lines they store.
TSchemeMatch MatchSchemes(const TSVObject& before, const TSVObject& after, const TItemSources* beforeSources = nullptr,
                          const TItemSources* afterSources = nullptr);
// The information half: the stored fields that differ.
std::vector<TInfoDifference> DiffInformation(TSVObject& before, TSVObject& after);
// The comparison made of the two halves.
TPassportDiff DiffOf(std::vector<TInfoDifference> info, const TSchemeMatch& match);
// Both halves on passports already read.
TPassportDiff DiffSchemes(TSVObject& before, TSVObject& after);

// Reads a passport from its stored bytes, as the viewer reads it from its
// folder (the folder named by `id`, which gives its object number). A file
// that is absent reads as empty; what the reading would say is kept quiet.
// With `sources`, notes where each item was read from (views into
// files.map, valid while it lives unchanged).
std::unique_ptr<TSVObject> ReadPassportFiles(const TPassportFiles& files, TItemSources* sources = nullptr);
// The first point of an item: its first stored line of two numbers.
bool FirstPoint(const std::vector<std::string>& lines, double& x, double& y);

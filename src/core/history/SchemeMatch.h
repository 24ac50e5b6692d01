#pragma once
// The scheme half of a comparison on two passports already read: which item
// of one side is which item of the other. The comparison window uses the
// items themselves to draw them with their differences marked.
#include <memory>
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

TSchemeMatch MatchSchemes(const TSVObject& before, const TSVObject& after);
// The information half: the stored fields that differ.
std::vector<TInfoDifference> DiffInformation(TSVObject& before, TSVObject& after);
// The comparison made of the two halves.
TPassportDiff DiffOf(std::vector<TInfoDifference> info, const TSchemeMatch& match);
// Both halves on passports already read.
TPassportDiff DiffSchemes(TSVObject& before, TSVObject& after);

// Reads a passport from its stored bytes, as the viewer reads it from its
// folder (the folder named by `id`, which gives its object number). A file
// that is absent reads as empty; what the reading would say is kept quiet.
std::unique_ptr<TSVObject> ReadPassportFiles(const TPassportFiles& files);
// The first point of an item: its first stored line of two numbers.
bool FirstPoint(const std::vector<std::string>& lines, double& x, double& y);

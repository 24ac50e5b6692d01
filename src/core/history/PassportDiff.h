#pragma once
// What changed between two passports, or two versions of one: the
// differences of the stored information, field by field, and the items of
// the scheme added, removed and changed, layer by layer.
#include <cstdint>
#include <string>
#include <vector>

#include "PassportFiles.h"
#include "json/JsonValue.h"

// One field of the information that differs: where it is in the JSON the
// tool's "dump" writes (a JSON Pointer, "/phases/1/tmain/0"), and its value
// on each side; null on the side that lacks it.
struct TInfoDifference {
  std::string Path;
  TJsonValue Before;
  TJsonValue After;
};

// A scheme item as "dump" shows it: its layer, type code and stored lines.
struct TDiffItem {
  int Layer = 0;
  std::uint32_t Type = 0;
  std::vector<std::string> Lines;
};

struct TChangedItem {
  TDiffItem Before;
  TDiffItem After;
};

// Items are listed layer by layer, each layer in the order of its file
// (changed ones in the order of their earlier side).
struct TSchemeDiff {
  std::vector<TDiffItem> Added;
  std::vector<TDiffItem> Removed;
  std::vector<TChangedItem> Changed;
};

struct TPassportDiff {
  std::vector<TInfoDifference> Info;
  TSchemeDiff Scheme;
};

// Reads both passports and compares them. The information is compared as
// stored: what is computed from the plan and the clock, and the address
// line made of the two stored ones, plays no part. Items equal in type and
// stored lines are unchanged whatever their order; of the rest, items of
// one type are paired nearest first (by their first points, at most 100
// world units apart, ties in file order) as changed; the others are added
// or removed.
TPassportDiff DiffPassports(const TPassportFiles& before, const TPassportFiles& after);
// One readable Russian line: "Фаза 2: основной такт программы I 15 → 18 с;
// схема: добавлен знак 2.1, удалён колодец, перемещён бордюр". Empty when
// nothing differs.
std::string SummarizeDiff(const TPassportDiff& diff);
// {"info":[{"path","before","after"}...],"scheme":{"added":[item...],
// "removed":[item...],"changed":[{"before":item,"after":item}...]}}.
std::string DiffToJson(const TPassportDiff& diff);
bool IsEmpty(const TPassportDiff& diff);

#include "SchemeMatch.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <future>
#include <map>
#include <string_view>
#include <tuple>
#include <unordered_map>

#include "json/Json.h"
#include "json/PassportJson.h"
#include "json/SchemeJson.h"
#include "model/SVObject.h"
#include "plan/SVInfo.h"
#include "platform/Messages.h"
#include "platform/TextFile.h"

namespace {

// One item of a layer on one side, with the bytes of its entry: as read
// from the file while they are known, else as the item writes them.
struct TEntry {
  TSVItem* Item = nullptr;
  int Order = 0;  // its place in the layer's file order
  // A view of the entry read from the file, or of Stored.
  std::string_view Key;
  std::string Stored;
  bool Raw = false;
  bool Matched = false;
  bool HasPoint = false;
  double X = 0, Y = 0;
  std::vector<std::string> Lines;
};

// The entry as map.txt keeps it: the type code line, then the item's lines.
std::string StoredEntry(TSVItem& item) {
  TTextWriter w;
  w.WriteIntLine(item.TypeCode);
  item.SaveToText(w);
  return w.Bytes();
}

std::vector<TEntry> LayerEntries(int n, const TLayer& layer, const TItemSources* sources) {
  std::vector<TEntry> entries;
  entries.reserve(layer.Items().size());
  int order = 0;
  static const std::vector<std::pair<const TSVItem*, std::string_view>> kNone;
  const auto& read = sources && n < static_cast<int>(sources->Layers.size()) ? sources->Layers[static_cast<std::size_t>(n)] : kNone;
  std::size_t next = 0;
  for (const auto& item : layer.Items()) {
    if (item->Hidden) continue;
    TEntry e;
    e.Item = item.get();
    e.Order = order++;
    entries.push_back(std::move(e));
    TEntry& added = entries.back();
    // The items read stand in the layer in the order they were read; an
    // item the layer got otherwise has no bytes read.
    while (next < read.size() && read[next].first != item.get() && next + 1 < read.size() &&
           read[next + 1].first == item.get())
      ++next;
    if (next < read.size() && read[next].first == item.get()) {
      added.Key = read[next++].second;
      added.Raw = true;
    } else {
      added.Stored = StoredEntry(*item);
      added.Key = added.Stored;
    }
  }
  return entries;
}

// Walks both layers in file order, pairing equal entries as it goes and
// stepping over an entry added, removed or changed: two versions of one
// passport keep most of a layer in its order, and this finds those entries
// without hashing them.
void MatchInOrder(std::vector<TEntry>& before, std::vector<TEntry>& after) {
  std::size_t i = 0, j = 0;
  const auto same = [&](std::size_t b, std::size_t a) {
    return b < before.size() && a < after.size() && before[b].Key == after[a].Key;
  };
  while (i < before.size() && j < after.size()) {
    if (same(i, j)) {
      before[i++].Matched = after[j++].Matched = true;
      continue;
    }
    // Which side to step over is decided alike whichever side is earlier,
    // so comparing the other way round pairs the same entries.
    const bool removed = same(i + 1, j), added = same(i, j + 1);
    if (removed && !added) {
      ++i;
    } else if (added && !removed) {
      ++j;
    } else {
      ++i, ++j;
    }
  }
}

// Pairs equal entries, as multisets: each later entry still free takes the
// first earlier one of the same bytes still free.
void MatchEqual(std::vector<TEntry>& before, std::vector<TEntry>& after) {
  // The free earlier entries of each content, chained in file order.
  std::unordered_map<std::string_view, int> first;
  first.reserve(before.size());
  std::vector<int> next(before.size(), -1);
  for (int i = static_cast<int>(before.size()) - 1; i >= 0; --i) {
    if (before[static_cast<std::size_t>(i)].Matched) continue;
    const auto [it, inserted] = first.try_emplace(before[static_cast<std::size_t>(i)].Key, i);
    if (!inserted) {
      next[static_cast<std::size_t>(i)] = it->second;
      it->second = i;
    }
  }
  for (TEntry& a : after) {
    if (a.Matched) continue;
    const auto it = first.find(a.Key);
    if (it == first.end() || it->second < 0) continue;
    before[static_cast<std::size_t>(it->second)].Matched = a.Matched = true;
    it->second = next[static_cast<std::size_t>(it->second)];
  }
}

TMatchedItem Matched(TEntry& e, int layer) {
  TMatchedItem m;
  m.Item = e.Item;
  m.Stored.Layer = layer;
  m.Stored.Type = e.Item->TypeCode;
  m.Stored.Lines = e.Lines;
  return m;
}

// The stored lines and first point of an item left without an equal twin.
void Describe(TEntry& e) {
  const std::size_t cut = e.Key.find("\r\n");
  e.Lines = StoredLinesOf(cut == std::string_view::npos ? std::string() : std::string(e.Key.substr(cut + 2)));
  e.HasPoint = FirstPoint(e.Lines, e.X, e.Y);
}

struct TCandidate {
  double Distance;
  int Before;  // index into the side's rest
  int After;
};

// Pairs the unmatched items of one type, nearest first. Only items within
// kMaxPairDistance can pair, so the later side is sorted into cells of that
// size and each earlier item looks at its own cell and the eight around it.
void PairType(std::vector<TEntry*>& before, std::vector<TEntry*>& after,
              std::vector<std::pair<TEntry*, TEntry*>>& pairs) {
  std::vector<TCandidate> candidates;
  std::map<std::pair<long long, long long>, std::vector<int>> cells;
  std::vector<int> pointless;
  const auto cell = [](double v) { return static_cast<long long>(std::floor(v / kMaxPairDistance)); };
  for (int j = 0; j < static_cast<int>(after.size()); ++j) {
    if (after[j]->HasPoint && std::isfinite(after[j]->X) && std::isfinite(after[j]->Y))
      cells[{cell(after[j]->X), cell(after[j]->Y)}].push_back(j);
    else
      pointless.push_back(j);
  }
  for (int i = 0; i < static_cast<int>(before.size()); ++i) {
    const TEntry& b = *before[i];
    if (!b.HasPoint || !std::isfinite(b.X) || !std::isfinite(b.Y)) {
      // Items that keep no point are paired among themselves in file order.
      for (int j : pointless) candidates.push_back({0, i, j});
      continue;
    }
    const long long cx = cell(b.X), cy = cell(b.Y);
    for (long long dx = -1; dx <= 1; ++dx)
      for (long long dy = -1; dy <= 1; ++dy) {
        const auto it = cells.find({cx + dx, cy + dy});
        if (it == cells.end()) continue;
        for (int j : it->second) {
          const double d = std::hypot(after[j]->X - b.X, after[j]->Y - b.Y);
          if (d <= kMaxPairDistance) candidates.push_back({d, i, j});
        }
      }
  }
  std::sort(candidates.begin(), candidates.end(), [&](const TCandidate& a, const TCandidate& c) {
    return std::make_tuple(a.Distance, before[a.Before]->Order, after[a.After]->Order) <
           std::make_tuple(c.Distance, before[c.Before]->Order, after[c.After]->Order);
  });
  for (const TCandidate& c : candidates) {
    TEntry* b = before[c.Before];
    TEntry* a = after[c.After];
    if (b->Matched || a->Matched) continue;
    b->Matched = a->Matched = true;
    pairs.emplace_back(b, a);
  }
}

void MatchLayer(int layer, std::vector<TEntry>& before, std::vector<TEntry>& after, TSchemeMatch& out) {
  // Entries of equal bytes in the files first; then, of the rest, entries
  // the items write alike (a file written by hand may spell a number
  // otherwise than the program does).
  MatchInOrder(before, after);
  MatchEqual(before, after);
  bool raw = false;
  for (std::vector<TEntry>* side : {&before, &after})
    for (TEntry& e : *side)
      if (!e.Matched && e.Raw) {
        e.Stored = StoredEntry(*e.Item);
        e.Key = e.Stored;
        e.Raw = false;
        raw = true;
      }
  if (raw) MatchEqual(before, after);
  std::map<std::uint32_t, std::pair<std::vector<TEntry*>, std::vector<TEntry*>>> byType;
  for (TEntry& b : before)
    if (!b.Matched) Describe(b), byType[b.Item->TypeCode].first.push_back(&b);
  for (TEntry& a : after)
    if (!a.Matched) Describe(a), byType[a.Item->TypeCode].second.push_back(&a);
  std::vector<std::pair<TEntry*, TEntry*>> pairs;
  for (auto& [type, sides] : byType) PairType(sides.first, sides.second, pairs);
  std::sort(pairs.begin(), pairs.end(), [](const auto& p, const auto& q) { return p.first->Order < q.first->Order; });
  for (auto& [b, a] : pairs) out.Changed.emplace_back(Matched(*b, layer), Matched(*a, layer));
  for (TEntry& b : before)
    if (!b.Matched) out.Removed.push_back(Matched(b, layer));
  for (TEntry& a : after)
    if (!a.Matched) out.Added.push_back(Matched(a, layer));
}

// The information as "dump" writes it, less what is not stored: the address
// line made of the two stored ones, the plan's times and colours computed
// at the clock's moment (the web colour "rgb" is the same colour again),
// the clock itself.
TJsonValue StoredInformation(TSVObject& scheme) {
  TJsonWriter json(0);
  json.BeginObject();
  WritePassportInformation(json, scheme);
  json.EndObject();
  std::optional<TJsonValue> value = ParseJson(json.Text());
  if (!value) return TJsonValue{};
  const auto drop = [](TJsonValue& object, std::initializer_list<const char*> names) {
    auto& m = object.Members;
    m.erase(std::remove_if(m.begin(), m.end(),
                           [&](const auto& member) {
                             for (const char* n : names)
                               if (member.first == n) return true;
                             return false;
                           }),
            m.end());
  };
  drop(*value, {"address", "clock", "layers", "messages"});
  for (auto& [name, member] : value->Members) {
    if (name == "phases")
      for (TJsonValue& phase : member.Items) drop(phase, {"intermediate", "duration"});
    if (name == "directions")
      for (TJsonValue& direction : member.Items) drop(direction, {"color", "greenNow", "rgb"});
  }
  return *value;
}

std::string PointerToken(const std::string& name) {
  std::string out;
  for (char c : name) {
    if (c == '~') out += "~0";
    else if (c == '/') out += "~1";
    else out += c;
  }
  return out;
}

void Compare(const std::string& path, const TJsonValue& a, const TJsonValue& b, std::vector<TInfoDifference>& out) {
  using K = TJsonValue::TKind;
  if (a.Kind == K::Object && b.Kind == K::Object) {
    static const TJsonValue kNull;
    for (const auto& [name, value] : a.Members) {
      const TJsonValue* other = b.Find(name);
      Compare(path + '/' + PointerToken(name), value, other ? *other : kNull, out);
    }
    for (const auto& [name, value] : b.Members)
      if (!a.Find(name)) Compare(path + '/' + PointerToken(name), kNull, value, out);
    return;
  }
  if (a.Kind == K::Array && b.Kind == K::Array) {
    static const TJsonValue kNull;
    const std::size_t n = std::max(a.Items.size(), b.Items.size());
    for (std::size_t i = 0; i < n; ++i)
      Compare(path + '/' + std::to_string(i), i < a.Items.size() ? a.Items[i] : kNull,
              i < b.Items.size() ? b.Items[i] : kNull, out);
    return;
  }
  if (a != b) out.push_back({path, a, b});
}

}  // namespace

bool FirstPoint(const std::vector<std::string>& lines, double& x, double& y) {
  // Two numbers and nothing else: "5.19.2", a sign's number, is no point.
  const auto blank = [](char c) { return c == ' ' || c == '\t'; };
  for (const std::string& line : lines) {
    const char* p = line.c_str();
    char* end = nullptr;
    const double a = std::strtod(p, &end);
    if (end == p || !blank(*end)) continue;
    p = end;
    const double b = std::strtod(p, &end);
    if (end == p) continue;
    p = end;
    while (blank(*p)) ++p;
    if (*p != '\0') continue;
    x = a;
    y = b;
    return true;
  }
  return false;
}

TSchemeMatch MatchSchemes(const TSVObject& before, const TSVObject& after, const TItemSources* beforeSources,
                          const TItemSources* afterSources) {
  TSchemeMatch out;
  for (int n = 1; n <= kLayerCount; ++n) {
    std::vector<TEntry> b = LayerEntries(n, *before.Layers[static_cast<std::size_t>(n)], beforeSources);
    std::vector<TEntry> a = LayerEntries(n, *after.Layers[static_cast<std::size_t>(n)], afterSources);
    MatchLayer(n, b, a, out);
  }
  return out;
}

std::vector<TInfoDifference> DiffInformation(TSVObject& before, TSVObject& after) {
  std::vector<TInfoDifference> out;
  Compare("", StoredInformation(before), StoredInformation(after), out);
  return out;
}

TPassportDiff DiffOf(std::vector<TInfoDifference> info, const TSchemeMatch& match) {
  TPassportDiff diff;
  diff.Info = std::move(info);
  for (const TMatchedItem& m : match.Added) diff.Scheme.Added.push_back(m.Stored);
  for (const TMatchedItem& m : match.Removed) diff.Scheme.Removed.push_back(m.Stored);
  for (const auto& [b, a] : match.Changed) diff.Scheme.Changed.push_back({b.Stored, a.Stored});
  return diff;
}

TPassportDiff DiffSchemes(TSVObject& before, TSVObject& after) {
  return DiffOf(DiffInformation(before, after), MatchSchemes(before, after));
}

std::unique_ptr<TSVObject> ReadPassportFiles(const TPassportFiles& files, TItemSources* sources) {
  TThreadMessageCapture quiet;
  auto scheme = std::make_unique<TSVObject>(files.id);
  scheme->Info->FileName = scheme->Dir + "info.txt";
  scheme->Info->FileMissing = !files.info;
  TSVObject::TEntryRead noted;
  if (sources && files.map)
    noted = [sources, &map = *files.map](const TSVItem& item, std::size_t begin, std::size_t end) {
      const int n = TSVObject::LayerOf(item.TypeCode);
      if (n > 0 && n < static_cast<int>(sources->Layers.size()))
        sources->Layers[static_cast<std::size_t>(n)].emplace_back(&item, std::string_view(map).substr(begin, end - begin));
    };
  scheme->LoadFrom([&files] { return files.info; }, [&files] { return files.map; }, noted);
  return scheme;
}

TPassportDiff DiffPassports(const TPassportFiles& before, const TPassportFiles& after) {
  // Large schemes are read side by side: the reading is most of the work.
  constexpr std::size_t kWorthAThread = 128 * 1024;
  const std::size_t size = before.map ? before.map->size() : 0;
  std::unique_ptr<TSVObject> a, b;
  TItemSources aSources, bSources;
  if (size >= kWorthAThread) {
    auto later = std::async(std::launch::async, [&] { return ReadPassportFiles(after, &bSources); });
    a = ReadPassportFiles(before, &aSources);
    b = later.get();
  } else {
    a = ReadPassportFiles(before, &aSources);
    b = ReadPassportFiles(after, &bSources);
  }
  return DiffOf(DiffInformation(*a, *b), MatchSchemes(*a, *b, &aSources, &bSources));
}

bool IsEmpty(const TPassportDiff& diff) {
  return diff.Info.empty() && diff.Scheme.Added.empty() && diff.Scheme.Removed.empty() && diff.Scheme.Changed.empty();
}

namespace {

void WriteItem(TJsonWriter& json, const TDiffItem& item) {
  json.BeginObject().Member("layer", item.Layer).Member("type", item.Type).Key("lines").BeginArray();
  for (const std::string& line : item.Lines) json.String(line);
  json.EndArray().EndObject();
}

}  // namespace

std::string DiffToJson(const TPassportDiff& diff) {
  TJsonWriter json;
  json.BeginObject().Key("info").BeginArray();
  for (const TInfoDifference& d : diff.Info) {
    json.BeginObject().Member("path", d.Path).Key("before");
    WriteJsonValue(json, d.Before);
    json.Key("after");
    WriteJsonValue(json, d.After);
    json.EndObject();
  }
  json.EndArray().Key("scheme").BeginObject().Key("added").BeginArray();
  for (const TDiffItem& item : diff.Scheme.Added) WriteItem(json, item);
  json.EndArray().Key("removed").BeginArray();
  for (const TDiffItem& item : diff.Scheme.Removed) WriteItem(json, item);
  json.EndArray().Key("changed").BeginArray();
  for (const TChangedItem& c : diff.Scheme.Changed) {
    json.BeginObject().Key("before");
    WriteItem(json, c.Before);
    json.Key("after");
    WriteItem(json, c.After);
    json.EndObject();
  }
  json.EndArray().EndObject().EndObject();
  return json.Text() + '\n';
}

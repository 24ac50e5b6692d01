#include "PassportCheck.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <map>
#include <set>
#include <utility>

#include "CheckRules.h"
#include "LabelOwners.h"
#include "model/SVObject.h"

namespace fs = std::filesystem;

TFindingCounts CountFindings(const std::vector<TFinding>& findings) {
  TFindingCounts c;
  for (const TFinding& f : findings) (f.Severity == TFindingSeverity::Error ? c.Errors : c.Warnings)++;
  return c;
}

const char* SeverityName(TFindingSeverity severity) {
  return severity == TFindingSeverity::Error ? "error" : "warning";
}

const char* SeverityCaption(TFindingSeverity severity) {
  return severity == TFindingSeverity::Error ? "ошибка" : "предупреждение";
}

namespace {

// A label as one line of a message, without the blanks around it.
std::string OneLine(const std::string& text) {
  std::string line;
  for (char c : text) line += (c == '\r' || c == '\n' || c == '\t') ? ' ' : c;
  const std::size_t first = line.find_first_not_of(' ');
  if (first == std::string::npos) return std::string();
  return line.substr(first, line.find_last_not_of(' ') - first + 1);
}

// The user knows an item by its label ("Т4"), not by its place in a layer: a
// finding about labelled items begins with their labels, unless its message
// already quotes them.
void NameLabelledItems(TCheckContext& ctx, std::vector<TFinding>& findings) {
  std::map<std::pair<int, int>, std::string> names;
  std::set<int> layers;
  for (const TFinding& f : findings)
    for (const TItemRef& r : f.Items) {
      if (r.Layer < 1 || r.Layer > kLayerCount) continue;
      names.emplace(std::make_pair(r.Layer, r.Index), std::string());
      layers.insert(r.Layer);
    }
  for (int layer : layers)
    ctx.ForEachInLayer(layer, [&](TSVItem& item, TItemRef ref) {
      const auto it = names.find({ref.Layer, ref.Index});
      if (it == names.end()) return;
      if (const std::string* text = LabelTextOf(item)) it->second = OneLine(*text);
    });
  for (TFinding& f : findings) {
    std::vector<std::string> named;
    for (const TItemRef& r : f.Items) {
      const auto it = names.find({r.Layer, r.Index});
      if (it == names.end() || it->second.empty()) continue;
      const std::string& name = it->second;
      if (f.Message.find('"' + name + '"') != std::string::npos) continue;
      if (std::find(named.begin(), named.end(), name) == named.end()) named.push_back(name);
    }
    if (named.empty()) continue;
    std::string prefix;
    for (const std::string& name : named) prefix += (prefix.empty() ? "" : ", ") + name;
    f.Message = prefix + ": " + f.Message;
  }
}

}  // namespace

std::vector<TFinding> CheckPassport(TSVObject& scheme, const std::vector<TMessage>& loadMessages) {
  TCheckContext ctx(scheme, loadMessages);
  std::vector<TFinding> findings;
  for (const TCheckRule& rule : CheckRules()) {
    const std::size_t before = findings.size();
    TFindingList list(findings, rule.Code, rule.Severity);
    rule.Run(ctx, list);
    if (rule.Table)
      for (std::size_t i = before; i < findings.size(); ++i) findings[i].Table = rule.Table;
  }
  NameLabelledItems(ctx, findings);
  return findings;
}

TSVItem* ItemAt(TSVObject& scheme, const TItemRef& ref) {
  if (ref.Layer < 1 || ref.Layer > kLayerCount || ref.Index < 0) return nullptr;
  const auto& items = scheme.Layer(ref.Layer).Items();
  int index = 0;
  for (auto it = items.rbegin(); it != items.rend(); ++it) {
    if ((*it)->Hidden) continue;
    if (index++ == ref.Index) return it->get();
  }
  return nullptr;
}

TLoadedPassport LoadPassportQuietly(const std::string& dir) {
  return OpenPassportDir(dir, TReadMessages::Kept);
}

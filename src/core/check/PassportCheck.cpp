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
  TLoadedPassport p;
  TThreadMessageCapture capture;
  p.Scheme = std::make_unique<TSVObject>(dir);
  p.Scheme->LoadAll();
  p.Messages = std::move(capture.Messages);
  return p;
}

bool IsPassportDir(const std::string& dir) {
  std::error_code ec;
  const fs::path d(dir);
  return fs::is_regular_file(d / "info.txt", ec) || fs::is_regular_file(d / "map.txt", ec);
}

namespace {

// The number after "svo", -1 when the name does not start so or has no digits.
long long PassportNumber(const std::string& name) {
  if (name.size() < 4 || name.compare(0, 3, "svo") != 0) return -1;
  long long n = 0;
  std::size_t i = 3;
  for (; i < name.size() && std::isdigit(static_cast<unsigned char>(name[i])) && i < 12; ++i) n = n * 10 + (name[i] - '0');
  return i == 3 ? -1 : n;
}

}  // namespace

std::vector<std::string> PassportDirs(const std::string& database) {
  struct TEntry {
    long long Number;
    std::string Name;
  };
  std::vector<TEntry> found;
  std::error_code ec;
  for (fs::directory_iterator it(database, ec), end; !ec && it != end; it.increment(ec)) {
    std::error_code ec2;
    if (!it->is_directory(ec2)) continue;
    const std::string name = it->path().filename().string();
    const long long n = PassportNumber(name);
    if (n >= 0) found.push_back({n, name});
  }
  std::sort(found.begin(), found.end(),
            [](const TEntry& a, const TEntry& b) { return a.Number != b.Number ? a.Number < b.Number : a.Name < b.Name; });
  std::string base = database;
  if (!base.empty() && base.back() != '/' && base.back() != '\\') base += '/';
  std::vector<std::string> dirs;
  for (const TEntry& e : found) dirs.push_back(base + e.Name + "/");
  return dirs;
}

TDatabaseScan ScanDatabase(const std::string& database) {
  TDatabaseScan scan;
  for (const std::string& d : PassportDirs(database)) {
    if (IsPassportDir(d))
      scan.Passports.push_back(d);
    else
      scan.Skipped.push_back({d, TSkipReason::NoFiles});
  }
  std::string base = database;
  if (!base.empty() && base.back() != '/' && base.back() != '\\') base += '/';
  std::vector<TSkippedDir> named;
  std::error_code ec;
  for (fs::directory_iterator it(database, ec), end; !ec && it != end; it.increment(ec)) {
    std::error_code ec2;
    if (!it->is_directory(ec2)) continue;
    const std::string name = it->path().filename().string();
    if (name.size() < 3 || PassportNumber(name) >= 0) continue;
    std::string head = name.substr(0, 3);
    for (char& c : head) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (head != "svo") continue;
    named.push_back({base + name + "/", name.compare(0, 3, "svo") == 0 ? TSkipReason::NoNumber : TSkipReason::NameCase});
  }
  std::sort(named.begin(), named.end(), [](const TSkippedDir& a, const TSkippedDir& b) { return a.Dir < b.Dir; });
  scan.Skipped.insert(scan.Skipped.end(), named.begin(), named.end());
  return scan;
}

const char* SkipReasonText(TSkipReason reason) {
  switch (reason) {
    case TSkipReason::NameCase:
      return "not a passport name: \"svo\" is matched in lower case";
    case TSkipReason::NoNumber:
      return "not a passport name: no digit after \"svo\"";
    case TSkipReason::NoFiles:
      return "neither info.txt nor map.txt in it";
  }
  return "";
}

// check: the inconsistencies of one passport or of every passport of a
// database, as text or as one JSON object. The exit code tells a script the
// worst that was found: 0 nothing, 1 warnings only, 2 errors.
#include <iostream>

#include "Commands.h"
#include "Json.h"
#include "Usage.h"
#include "check/PassportCheck.h"
#include "model/SVObject.h"
#include "plan/SVInfo.h"

namespace {

struct TPassportReport {
  std::string Dir;
  std::string Address;
  std::vector<TFinding> Findings;
};

void WriteJson(const std::vector<TPassportReport>& reports) {
  TJsonWriter json;
  json.BeginObject().Key("passports").BeginArray();
  for (const TPassportReport& r : reports) {
    json.BeginObject().Member("dir", r.Dir).Member("address", r.Address).Key("findings").BeginArray();
    for (const TFinding& f : r.Findings) {
      json.BeginObject()
          .Member("severity", SeverityName(f.Severity))
          .Member("code", f.Code)
          .Member("message", f.Message)
          .Key("items")
          .BeginArray();
      for (const TItemRef& i : f.Items) json.BeginArray().Int(i.Layer).Int(i.Index).EndArray();
      json.EndArray().Key("directions").BeginArray();
      for (int d : f.Directions) json.Int(d);
      json.EndArray().Key("phases").BeginArray();
      for (int p : f.Phases) json.Int(p);
      json.EndArray().EndObject();
    }
    json.EndArray().EndObject();
  }
  json.EndArray().EndObject();
  std::cout << json.Text() << '\n';
}

std::string Concerns(const TFinding& f) {
  std::string s;
  auto add = [&](const std::string& part) { s += (s.empty() ? " [" : "; ") + part; };
  for (const TItemRef& i : f.Items) add("item " + std::to_string(i.Layer) + ":" + std::to_string(i.Index));
  for (int d : f.Directions) add("direction " + std::to_string(d));
  for (int p : f.Phases) add("phase " + std::to_string(p));
  return s.empty() ? s : s + "]";
}

void WriteText(const std::vector<TPassportReport>& reports) {
  TFindingCounts total;
  for (const TPassportReport& r : reports) {
    const TFindingCounts c = CountFindings(r.Findings);
    total.Errors += c.Errors;
    total.Warnings += c.Warnings;
    std::cout << r.Dir << "  " << r.Address << ": ";
    if (r.Findings.empty()) {
      std::cout << "ok\n";
      continue;
    }
    std::cout << c.Errors << " error(s), " << c.Warnings << " warning(s)\n";
    for (const TFinding& f : r.Findings)
      std::cout << "  " << SeverityName(f.Severity) << ' ' << f.Code << ": " << f.Message << Concerns(f) << '\n';
  }
  std::cout << reports.size() << " passport(s), " << total.Errors << " error(s), " << total.Warnings
            << " warning(s)\n";
}

}  // namespace

int CmdCheck(const TArgs& args) {
  std::string target;
  bool json = false;
  for (const std::string& a : args) {
    if (a == "--json") {
      json = true;
    } else if (a.rfind("--", 0) == 0 || !target.empty()) {
      return UsageError("check");
    } else {
      target = a;
    }
  }
  if (target.empty()) {
    return UsageError("check");
  }
  std::vector<std::string> dirs;
  if (IsPassportDir(target)) {
    dirs.push_back(target);
  } else {
    for (const std::string& d : PassportDirs(target))
      if (IsPassportDir(d)) dirs.push_back(d);
  }
  // Nothing checked is not a clean bill.
  if (dirs.empty()) {
    CliError("check") << "no passport in " << target << '\n';
    return 2;
  }
  std::vector<TPassportReport> reports;
  TFindingCounts total;
  for (const std::string& dir : dirs) {
    TLoadedPassport p = LoadPassportQuietly(dir);
    TPassportReport r{dir, p.Scheme->Info->AddressText(), CheckPassport(*p.Scheme, p.Messages)};
    const TFindingCounts c = CountFindings(r.Findings);
    total.Errors += c.Errors;
    total.Warnings += c.Warnings;
    reports.push_back(std::move(r));
  }
  if (json)
    WriteJson(reports);
  else
    WriteText(reports);
  return total.Errors > 0 ? 2 : total.Warnings > 0 ? 1 : 0;
}

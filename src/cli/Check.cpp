// check: the inconsistencies of one passport or of every passport of a
// database, as text or as one JSON object. The exit code tells a script the
// worst that was found: 0 nothing, 1 warnings only, 2 errors.
#include <cstdio>
#include <iostream>
#include <sstream>

#include "CliArgs.h"
#include "Commands.h"
#include "json/Json.h"
#include "Output.h"
#include "platform/ProgramDir.h"
#include "platform/TextFile.h"
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

// A passport's text on a line of its own: control characters written as the
// JSON writes them, so that a line end in an address cannot forge a line.
std::string Plain(const std::string& text) {
  std::string out;
  for (const char ch : text) {
    const auto c = static_cast<unsigned char>(ch);
    if (c >= 0x20 && c != 0x7F) {
      out += ch;
      continue;
    }
    switch (c) {
      case '\n': out += "\\n"; break;
      case '\r': out += "\\r"; break;
      case '\t': out += "\\t"; break;
      default: {
        char buf[8];
        std::snprintf(buf, sizeof buf, "\\u%04X", c);
        out += buf;
      }
    }
  }
  return out;
}

bool WriteJson(const std::vector<TPassportReport>& reports, const std::vector<TSkippedDir>& skipped,
               const TFindingCounts& total) {
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
  // Members are only ever added at the end.
  json.EndArray()
      .Member("passportCount", static_cast<int>(reports.size()))
      .Member("errors", total.Errors)
      .Member("warnings", total.Warnings)
      .Key("skipped")
      .BeginArray();
  for (const TSkippedDir& d : skipped)
    json.BeginObject().Member("dir", d.Dir).Member("reason", SkipReasonText(d.Reason)).EndObject();
  json.EndArray().EndObject();
  return WriteOutput("check", "-", json.Text() + '\n');
}

std::string Concerns(const TFinding& f) {
  std::string s;
  auto add = [&](const std::string& part) { s += (s.empty() ? " [" : "; ") + part; };
  for (const TItemRef& i : f.Items) add("item " + std::to_string(i.Layer) + ":" + std::to_string(i.Index));
  for (int d : f.Directions) add("direction " + std::to_string(d));
  for (int p : f.Phases) add("phase " + std::to_string(p));
  return s.empty() ? s : s + "]";
}

bool WriteText(const std::vector<TPassportReport>& reports, const TFindingCounts& total) {
  std::ostringstream out;
  for (const TPassportReport& r : reports) {
    const TFindingCounts c = CountFindings(r.Findings);
    out << Plain(r.Dir) << "  " << Plain(r.Address) << ": ";
    if (r.Findings.empty()) {
      out << "ok\n";
      continue;
    }
    out << c.Errors << " error(s), " << c.Warnings << " warning(s)\n";
    for (const TFinding& f : r.Findings)
      out << "  " << SeverityName(f.Severity) << ' ' << f.Code << ": " << Plain(f.Message) << Concerns(f) << '\n';
  }
  out << reports.size() << " passport(s), " << total.Errors << " error(s), " << total.Warnings << " warning(s)\n";
  return WriteOutput("check", "-", out.str());
}

}  // namespace

int CmdCheck(const TArgs& args) {
  std::string target;
  bool json = false;
  for (const std::string& a : args) {
    if (a == "--json") {
      json = true;
    } else if (a.rfind("--", 0) == 0 || !target.empty()) {
      std::string why;
      Unexpected(why, a, target);
      return UsageError("check", why);
    } else {
      target = a;
    }
  }
  if (target.empty()) {
    return UsageError("check", "the passport or database folder is missing");
  }
  std::vector<std::string> dirs;
  std::vector<TSkippedDir> skipped;
  if (IsPassportDir(target)) {
    dirs.push_back(WithTrailingSep(target));
  } else {
    TDatabaseScan scan = ScanDatabase(target);
    dirs = std::move(scan.Passports);
    skipped = std::move(scan.Skipped);
  }
  for (const TSkippedDir& d : skipped) CliError("check") << "skipped " << d.Dir << ": " << SkipReasonText(d.Reason) << '\n';
  // Nothing checked is not a clean bill.
  if (dirs.empty()) {
    CliError("check") << "could not run: no passport in " << target << '\n';
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
  // A report that did not arrive is a check that could not run: 2, as the
  // exit status 1 would say "warnings only".
  if (!(json ? WriteJson(reports, skipped, total) : WriteText(reports, total))) return 2;
  if (total.Errors > 0) CliError("check") << "found " << total.Errors << " error(s)\n";
  return total.Errors > 0 ? 2 : total.Warnings > 0 ? 1 : 0;
}

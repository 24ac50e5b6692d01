// diff: what changed between two passports, as one line of summary and the
// differences listed, or as JSON. The exit status says whether anything
// differs, as diff(1) does.
#include <iostream>

#include "Commands.h"
#include "DiffReport.h"
#include "Output.h"
#include "Usage.h"
#include "history/GitHandles.h"
#include "history/History.h"
#include "history/PassportDiff.h"
#include "history/PassportFolder.h"
#include "history/Repository.h"
#include "platform/TextFile.h"

namespace {

// Items are shown by their layer, type and first line (usually their first
// point): enough to find them on the scheme.
std::string ItemText(const TDiffItem& item) {
  std::string s = "слой " + std::to_string(item.Layer) + ", тип " + std::to_string(item.Type);
  if (!item.Lines.empty()) s += ": " + item.Lines.front();
  return s;
}

std::string ValueText(const TJsonValue& v) { return v.IsNull() ? "—" : JsonText(v); }

}  // namespace

std::string DiffText(const TPassportDiff& diff) {
  if (IsEmpty(diff)) return "Паспорта совпадают.\n";
  std::string out = SummarizeDiff(diff) + "\n";
  if (!diff.Info.empty()) {
    out += "\nИнформация:\n";
    for (const TInfoDifference& d : diff.Info)
      out += "  " + d.Path + ": " + ValueText(d.Before) + " → " + ValueText(d.After) + "\n";
  }
  const TSchemeDiff& s = diff.Scheme;
  if (!s.Added.empty() || !s.Removed.empty() || !s.Changed.empty()) {
    out += "\nСхема:\n";
    for (const TDiffItem& item : s.Added) out += "  + " + ItemText(item) + "\n";
    for (const TDiffItem& item : s.Removed) out += "  - " + ItemText(item) + "\n";
    for (const TChangedItem& c : s.Changed) {
      out += "  ~ " + ItemText(c.Before) + "\n";
      for (std::size_t i = 0; i < std::max(c.Before.Lines.size(), c.After.Lines.size()); ++i) {
        const std::string* b = i < c.Before.Lines.size() ? &c.Before.Lines[i] : nullptr;
        const std::string* a = i < c.After.Lines.size() ? &c.After.Lines[i] : nullptr;
        if (b && a && *a == *b) continue;
        out += "      строка " + std::to_string(i + 1) + ": " + (b ? *b : "—") + " → " + (a ? *a : "—") + "\n";
      }
    }
  }
  return out;
}

int ReportDiff(const TPassportFiles& before, const TPassportFiles& after, bool json) {
  const TPassportDiff diff = DiffPassports(before, after);
  const std::string text = json ? DiffToJson(diff) : DiffText(diff);
  if (!WriteOutput("diff", "-", text)) return 2;
  return IsEmpty(diff) ? 0 : 1;
}

namespace {

// diff PASSPORT --rev R1 [--rev R2]: two versions of one passport of a versioned
// database, the second by default its working folder.
int DiffVersions(const std::string& passport, const std::vector<std::string>& revs, bool json) {
  TPassportFiles sides[2];
  try {
    const TPassportPlace place = PassportPlace(passport);
    const TDbRepository repo = TDbRepository::OpenExisting(place.Database);
    sides[0] = ReadPassportAt(repo, place.Id, revs[0]);
    sides[1] = revs.size() > 1 ? ReadPassportAt(repo, place.Id, revs[1]) : ReadWorkingPassport(repo, place.Id);
  } catch (const TGitError& e) {
    CliError("diff") << e.what() << '\n';
    return 2;
  } catch (const TInOutError& e) {
    CliError("diff") << e.what() << '\n';
    return 2;
  }
  return ReportDiff(sides[0], sides[1], json);
}

}  // namespace

int CmdDiff(const TArgs& args) {
  std::vector<std::string> dirs;
  std::vector<std::string> revs;
  bool json = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "--json") {
      json = true;
    } else if (a == "--rev") {
      if (i + 1 >= args.size()) return UsageError("diff", "--rev needs a version");
      revs.push_back(args[++i]);
    } else if (a.rfind("--", 0) == 0) {
      return UsageError("diff", a + ": no such option");
    } else {
      dirs.push_back(a);
    }
  }
  if (!revs.empty()) {
    if (dirs.size() != 1) return UsageError("diff", "--rev compares versions of one passport directory");
    if (revs.size() > 2) return UsageError("diff", "at most two --rev");
    return DiffVersions(dirs[0], revs, json);
  }
  if (dirs.size() != 2) return UsageError("diff", "two passport directories are needed");
  TPassportFiles sides[2];
  for (int i = 0; i < 2; ++i) {
    std::string error;
    if (!ReadPassportFolder(dirs[static_cast<std::size_t>(i)], sides[i], error)) {
      CliError("diff") << error << '\n';
      return 2;
    }
  }
  return ReportDiff(sides[0], sides[1], json);
}

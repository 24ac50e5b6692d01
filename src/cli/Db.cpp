// db (init, clone, sync, commit), history and restore: the versions of the
// passports of a database and the sharing of the database.
#include <iostream>
#include <optional>
#include <sstream>

#include "Commands.h"
#include "Output.h"
#include "Usage.h"
#include "history/Author.h"
#include "history/History.h"
#include "history/PassportDiff.h"
#include "history/Record.h"
#include "history/Sync.h"
#include "json/Json.h"
#include "platform/IniFile.h"
#include "platform/ProgramDir.h"
#include "platform/TextFile.h"

namespace {

TRecordOptions RecordOptions() {
  TRecordOptions o;
  o.Author = AuthorFromConfig(TIniFile(JoinPath(ProgramDir(), "config.ini")));
  // A version's message says what changed in the passport's own words.
  o.Summarizer = [](const TPassportFiles& before, const TPassportFiles& after) {
    const std::string summary = SummarizeDiff(DiffPassports(before, after));
    return summary.empty() ? PlainSummary(before, after) : summary;
  };
  return o;
}

void JsonNames(TJsonWriter& json, const std::string& key, const std::vector<std::string>& names) {
  json.Key(key).BeginArray();
  for (const std::string& n : names) json.String(n);
  json.EndArray();
}

std::string Joined(const std::vector<std::string>& names) {
  std::string s;
  for (const std::string& n : names) s += (s.empty() ? "" : " ") + n;
  return s.empty() ? "-" : s;
}

// Runs the body; a failure of the database or of a file is one line and exit 1.
template <typename F>
int Guarded(const std::string& command, F body) {
  try {
    return body();
  } catch (const TGitError& e) {
    CliError(command) << e.what() << '\n';
  } catch (const TInOutError& e) {
    CliError(command) << e.what() << '\n';
  }
  return 1;
}

// Takes the option `name` with its value at args[i]; false when it is not it.
bool TakeValue(const TArgs& args, std::size_t& i, const char* name, std::optional<std::string>& value) {
  if (args[i] != name || i + 1 >= args.size()) return false;
  value = args[++i];
  return true;
}

int DbInitCmd(const TArgs& args) {
  std::optional<std::string> dir, remote;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (TakeValue(args, i, "--remote", remote)) continue;
    if (dir || args[i].rfind("--", 0) == 0) return UsageError("db");
    dir = args[i];
  }
  if (!dir) return UsageError("db");
  return Guarded("db", [&] {
    DbInit(*dir, remote, RecordOptions());
    return 0;
  });
}

int DbCloneCmd(const TArgs& args) {
  if (args.size() != 2) return UsageError("db");
  return Guarded("db", [&] {
    DbClone(args[0], args[1]);
    return 0;
  });
}

int DbCommitCmd(const TArgs& args) {
  std::optional<std::string> dir, message;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (TakeValue(args, i, "--message", message)) continue;
    if (dir || args[i].rfind("--", 0) == 0) return UsageError("db");
    dir = args[i];
  }
  if (!dir) return UsageError("db");
  return Guarded("db", [&] {
    TRecordOptions options = RecordOptions();
    if (message) options.Comment = *message;
    const TDbRepository repo = TDbRepository::OpenExisting(*dir);
    RecoverInterruptedSync(repo);
    std::string out;
    for (const std::string& id : RecordChanged(repo, options)) out += id + "\n";
    return WriteOutput("db", "-", out) ? 0 : 1;
  });
}

int DbSyncCmd(const TArgs& args) {
  std::optional<std::string> dir, prefer;
  bool json = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (TakeValue(args, i, "--prefer", prefer)) continue;
    if (args[i] == "--json") {
      json = true;
      continue;
    }
    if (dir || args[i].rfind("--", 0) == 0) return UsageError("db");
    dir = args[i];
  }
  if (!dir) return UsageError("db");
  if (prefer && *prefer != "mine" && *prefer != "theirs") return UsageError("db", "--prefer " + *prefer + ": mine or theirs");
  return Guarded("db", [&] {
    TSyncOptions options;
    options.Record = RecordOptions();
    options.Prefer = prefer && *prefer == "theirs" ? TPrefer::Theirs : TPrefer::Mine;
    const TSyncResult r = DbSync(*dir, options);
    std::string out;
    if (json) {
      TJsonWriter w(0);
      w.BeginObject();
      JsonNames(w, "recorded", r.Recorded);
      JsonNames(w, "received", r.Received);
      JsonNames(w, "sent", r.Sent);
      w.Key("conflicts").BeginArray();
      for (const TSyncConflict& c : r.Conflicts)
        w.BeginObject()
            .Member("passport", c.Passport)
            .Member("kept", c.Kept == TPrefer::Mine ? "mine" : "theirs")
            .Member("other", c.Other)
            .EndObject();
      w.EndArray().EndObject();
      out = w.Text() + "\n";
    } else {
      out = "recorded: " + Joined(r.Recorded) + "\nreceived: " + Joined(r.Received) + "\nsent: " + Joined(r.Sent) + "\n";
      for (const TSyncConflict& c : r.Conflicts)
        out += "conflict: " + c.Passport + " kept " + (c.Kept == TPrefer::Mine ? "mine" : "theirs") + ", other " +
               c.Other + "\n";
    }
    if (!WriteOutput("db", "-", out)) return 1;
    return r.Conflicts.empty() ? 0 : 3;
  });
}

}  // namespace

int CmdDb(const TArgs& args) {
  if (args.empty()) return UsageError("db");
  const TArgs rest(args.begin() + 1, args.end());
  if (args[0] == "init") return DbInitCmd(rest);
  if (args[0] == "clone") return DbCloneCmd(rest);
  if (args[0] == "sync") return DbSyncCmd(rest);
  if (args[0] == "commit") return DbCommitCmd(rest);
  return UsageError("db", args[0] + ": one of init, clone, sync, commit");
}

int CmdHistory(const TArgs& args) {
  std::optional<std::string> passport;
  bool json = false;
  for (const std::string& a : args) {
    if (a == "--json") {
      json = true;
      continue;
    }
    if (passport) return UsageError("history");
    passport = a;
  }
  if (!passport) return UsageError("history");
  return Guarded("history", [&] {
    const TPassportPlace place = PassportPlace(*passport);
    const TDbRepository repo = TDbRepository::OpenExisting(place.Database);
    const std::vector<TPassportVersion> versions = PassportHistory(repo, place.Id);
    std::string out;
    if (json) {
      TJsonWriter w(0);
      w.BeginObject().Member("passport", place.Id).Key("versions").BeginArray();
      for (const TPassportVersion& v : versions)
        w.BeginObject()
            .Member("rev", v.Rev)
            .Member("date", v.Date)
            .Member("author", v.Author)
            .Member("summary", v.Summary)
            .EndObject();
      w.EndArray().EndObject();
      out = w.Text() + "\n";
    } else {
      for (const TPassportVersion& v : versions) {
        const std::string first = v.Summary.substr(0, v.Summary.find('\n'));
        out += v.Rev.substr(0, 10) + "  " + v.Date + "  " + v.Author + "  " + first + "\n";
      }
    }
    return WriteOutput("history", "-", out) ? 0 : 1;
  });
}

int CmdRestore(const TArgs& args) {
  std::optional<std::string> passport, rev;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (TakeValue(args, i, "--rev", rev)) continue;
    if (passport || args[i].rfind("--", 0) == 0) return UsageError("restore");
    passport = args[i];
  }
  if (!passport || !rev) return UsageError("restore");
  return Guarded("restore", [&] {
    const TPassportPlace place = PassportPlace(*passport);
    const TDbRepository repo = TDbRepository::OpenExisting(place.Database);
    RecoverInterruptedSync(repo);
    const std::optional<git_oid> made = RestorePassport(repo, place.Id, *rev, RecordOptions());
    return WriteOutput("restore", "-", made ? OidHex(*made) + "\n" : std::string()) ? 0 : 1;
  });
}

#include "Batch.h"

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <map>
#include <thread>

#include "ChildRuns.h"
#include "CliArgs.h"
#include "Usage.h"
#include "check/PassportCheck.h"
#include "doc/DocFormats.h"
#include "platform/ProgramDir.h"
#include "platform/TextFile.h"

namespace fs = std::filesystem;

namespace {

// A database's passports are written as .doc unless a format is named, as
// they always were; the save dialog's default is a user's choice, not this.
std::vector<std::string> DocumentExtensions() {
  std::vector<std::string> extensions = {"doc"};
  for (const TDocFormat& f : DocFormats())
    if (extensions.front() != f.Extension) extensions.push_back(f.Extension);
  return extensions;
}

// What each command writes for a passport, the first being the default.
const std::map<std::string, std::vector<std::string>>& Formats() {
  static const std::map<std::string, std::vector<std::string>> formats = {
      {"dump", {"json"}}, {"render", {"png"}}, {"print", {"pdf", "png"}}, {"export", DocumentExtensions()}};
  return formats;
}

// Options that name one file of their own: a database run would have every
// passport write over the same file (or start a viewer for each).
const std::map<std::string, std::vector<std::string>>& SingleFileOptions() {
  static const std::map<std::string, std::vector<std::string>> options = {
      {"render", {"--primitives"}}, {"export", {"--commands-to", "--open"}}};
  return options;
}

bool AllDigits(const std::string& s) {
  return !s.empty() && std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

int BadOption(const std::string& command, const std::string& what) {
  CliError(command) << what << "\nTry 'svpass-cli " << command << " --help'.\n";
  return 2;
}

struct TBatchArgs {
  // Where in the arguments the passport or database is, and --out's value.
  std::optional<std::size_t> Target;
  std::optional<std::size_t> Out;
  std::optional<int> Jobs;
  std::string Format;
  std::vector<std::string> SingleFile;
  bool Print = false;
  // The arguments without --jobs and --format.
  TArgs Rest;
};

// Reads the options the database run itself takes, and finds the target and
// the output among the command's own. Gives a usage error's exit code, or 0.
int ParseBatchArgs(const std::string& command, const TArgs& args, TBatchArgs& out) {
  const TCommandUsage* usage = FindCommandUsage(command);
  const auto& single = SingleFileOptions().count(command) ? SingleFileOptions().at(command) : std::vector<std::string>{};
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "--jobs" || a == "--format") {
      const std::string value = i + 1 < args.size() ? args[i + 1] : std::string();
      if (a == "--jobs") {
        if (out.Jobs || !ParseInt(value, 1, 1024, out.Jobs))
          return BadOption(command, "--jobs " + value + ": give it once, a number from 1 to 1024");
      } else {
        if (!out.Format.empty() || value.empty())
          return BadOption(command, "--format " + value + ": give it once, with a file type");
        out.Format = value;
      }
      ++i;
      continue;
    }
    out.Rest.push_back(a);
    if (a.size() > 2 && a.compare(0, 2, "--") == 0) {
      if (std::find(single.begin(), single.end(), a) != single.end()) out.SingleFile.push_back(a);
      if (a == "--print") out.Print = true;
      int values = 0;
      if (usage)
        for (const TOptionUsage& o : usage->Options)
          if (a == o.Name) values = o.Values;
      if (a == "--out" && i + 1 < args.size()) out.Out = out.Rest.size();
      for (int k = 0; k < values && i + 1 < args.size(); ++k) out.Rest.push_back(args[++i]);
      // The phases printed and the phase lengths are a varying count of numbers.
      if (a == "--phases" || a == "--lengths")
        while (i + 1 < args.size() && AllDigits(args[i + 1])) out.Rest.push_back(args[++i]);
      continue;
    }
    if (!out.Target) out.Target = out.Rest.size() - 1;
  }
  return 0;
}

// A directory that holds passports rather than being one.
bool IsDatabase(const std::string& dir) {
  if (!DirectoryExists(dir)) return false;
  const std::vector<std::string> dirs = PassportDirs(dir);
  return std::any_of(dirs.begin(), dirs.end(), [](const std::string& d) { return IsPassportDir(d); });
}

std::string NameOf(const std::string& passportDir) {
  std::string d = passportDir;
  while (!d.empty() && (d.back() == '/' || d.back() == '\\')) d.pop_back();
  return fs::path(d).filename().string();
}

// A bar on the terminal, redrawn in place; nothing when standard error is a
// file or a pipe, where it would only leave noise.
class TProgress {
 public:
  explicit TProgress(std::size_t total) : Total_(total), Shown_(isatty(STDERR_FILENO) == 1) {}
  void Draw(std::size_t done) {
    if (!Shown_) return;
    constexpr std::size_t kWidth = 30;
    const std::size_t filled = Total_ ? done * kWidth / Total_ : kWidth;
    std::cerr << "\r[" << std::string(filled, '#') << std::string(kWidth - filled, '.') << "] " << done << '/'
              << Total_ << std::flush;
  }
  void Clear() {
    if (Shown_) std::cerr << "\r\033[K" << std::flush;
  }

 private:
  std::size_t Total_;
  bool Shown_;
};

struct TPassportRun {
  std::string Name;
  std::string Out;
  // Dump writes to standard output: into this file, renamed to Out when whole.
  std::string Partial;
};

std::string Outcome(const TChildResult& r) {
  if (r.Signal != 0) return "killed by signal " + std::to_string(r.Signal);
  if (r.Code < 0) return "not run";
  return r.Code == 0 ? "ok" : "exit " + std::to_string(r.Code);
}

// The child's messages as lines of our standard error, each under the
// passport's name.
void ForwardMessages(const std::string& name, const std::string& text) {
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::cerr << name << ": " << text.substr(start, end - start) << '\n';
    start = end + 1;
  }
}

}  // namespace

std::optional<int> RunOverDatabase(const std::string& command, TArgs& args) {
  if (!Formats().count(command)) return std::nullopt;
  TBatchArgs b;
  if (const int code = ParseBatchArgs(command, args, b)) return code;
  const std::string target = b.Target ? b.Rest[*b.Target] : std::string();
  if (!b.Target || !IsDatabase(target)) {
    // A page on standard output has no file name to tell its type: there
    // the page's format is given as for a database.
    const bool pageToStdout = command == "print" && b.Out && b.Rest[*b.Out] == "-";
    if (!b.Format.empty() && !pageToStdout)
      return BadOption(command, "--format: only for a database (a folder of svo passports) or print --out -");
    if (!b.Format.empty()) {
      b.Rest.push_back("--format");
      b.Rest.push_back(b.Format);
    }
    if (command == "dump" && b.Out)
      return BadOption(command, "--out: only for a database; one passport's dump goes to standard output");
    args = b.Rest;
    return std::nullopt;
  }

  if (!b.Out) return BadOption(command, "a database needs --out DIR, the folder the passports are written into");
  if (!b.SingleFile.empty())
    return BadOption(command, b.SingleFile.front() + ": not for a database, whose passports would all write the same file");
  const std::vector<std::string>& formats = Formats().at(command);
  std::string format = b.Format.empty() ? (b.Print ? "pdf" : formats.front()) : b.Format;
  for (char& c : format) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  if (std::find(formats.begin(), formats.end(), format) == formats.end() || (b.Print && format != "pdf")) {
    std::string list;
    for (const std::string& f : formats)
      if (!b.Print || f == "pdf") list += (list.empty() ? "" : ", ") + f;
    return BadOption(command, "--format " + b.Format + ": one of " + list);
  }
  const std::string outDir = b.Rest[*b.Out];
  if (outDir == "-") return BadOption(command, "--out -: a database is written into a folder, not standard output");
  std::error_code ec;
  fs::create_directories(outDir, ec);
  if (!DirectoryExists(outDir)) {
    CliError(command) << "cannot create the output folder " << outDir << '\n';
    return 1;
  }

  std::vector<TPassportRun> passports;
  std::vector<TChildRun> runs;
  for (const std::string& dir : PassportDirs(target)) {
    if (!IsPassportDir(dir)) continue;
    TPassportRun p;
    p.Name = NameOf(dir);
    p.Out = JoinPath(outDir, p.Name + "." + format);
    TChildRun run;
    run.Args.push_back(command);
    for (std::size_t i = 0; i < b.Rest.size(); ++i) {
      if (i == *b.Target) {
        run.Args.push_back(dir);
      } else if (b.Out && i + 1 == *b.Out) {
        // --out and its value: dump has no --out of its own.
        if (command != "dump") run.Args.insert(run.Args.end(), {"--out", p.Out});
        ++i;
      } else {
        run.Args.push_back(b.Rest[i]);
      }
    }
    if (command == "dump") run.StdoutFile = p.Partial = p.Out + ".part~";
    passports.push_back(p);
    runs.push_back(run);
  }

  const int jobs = b.Jobs.value_or(static_cast<int>(std::max(1u, std::thread::hardware_concurrency())));
  std::vector<std::optional<TChildResult>> results(runs.size());
  std::size_t reported = 0, finished = 0, failed = 0;
  int worst = 0;
  std::string lastUsageError;
  TProgress progress(runs.size());
  progress.Draw(0);
  RunChildren(runs, jobs, [&](std::size_t index, const TChildResult& result) {
    TChildResult r = result;
    const TPassportRun& p = passports[index];
    if (!p.Partial.empty()) {
      if (r.Code == 0 && r.Signal == 0 && std::rename(p.Partial.c_str(), p.Out.c_str()) != 0) {
        r.Code = 1;
        r.Output += "svpass-cli: dump: cannot write " + p.Out + '\n';
      }
      if (r.Code != 0 || r.Signal != 0) std::remove(p.Partial.c_str());
    }
    results[index] = r;
    ++finished;
    // Reported in the passports' order, each as soon as those before it are.
    progress.Clear();
    for (; reported < results.size() && results[reported]; ++reported) {
      const TChildResult& done = *results[reported];
      const std::string& name = passports[reported].Name;
      // A wrong argument fails every passport alike: its text is shown once.
      if (done.Code != 2 || done.Output != lastUsageError) ForwardMessages(name, done.Output);
      if (done.Code == 2) lastUsageError = done.Output;
      const int code = done.Signal != 0 || done.Code < 0 ? 1 : done.Code;
      worst = std::max(worst, code);
      if (code != 0) ++failed;
      std::cout << name << ": " << Outcome(done) << ": " << passports[reported].Out << '\n' << std::flush;
    }
    progress.Draw(finished);
  });
  progress.Clear();
  std::cout << runs.size() << " passport(s), " << runs.size() - failed << " written, " << failed << " failed\n";
  std::cout.flush();
  if (!std::cout) {
    CliError(command) << "cannot write to standard output\n";
    worst = std::max(worst, 1);
  }
  return worst;
}

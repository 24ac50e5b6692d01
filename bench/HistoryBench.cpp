// The versioned database against its floors: a save with its version
// against the plain save, a passport's history against the git program's
// `git log -- svoN`, and a sync against the git program's add, commit,
// pull and push on a twin copy. Each row times its floor in turn with it, in
// real time (the git program runs in processes of its own), and reports
// floor_ms and the ratio.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "BenchSupport.h"
#include "history/ChangeSummary.h"
#include "history/History.h"
#include "history/Sync.h"
#include "history/VersionedStore.h"
#include "platform/TextFile.h"
#include "store/FolderStore.h"

namespace {

namespace fs = std::filesystem;
using TClock = std::chrono::steady_clock;

double Ms(TClock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

std::string Scratch(const std::string& name) {
  const fs::path base = fs::is_directory("/dev/shm") ? "/dev/shm" : fs::temp_directory_path();
  const fs::path dir = base / ("svpass-bench-" + name);
  fs::remove_all(dir);
  fs::create_directories(dir);
  return dir.string() + "/";
}

bool Run(const std::string& command) { return std::system(command.c_str()) == 0; }

// A database of `passports` small passports, svoN/map.txt and info.txt.
void SmallDatabase(const std::string& dir, int passports) {
  for (int n = 1; n <= passports; ++n) {
    const std::string p = dir + "svo" + std::to_string(n) + "/";
    fs::create_directories(p);
    WriteFileAtomically(p + "map.txt", "map " + std::to_string(n) + "\r\n1 2 3 4\r\n");
    WriteFileAtomically(p + "info.txt", "info " + std::to_string(n) + "\r\n");
  }
}

constexpr const char* kGit =
    "GIT_AUTHOR_NAME=b GIT_AUTHOR_EMAIL=b@b GIT_COMMITTER_NAME=b GIT_COMMITTER_EMAIL=b@b git -c init.defaultBranch=main ";

// A 1 000-item passport saved into a versioned database of 10 or 2 000
// passports, against the same save into a plain folder. Every save changes
// the map (an empty line more or less), so every versioned save is a version,
// its message the comparison's summary as the windows record it. With the
// third argument 1 the version is recorded after the save returns, as in the
// windows: the row's time is what the engineer waits for, and settled_ms the
// time until the version is recorded; with 0 the save records it itself.
void SaveVersioned(benchmark::State& state) {
  TSVObject& scheme = LoadedPassport(static_cast<int>(state.range(0)));
  const std::string plainDir = Scratch("save-plain"), versionedDir = Scratch("save-versioned");
  SmallDatabase(versionedDir, static_cast<int>(state.range(1)));
  fs::create_directories(plainDir + "svo1");
  TRecordOptions options;
  options.Author = {"bench", "bench@example.org"};
  DbInit(versionedDir, std::nullopt, options);
  options.Summarizer = ChangeSummary;
  auto plain = std::make_shared<TFolderStore>(plainDir);
  std::optional<TVersionRecorder::TFailureHandler> afterSaves;
  if (state.range(2)) afterSaves = TVersionRecorder::TFailureHandler();
  std::shared_ptr<TPassportStore> versioned = OpenDatabaseStore(versionedDir, {}, options, afterSaves);
  double floorMs = 0, settledMs = 0;
  bool odd = false;
  for (auto _ : state) {
    odd = !odd;
    const std::string tail = odd ? "\r\n" : "";
    auto t0 = TClock::now();
    scheme.SaveMapTo([&](const std::string& bytes) { versioned->Write("svo1", TPassportFile::Map, bytes + tail); }, "");
    auto t1 = TClock::now();
    versioned->Settle();
    auto t2 = TClock::now();
    scheme.SaveMapTo([&](const std::string& bytes) { plain->Write("svo1", TPassportFile::Map, bytes + tail); }, "");
    auto t3 = TClock::now();
    state.SetIterationTime(std::chrono::duration<double>(t1 - t0).count());
    settledMs += Ms(t2 - t0);
    floorMs += Ms(t3 - t2);
  }
  const auto n = static_cast<double>(state.iterations());
  state.counters["floor_ms"] = floorMs / n;
  state.counters["settled_ms"] = settledMs / n;
}

// svo7 with 1 000 versions among 1 000 versions of other passports, in a
// database of 2 000 passports, made by git fast-import.
const std::string& HistoryRepo() {
  static std::string dir;
  if (!dir.empty()) return dir;
  dir = Scratch("history");
  std::string script;
  auto blob = [&](const std::string& path, const std::string& bytes) {
    script += "M 100644 inline " + path + "\ndata " + std::to_string(bytes.size()) + "\n" + bytes + "\n";
  };
  auto commit = [&](int n) {
    const std::string msg = "v" + std::to_string(n);
    script += "commit refs/heads/main\ncommitter b <b@b> " + std::to_string(1700000000 + n) + " +0000\ndata " +
              std::to_string(msg.size()) + "\n" + msg + "\n";
  };
  commit(0);
  for (int p = 1; p <= 2000; ++p) {
    blob("svo" + std::to_string(p) + "/map.txt", "map " + std::to_string(p) + "\n");
    blob("svo" + std::to_string(p) + "/info.txt", "info " + std::to_string(p) + "\n");
  }
  for (int i = 1; i <= 2000; ++i) {
    commit(i);
    const int p = i % 2 ? 7 : 100 + i % 1800;
    blob("svo" + std::to_string(p) + "/map.txt", "map " + std::to_string(p) + " version " + std::to_string(i) + "\n");
  }
  WriteFileAtomically(dir + "import.txt", script);
  if (!Run(std::string(kGit) + "-C " + dir + " init -q && " + kGit + "-C " + dir +
           " fast-import --quiet < " + dir + "import.txt && " + kGit + "-C " + dir + " checkout -q main"))
    dir.clear();
  return dir;
}

void HistoryOfPassport(benchmark::State& state) {
  const std::string& dir = HistoryRepo();
  if (dir.empty()) {
    state.SkipWithError("the git program could not make the repository");
    return;
  }
  const TDbRepository repo = TDbRepository::OpenExisting(dir);
  const std::string git = "git -C " + dir + " log --format=%H -- svo7 > /dev/null";
  double floorMs = 0;
  std::size_t versions = 0;
  for (auto _ : state) {
    auto t0 = TClock::now();
    versions = PassportHistory(repo, "svo7").size();
    auto t1 = TClock::now();
    Run(git);
    auto t2 = TClock::now();
    state.SetIterationTime(std::chrono::duration<double>(t1 - t0).count());
    floorMs += Ms(t2 - t1);
  }
  state.counters["floor_ms"] = floorMs / static_cast<double>(state.iterations());
  state.counters["versions"] = static_cast<double>(versions);
}

// Twin clones of one shared 2 000-passport database (each with its own bare
// repository); each round another engineer sends 10 changed passports to
// both, then 10 others are changed in both clones: svpass syncs one, the git
// program adds, commits, pulls and pushes the other.
void SyncDatabase(benchmark::State& state) {
  const std::string dir = Scratch("sync");
  const std::string seed = dir + "seed/";
  fs::create_directories(seed);
  SmallDatabase(seed, 2000);
  bool ok = Run(std::string(kGit) + "-C " + seed + " init -q && " + kGit + "-C " + seed + " add -A && " + kGit + "-C " +
                seed + " commit -qm seed");
  for (const char* side : {"mine", "git"}) {
    const std::string s = side;
    ok = ok && Run(std::string(kGit) + "clone -q --bare " + seed + " " + dir + s + ".git") &&
         Run(std::string(kGit) + "clone -q " + dir + s + ".git " + dir + s) &&
         Run(std::string(kGit) + "clone -q " + dir + s + ".git " + dir + s + "-other");
  }
  if (!ok) {
    state.SkipWithError("the git program could not make the clones");
    return;
  }
  TSyncOptions options;
  options.Record.Author = {"bench", "bench@example.org"};
  double floorMs = 0;
  int round = 0;
  for (auto _ : state) {
    ++round;
    for (const char* side : {"mine", "git"}) {
      const std::string other = dir + side + "-other/";
      for (int k = 0; k < 10; ++k)
        WriteFileAtomically(other + "svo" + std::to_string(1000 + k) + "/map.txt", "other " + std::to_string(round) + "\n");
      Run(std::string(kGit) + "-C " + other + " commit -qam other && " + kGit + "-C " + other + " push -q origin HEAD");
      for (int k = 0; k < 10; ++k)
        WriteFileAtomically(dir + side + "/svo" + std::to_string(1 + k) + "/map.txt", "mine " + std::to_string(round) + "\n");
    }
    auto t0 = TClock::now();
    DbSync(dir + "mine", options);
    auto t1 = TClock::now();
    Run(std::string(kGit) + "-C " + dir + "git add -A && " + kGit + "-C " + dir + "git commit -qm mine && " + kGit +
        "-C " + dir + "git pull -q --no-rebase --no-edit && " + kGit + "-C " + dir + "git push -q");
    auto t2 = TClock::now();
    // The other engineers take what was sent, untimed.
    for (const char* side : {"mine", "git"})
      Run(std::string(kGit) + "-C " + dir + side + "-other pull -q --no-rebase --no-edit");
    state.SetIterationTime(std::chrono::duration<double>(t1 - t0).count());
    floorMs += Ms(t2 - t1);
  }
  state.counters["floor_ms"] = floorMs / static_cast<double>(state.iterations());
}

}  // namespace

BENCHMARK(SaveVersioned)
    ->Name("save_versioned")
    ->Args({1000, 10, 0})
    ->Args({1000, 10, 1})
    ->Args({1000, 2000, 0})
    ->Args({1000, 2000, 1})
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(HistoryOfPassport)->Name("history_1000_versions")->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(SyncDatabase)->Name("sync_2000_passports")->UseManualTime()->Iterations(10)->Unit(benchmark::kMillisecond);

// Publishing a database as a web site against its floor: the same
// passports read and their schemes written as SVG files alone. And
// publishing again with ten passports changed against publishing those ten
// alone (--only). The database: kWebPassports generated passports of
// kWebItems items each (SVPASS_BENCH_WEB_N passports when set), written
// once into the temporary directory; the sites go to /dev/shm.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>

#include "gen/PassportGenerator.h"
#include "model/SVObject.h"
#include "model/SchemeColors.h"
#include "plan/SVInfo.h"
#include "platform/ProgramDir.h"
#include "platform/TextFile.h"
#include "platform/TextMeasure.h"
#include "store/FolderStore.h"
#include "store/OpenPassport.h"
#include "svg/SvgCanvas.h"
#include "view/SchemeView.h"
#include "web/PassportPage.h"
#include "web/SitePublisher.h"

namespace fs = std::filesystem;

namespace {

constexpr int kWebItems = 1000;
constexpr int kChanged = 10;

int PassportCount() {
  const char* n = std::getenv("SVPASS_BENCH_WEB_N");
  return n ? std::max(kChanged, std::atoi(n)) : 1000;
}

const std::string& WebDatabase() {
  static const std::string db = [] {
    // The exported tables start from the program's own template.
    LocateProgramHome(ExecutableDir());
    const int n = PassportCount();
    const std::string dir =
        (fs::temp_directory_path() / ("svpass-bench-web-" + std::to_string(n) + "x" + std::to_string(kWebItems)))
            .string() + "/";
    for (int i = 1; i <= n; ++i) {
      const std::string p = dir + "svo" + std::to_string(i) + "/";
      if (fs::exists(p + "map.txt")) continue;
      fs::create_directories(p);
      if (!WriteGeneratedPassport(p, TGeneratorOptions{kWebItems, static_cast<std::uint64_t>(i)})) std::abort();
    }
    return dir;
  }();
  return db;
}

std::shared_ptr<TPassportStore> Store() { return std::make_shared<TFolderStore>(WebDatabase()); }

TPublishReport Publish(const std::string& out, std::vector<std::string> only = {}) {
  TPublishOptions options;
  options.Out = out;
  options.Only = std::move(only);
  return PublishSite(Store(), options);
}

// Changes the information of the first ten passports, differently each
// time, this run or an earlier one.
std::vector<std::string> ChangeTen() {
  const auto round = std::chrono::steady_clock::now().time_since_epoch().count();
  std::vector<std::string> ids;
  for (int i = 1; i <= kChanged; ++i) {
    const std::string id = "svo" + std::to_string(i);
    const std::string dir = WebDatabase() + id + "/";
    TLoadedPassport p = OpenPassportDir(dir, TReadMessages::Kept);
    p.Scheme->Info->Address2 = "изменение " + std::to_string(round);
    WriteFileAtomically(dir + "info.txt", p.Scheme->Info->SavedBytes());
    ids.push_back(id);
  }
  return ids;
}

// The floor: each passport read as publishing reads it and its scheme
// written as the page's SVG picture, nothing else.
void WebSvgFloor(benchmark::State& state) {
  const std::string out = "/dev/shm/svpass-bench-web-svg/";
  fs::create_directories(out);
  const auto store = Store();
  const std::vector<std::string> ids = store->List().Passports;
  TApproxTextMeasure measure;
  for (auto _ : state) {
    for (const std::string& id : ids) {
      TLoadedPassport p = OpenPassport(store, id, TMissingFile::ReadEmpty, TReadMessages::Kept);
      WriteFileAtomically(out + id + ".svg", PassportSchemeSvg(*p.Scheme, measure));
    }
  }
  state.counters["passports"] = static_cast<double>(ids.size());
  fs::remove_all(out);
}

void WebPublishAll(benchmark::State& state) {
  const std::string out = "/dev/shm/svpass-bench-web-site";
  for (auto _ : state) {
    state.PauseTiming();
    fs::remove_all(out);
    state.ResumeTiming();
    if (Publish(out).Written.empty()) state.SkipWithError("nothing published");
  }
  fs::remove_all(out);
}

void WebRepublishTen(benchmark::State& state) {
  const std::string out = "/dev/shm/svpass-bench-web-again";
  Publish(out);
  for (auto _ : state) {
    state.PauseTiming();
    ChangeTen();
    state.ResumeTiming();
    if (Publish(out).Written.size() != kChanged) state.SkipWithError("not ten written");
  }
  fs::remove_all(out);
}

void WebPublishOnlyTen(benchmark::State& state) {
  const std::string out = "/dev/shm/svpass-bench-web-only";
  Publish(out);
  for (auto _ : state) {
    state.PauseTiming();
    const std::vector<std::string> ids = ChangeTen();
    state.ResumeTiming();
    if (Publish(out, ids).Written.size() != kChanged) state.SkipWithError("not ten written");
  }
  fs::remove_all(out);
}

}  // namespace

BENCHMARK(WebSvgFloor)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(WebPublishAll)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(WebRepublishTen)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(WebPublishOnlyTen)->Unit(benchmark::kMillisecond)->Iterations(5);

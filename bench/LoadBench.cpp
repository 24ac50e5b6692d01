// Reading and writing passports: LoadAll of info.txt and map.txt against
// the floor of reading the same files and converting every number in them,
// and writing the map back.
#include <benchmark/benchmark.h>

#include <charconv>
#include <filesystem>

#include "BenchSupport.h"
#include "platform/Messages.h"
#include "platform/TextFile.h"

namespace {

void LoadPassport(benchmark::State& state) {
  const int items = static_cast<int>(state.range(0));
  const std::string& dir = PassportDir(items);
  TMessageCapture messages;
  StartHeapCount();
  {
    TSVObject scheme(dir);
    scheme.LoadAll();
    state.counters["kept_B_per_item"] = static_cast<double>(HeapNow()) / items;
    state.counters["peak_B_per_item"] = static_cast<double>(HeapPeak()) / items;
  }
  StopHeapCount();
  for (auto _ : state) {
    auto scheme = std::make_unique<TSVObject>(dir);
    scheme->LoadAll();
    benchmark::DoNotOptimize(scheme.get());
    state.PauseTiming();
    scheme.reset();
    state.ResumeTiming();
  }
  if (!messages.Messages.empty()) state.SkipWithError(messages.Messages.front().Text.c_str());
}

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == 0; }

// Every blank-separated token that is a number, converted and summed.
double SumOfNumbers(const std::string& bytes) {
  double sum = 0;
  const char* p = bytes.data();
  const char* end = p + bytes.size();
  while (p < end) {
    while (p < end && IsBlank(*p)) ++p;
    const char* start = p;
    while (p < end && !IsBlank(*p)) ++p;
    double v = 0;
    const auto res = std::from_chars(start, p, v);
    if (res.ec == std::errc() && res.ptr == p) sum += v;
  }
  return sum;
}

void LoadFloor(benchmark::State& state) {
  const std::string& dir = PassportDir(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    double sum = SumOfNumbers(ReadFileBytes(dir + "info.txt"));
    sum += SumOfNumbers(ReadFileBytes(dir + "map.txt"));
    benchmark::DoNotOptimize(sum);
  }
}

void SavePassport(benchmark::State& state) {
  TSVObject& scheme = LoadedPassport(static_cast<int>(state.range(0)));
  // On memory-backed storage where there is one, so the disk's flush does
  // not hide the program's own work.
  const std::filesystem::path base =
      std::filesystem::is_directory("/dev/shm") ? "/dev/shm" : std::filesystem::temp_directory_path();
  const std::string path = (base / ("svpass-bench-save-" + std::to_string(state.range(0)) + ".txt")).string();
  for (auto _ : state)
    if (!scheme.SaveMap(path)) state.SkipWithError("the map could not be written");
  std::filesystem::remove(path);
}

}  // namespace

BENCHMARK(LoadPassport)->Name("load")->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(LoadFloor)->Name("load_floor")->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(SavePassport)->Name("save")->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

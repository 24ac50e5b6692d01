// Comparing two large passports against reading one: a later version of a
// generated passport (2 % of its items moved, 2 % removed, 200 new ones) is
// compared with it, both read from their folders.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <map>

#include "BenchSupport.h"
#include "history/PassportDiff.h"
#include "history/PassportFolder.h"
#include "model/SVItem.h"
#include "platform/Messages.h"
#include "platform/TextFile.h"

namespace {

std::string Entry(TSVItem& item) {
  TTextWriter w;
  w.WriteIntLine(item.TypeCode);
  item.SaveToText(w);
  return w.Bytes();
}

// The entry with its first point 7 units to the right.
std::string Moved(const std::string& entry) {
  std::size_t start = entry.find("\r\n") + 2;
  while (start < entry.size()) {
    const std::size_t end = entry.find("\r\n", start);
    const std::string line = entry.substr(start, end - start);
    const std::size_t blank = line.find(' ');
    if (blank != std::string::npos && line.find(' ', blank + 1) == std::string::npos) {
      char* stop = nullptr;
      const double x = std::strtod(line.c_str(), &stop);
      if (stop == line.c_str() + blank)
        return entry.substr(0, start) + std::to_string(x + 7) + line.substr(blank) + entry.substr(end);
    }
    start = end + 2;
  }
  return entry;
}

const std::string& LaterVersion(int items) {
  static std::map<int, std::string> dirs;
  auto it = dirs.find(items);
  if (it != dirs.end()) return it->second;
  const std::string dir =
      (std::filesystem::temp_directory_path() / ("svpass-bench-later-" + std::to_string(items))).string() + "/";
  std::filesystem::create_directories(dir);
  std::string map;
  int n = 0;
  TSVObject& scheme = LoadedPassport(items);
  for (int layer = 1; layer <= kLayerCount; ++layer)
    for (const auto& item : scheme.Layer(layer).Items()) {
      ++n;
      if (n % 50 == 0) continue;
      map += n % 50 == 25 ? Moved(Entry(*item)) : Entry(*item);
    }
  TSVObject& other = LoadedPassport(200);
  for (int layer = 1; layer <= kLayerCount; ++layer)
    for (const auto& item : other.Layer(layer).Items()) map += Entry(*item);
  WriteFileAtomically(dir + "map.txt", map);
  WriteFileAtomically(dir + "info.txt", ReadFileBytes(PassportDir(items) + "info.txt"));
  return dirs.emplace(items, dir).first->second;
}

void DiffPassportsBench(benchmark::State& state) {
  const int items = static_cast<int>(state.range(0));
  const std::string& earlier = PassportDir(items);
  const std::string& later = LaterVersion(items);
  TMessageCapture messages;
  std::size_t differences = 0;
  for (auto _ : state) {
    TPassportFiles a, b;
    std::string error;
    if (!ReadPassportFolder(earlier, a, error) || !ReadPassportFolder(later, b, error)) state.SkipWithError(error.c_str());
    const TPassportDiff diff = DiffPassports(a, b);
    differences = diff.Scheme.Added.size() + diff.Scheme.Removed.size() + diff.Scheme.Changed.size();
    benchmark::DoNotOptimize(differences);
  }
  state.counters["differences"] = static_cast<double>(differences);
}

}  // namespace

BENCHMARK(DiffPassportsBench)->Name("diff")->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

// map.txt read, written, read and written again: whatever was read must be
// written so that it reads back without a message to the same entries, and
// the second write must give the same stored lines as the first.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "FuzzSupport.h"
#include "model/SVObject.h"
#include "platform/TextFile.h"

namespace {

struct TEntry {
  std::uint32_t Code;
  std::string Lines;
};

// Every item's stored lines, layer by layer, oldest first.
std::vector<TEntry> Entries(TSVObject& scheme) {
  std::vector<TEntry> entries;
  for (int n = 1; n <= kLayerCount; ++n)
    for (const auto& item : scheme.Layer(n).Items()) {
      TTextWriter w;
      item->SaveToText(w);
      entries.push_back(TEntry{item->TypeCode, w.Bytes()});
    }
  return entries;
}

void Compare(const std::vector<TEntry>& a, const std::vector<TEntry>& b) {
  if (a.size() != b.size())
    FuzzFail("the scheme read back holds " + std::to_string(b.size()) + " items instead of " +
             std::to_string(a.size()));
  for (std::size_t i = 0; i < a.size(); ++i)
    if (a[i].Code != b[i].Code || a[i].Lines != b[i].Lines)
      FuzzFail("item " + std::to_string(i) + " (type " + std::to_string(a[i].Code) + ") reads back as:\n" + b[i].Lines +
               "\ninstead of:\n" + a[i].Lines);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  Messages();
  for (const char* name : {"svo1", "svo2", "svo3"}) WriteFile(ScratchDir(name) + "info.txt", FixedInfoBytes());
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string& first = ScratchDir("svo1");
  const std::string& second = ScratchDir("svo2");
  WriteFile(first + "map.txt", data, size);
  Messages().Reset();
  TSVObject loaded(first);
  loaded.LoadAll();
  const std::vector<TEntry> entries = Entries(loaded);
  if (!loaded.SaveMap(second + "map.txt")) FuzzFail("the scheme could not be written: " + Messages().Last);

  Messages().Reset();
  TSVObject reloaded(second);
  reloaded.LoadAll();
  if (Messages().Infos + Messages().Errors > 0)
    FuzzFail("a written scheme reads back with a message: " + Messages().Last);
  Compare(entries, Entries(reloaded));

  const std::string& third = ScratchDir("svo3");
  if (!reloaded.SaveMap(third + "map.txt")) FuzzFail("the scheme read back could not be written");
  if (ReadFile(second + "map.txt") != ReadFile(third + "map.txt"))
    FuzzFail("a scheme written, read and written again changes its file");
  return 0;
}

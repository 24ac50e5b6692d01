// info.txt of a passport: read, run through the phase clock as the phase
// display does, and written back. A file that was read whole must write a
// form that reads back without a message to the same information, and from
// then on be written back byte for byte.
#include <algorithm>
#include <cstddef>
#include <cstdint>

#include "FuzzSupport.h"
#include "model/SVObject.h"
#include "plan/SVInfo.h"
#include "plan/SVtime.h"

namespace {

// Blanks and control characters before a line end: what trimming removes.
std::string WithoutLineEndBlanks(const std::string& bytes) {
  std::string out;
  for (const char c : bytes) {
    if (c == '\r' || c == '\n')
      while (!out.empty() && out.back() != '\r' && out.back() != '\n' &&
             static_cast<unsigned char>(out.back()) <= ' ')
        out.pop_back();
    out += c;
  }
  return out;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  Messages();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string& dir = ScratchDir("svo1");
  WriteFile(dir + "info.txt", data, size);
  Messages().Reset();
  TSVObject scheme(dir);
  const bool whole = scheme.Info->LoadAll();
  TSVInfo& info = *scheme.Info;

  info.AddressText();
  info.ObjectNumber();
  for (int program = 0; program < 3; ++program) {
    scheme.Time->Program = static_cast<std::uint8_t>(program);
    scheme.Time->SetPhase(1);
    // Two turns of the first few phases, every direction's colours on the way.
    const int steps = 2 * std::min<int>(info.PhaseCount, 8) + 2;
    for (int step = 0; step < steps; ++step) {
      scheme.CopyTimingToDirections();
      for (int i = 1; i <= info.Directions.Count; ++i) {
        const TSVNapr* napr = info.Directions.Item(i);
        napr->SignalColor();
        napr->IsGreenNow();
      }
      scheme.Time->Tick(3.5);
    }
  }
  for (int i = 1; i <= std::min<int>(info.Directions.Count, 16); ++i) {
    const TSVNapr* napr = info.Directions.Item(i);
    napr->PhaseListText();
    info.Directions.findNapr(napr->Name);
  }
  if (!whole) return 0;

  const std::string saved = info.SavedBytes();
  const std::string& other = ScratchDir("svo2");
  WriteFile(other + "info.txt", saved);
  Messages().Reset();
  TSVObject again(other);
  if (!again.Info->LoadAll()) FuzzFail("written information does not read back: " + Messages().Last);
  if (Messages().Infos + Messages().Errors > 0)
    FuzzFail("written information reads back with a message: " + Messages().Last);
  // A direction name is trimmed and then cut to five characters, so it may
  // end in a blank or control character that the next reading trims;
  // nothing else may change.
  const std::string resaved = again.Info->SavedBytes();
  if (WithoutLineEndBlanks(resaved) != WithoutLineEndBlanks(saved))
    FuzzFail("written information reads back as other information");
  WriteFile(other + "info.txt", resaved);
  TSVObject third(other);
  third.Info->LoadAll();
  if (third.Info->SavedBytes() != resaved) FuzzFail("information written twice changes when written again");
  return 0;
}

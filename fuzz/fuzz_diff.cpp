// The comparison over edits made by hostile scripts: a passport is edited
// by one scripted session, saved (A), edited further and saved again (B).
// A passport compared with itself shows nothing; A and B show nothing
// exactly when they store the same items (in any order) and the same
// information; per layer and type, added less removed is the change of the
// item count; B against A swaps the added and the removed items and both
// sides of every changed pair.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "FuzzSupport.h"
#include "ScriptBytes.h"
#include "edit/EditScript.h"
#include "edit/EditSession.h"
#include "gen/PassportGenerator.h"
#include "history/PassportDiff.h"
#include "model/SVObject.h"
#include "plan/SVInfo.h"
#include "platform/TextFile.h"

namespace {

// What a passport stores, independent of the order of the items: per layer
// the sorted list of entries (type code and stored bytes).
std::map<int, std::vector<std::string>> Content(const TPassportFiles& files) {
  TSVObject scheme("svo1");
  scheme.Info->FileName = "svo1/info.txt";
  scheme.LoadFrom([&] { return files.info; }, [&] { return files.map; });
  std::map<int, std::vector<std::string>> content;
  for (int n = 1; n <= kLayerCount; ++n) {
    content[n] = LayerEntries(scheme, n);
    std::sort(content[n].begin(), content[n].end());
  }
  return content;
}

using TCounts = std::map<std::pair<int, std::uint32_t>, long>;

TCounts Counts(const std::map<int, std::vector<std::string>>& content) {
  TCounts counts;
  for (const auto& [layer, entries] : content)
    for (const std::string& e : entries) ++counts[{layer, static_cast<std::uint32_t>(std::stoul(e))}];
  return counts;
}

std::string Text(const TDiffItem& item) {
  std::string s = std::to_string(item.Layer) + "/" + std::to_string(item.Type);
  for (const std::string& l : item.Lines) s += "|" + l;
  return s;
}

std::vector<std::string> Texts(const std::vector<TDiffItem>& items) {
  std::vector<std::string> out;
  for (const TDiffItem& i : items) out.push_back(Text(i));
  return out;
}

std::vector<std::string> Pairs(const std::vector<TChangedItem>& changed, bool swapped) {
  std::vector<std::string> out;
  for (const TChangedItem& c : changed)
    out.push_back(swapped ? Text(c.After) + " <- " + Text(c.Before) : Text(c.Before) + " <- " + Text(c.After));
  std::sort(out.begin(), out.end());
  return out;
}

TPassportFiles Saved(const std::string& dir) {
  return {"svo1", ReadFile(dir + "map.txt"), ReadFile(dir + "info.txt")};
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 3) return 0;
  Messages();
  const std::string& dir = ScratchDir("diff");
  // The start: an empty scheme or a small generated one.
  const int items = data[0] % 4 == 0 ? 0 : data[0] % 64;
  if (items == 0) {
    WriteFile(dir + "info.txt", FixedInfoBytes());
    WriteFile(dir + "map.txt", std::string());
  } else if (!WriteGeneratedPassport(dir, TGeneratorOptions{items, data[1]})) {
    FuzzFail("the generated passport could not be written");
  }
  // The rest of the bytes: the first script up to the split, the second after.
  const std::size_t split = 2 + (size - 2) * data[1] / 256;
  TPassportFiles a, b;
  {
    TSVObject scheme(dir);
    scheme.LoadAll();
    TNullCanvas canvas;
    TScriptDialogHost host;
    TEditSession session(scheme, host);
    session.SetCanvas(&canvas, 1000, 700);
    session.Prepare();
    session.Show();
    TEditScriptRunner runner(scheme, session, host, TScriptEnv{});
    std::string error;
    const auto run = [&](const std::uint8_t* from, std::size_t n) {
      TBytes bytes(from, n);
      for (int line = 1; !bytes.Empty() && line < 1000; ++line) runner.RunLine(line, NextLine(bytes), error);
      session.Key(TEditKey::Esc);
      if (!session.Save()) FuzzFail("the editor could not save");
    };
    run(data + 2, split - 2);
    a = Saved(dir);
    run(data + split, size - split);
    b = Saved(dir);
  }

  if (!IsEmpty(DiffPassports(a, a))) FuzzFail("a passport differs from itself");
  const TPassportDiff ab = DiffPassports(a, b);
  const TPassportDiff ba = DiffPassports(b, a);
  const auto contentA = Content(a), contentB = Content(b);
  if (a.info == b.info && IsEmpty(ab) != (contentA == contentB))
    FuzzFail(IsEmpty(ab) ? "different schemes compare equal" : "equal schemes compare different:\n" + DiffToJson(ab));
  if (a.info == b.info && !ab.Info.empty()) FuzzFail("equal information compares different");

  TCounts change = Counts(contentB);
  for (const auto& [key, n] : Counts(contentA)) change[key] -= n;
  for (const TDiffItem& i : ab.Scheme.Added) --change[{i.Layer, i.Type}];
  for (const TDiffItem& i : ab.Scheme.Removed) ++change[{i.Layer, i.Type}];
  for (const auto& [key, n] : change)
    if (n != 0)
      FuzzFail("layer " + std::to_string(key.first) + " type " + std::to_string(key.second) +
               ": added less removed is not the change of the count");
  for (const TChangedItem& c : ab.Scheme.Changed)
    if (c.Before.Layer != c.After.Layer || c.Before.Type != c.After.Type)
      FuzzFail("a changed pair joins items of different layers or types");

  if (Texts(ba.Scheme.Added) != Texts(ab.Scheme.Removed) || Texts(ba.Scheme.Removed) != Texts(ab.Scheme.Added))
    FuzzFail("B against A does not swap the added and the removed items");
  if (Pairs(ba.Scheme.Changed, true) != Pairs(ab.Scheme.Changed, false))
    FuzzFail("B against A does not swap the changed pairs");
  if (ab.Info.size() != ba.Info.size()) FuzzFail("B against A names other fields");
  for (std::size_t i = 0; i < ab.Info.size(); ++i)
    if (ab.Info[i].Path != ba.Info[i].Path || ab.Info[i].Before != ba.Info[i].After ||
        ab.Info[i].After != ba.Info[i].Before)
      FuzzFail("B against A does not swap the field " + ab.Info[i].Path);
  return 0;
}

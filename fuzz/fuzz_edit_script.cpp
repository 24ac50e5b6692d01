// A session of the scheme editor from hostile bytes: each few bytes become
// one scripted event (a tool, a click, a move, a key, a dialog answer, a
// command) on a passport. Nothing may crash, a placement never holds more
// than 100 points, and what the editor saves reads back to the same entries.
#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "FuzzSupport.h"
#include "ScriptBytes.h"
#include "edit/EditScript.h"
#include "edit/EditSession.h"
#include "model/SVObject.h"
#include "platform/TextFile.h"

namespace {

std::vector<std::string> Entries(TSVObject& scheme) {
  std::vector<std::string> entries;
  for (int n = 1; n <= kLayerCount; ++n)
    for (std::string& e : LayerEntries(scheme, n)) entries.push_back(std::move(e));
  return entries;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Messages();
  const std::string& dir = ScratchDir("edit");
  WriteFile(dir + "info.txt", FixedInfoBytes());
  WriteFile(dir + "map.txt", std::string());
  TSVObject scheme(dir);
  scheme.LoadAll();
  TNullCanvas canvas;
  TScriptDialogHost host;
  {
    TEditSession session(scheme, host);
    session.SetCanvas(&canvas, 1000, 700);
    session.Prepare();
    session.Show();
    TEditScriptRunner runner(scheme, session, host, TScriptEnv{});
    TBytes bytes(data, size);
    std::string error;
    for (int line = 1; !bytes.Empty() && line < 2000; ++line) {
      runner.RunLine(line, NextLine(bytes), error);
      if (session.PointCount() > kMaxPlacePoints) FuzzFail("a placement holds more than 100 points");
    }
    session.Key(TEditKey::Esc);
    if (!session.Save()) FuzzFail("the editor could not save");
  }
  const std::vector<std::string> saved = Entries(scheme);
  TSVObject loaded(dir);
  loaded.LoadAll();
  const std::vector<std::string> back = Entries(loaded);
  if (back.size() != saved.size())
    FuzzFail("the saved scheme reads back with " + std::to_string(back.size()) + " items instead of " +
             std::to_string(saved.size()));
  for (std::size_t i = 0; i < saved.size(); ++i)
    if (back[i] != saved[i])
      FuzzFail("item " + std::to_string(i) + " reads back as\n" + back[i] + "\ninstead of\n" + saved[i]);
  return 0;
}

// dump: the passport information and the signal plan at one moment of the
// phase clock, as one JSON object.
#include <cstdio>
#include <iostream>
#include <optional>

#include "Commands.h"
#include "CliArgs.h"
#include "CliMessages.h"
#include "json/Json.h"
#include "Output.h"
#include "json/PassportJson.h"
#include "Usage.h"
#include "json/SchemeJson.h"
#include "model/SVObject.h"
#include "plan/SVInfo.h"
#include "plan/SVtime.h"
#include "platform/Messages.h"
#include "platform/TextFile.h"
#include "store/OpenPassport.h"

namespace {

struct TDumpArgs {
  std::string Dir;
  std::optional<int> Phase;
  std::optional<int> Program;
  std::optional<double> Remaining;
  bool Strict = false;
};

bool ParseArgs(const TArgs& args, TDumpArgs& out, std::string& why) {
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    const bool hasValue = i + 1 < args.size();
    if (a == "--phase") {
      if (!hasValue || !ParseInt(args[++i], 1, 255, out.Phase)) return BadValue(why, args, hasValue ? i - 1 : i, "a phase, 1 to 255");
    } else if (a == "--program") {
      if (!hasValue || !ParseInt(args[++i], 0, 2, out.Program)) return BadValue(why, args, hasValue ? i - 1 : i, "0, 1 or 2");
    } else if (a == "--remaining") {
      if (!hasValue || !ParseRemaining(args[++i], out.Remaining)) return BadValue(why, args, hasValue ? i - 1 : i, kRemainingRange);
    } else if (a == "--strict") {
      out.Strict = true;
    } else if (a.rfind("--", 0) == 0 || !out.Dir.empty()) {
      return false;
    } else {
      out.Dir = a;
    }
  }
  return !out.Dir.empty();
}

}  // namespace


int CmdDump(const TArgs& args) {
  TDumpArgs a;
  std::string why;
  if (!ParseArgs(args, a, why)) return UsageError("dump", why);
  if (!PassportDirReadable("dump", a.Dir)) return 1;
  std::string dir = a.Dir;
  if (dir.back() != '/' && dir.back() != '\\') dir += '/';

  // Loaded as the viewer loads it: the information, then the scheme, then
  // the clock set to the phase and program asked for.
  TCliMessages messages;
  TLoadedPassport passport = OpenPassportDir(dir);
  TSVObject& scheme = *passport.Scheme;
  if (StoppedAsStrict("dump", a.Dir, a.Strict, messages)) return 1;
  if (!PhaseOfPassport(a.Phase, *scheme.Info, why)) return UsageError("dump", why);
  TSVtime& time = *scheme.Time;
  time.SetPhase(a.Phase.value_or(1));
  if (a.Program) {
    time.Program = static_cast<std::uint8_t>(*a.Program);
    time.SetPhase(time.Phase);
  }
  if (a.Remaining) time.Remaining = *a.Remaining;
  scheme.CopyTimingToDirections();

  TJsonWriter json;
  json.BeginObject();
  WritePassportMembers(json, scheme);
  WriteMessages(json, messages.Messages);
  json.EndObject();
  return WriteOutput("dump", "-", json.Text() + '\n') ? 0 : 1;
}

// resave: reads a passport and writes its scheme (and, on request, its
// information) back out, in the form the program itself writes.
#include <filesystem>
#include <iostream>

#include "CliArgs.h"
#include "CliMessages.h"
#include "Commands.h"
#include "Output.h"
#include "Usage.h"
#include "model/SVObject.h"
#include "plan/SVInfo.h"
#include "platform/Messages.h"
#include "platform/ProgramDir.h"
#include "platform/TextFile.h"
#include "store/OpenPassport.h"

namespace {

struct TResaveArgs {
  std::string Dir;
  std::string Out;
  bool Info = false;
  bool Force = false;
  bool Strict = false;
};

bool ParseArgs(const TArgs& args, TResaveArgs& out, std::string& why) {
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "--out") {
      if (i + 1 >= args.size() || !out.Out.empty()) return BadValue(why, args, i, "the folder to write into, given once");
      out.Out = args[++i];
    } else if (a == "--info") {
      out.Info = true;
    } else if (a == "--force") {
      out.Force = true;
    } else if (a == "--strict") {
      out.Strict = true;
    } else if (a.rfind("--", 0) == 0 || !out.Dir.empty()) {
      return Unexpected(why, a, out.Dir);
    } else {
      out.Dir = a;
    }
  }
  if (out.Dir.empty()) return Missing(why, "the passport folder");
  if (out.Out.empty()) return Missing(why, "--out");
  return true;
}

}  // namespace

int CmdResave(const TArgs& args) {
  TResaveArgs a;
  std::string why;
  if (!ParseArgs(args, a, why)) return UsageError("resave", why);
  if (!PassportDirReadable("resave", a.Dir)) return 1;
  if (!OutputDirFree(a.Out, a.Force, why)) {
    CliError("resave") << why << '\n';
    return 1;
  }

  TCliMessages messages;
  TLoadedPassport passport = OpenPassportDir(a.Dir);
  TSVObject& scheme = *passport.Scheme;
  if (StoppedAsStrict("resave", a.Dir, a.Strict, messages)) return 1;
  std::error_code ec;
  std::filesystem::create_directories(a.Out, ec);
  if (!DirectoryExists(a.Out)) {
    CliError("resave") << "cannot create the output directory " << a.Out << '\n';
    return 1;
  }
  const std::string out = WithTrailingSep(a.Out);
  const std::size_t read = messages.Messages.size();
  // The two files are one passport: a map written without the info asked
  // for would leave a mismatched pair.
  TPartialFile map(FileExists(out + "map.txt") ? std::string() : out + "map.txt");
  if (!scheme.SaveMap(out + "map.txt")) return 1;
  if (a.Info) {
    scheme.Info->FileName = out + "info.txt";
    if (!scheme.Info->SaveAll()) return 1;
  }
  map.Keep();
  return messages.Messages.size() == read ? 0 : 1;
}

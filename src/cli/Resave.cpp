// resave: reads a passport and writes its scheme (and, on request, its
// information) back out, in the form the program itself writes.
#include <filesystem>
#include <iostream>

#include "CliMessages.h"
#include "Commands.h"
#include "Usage.h"
#include "model/SVObject.h"
#include "plan/SVInfo.h"
#include "platform/Messages.h"
#include "platform/ProgramDir.h"
#include "platform/TextFile.h"

namespace {

struct TResaveArgs {
  std::string Dir;
  std::string Out;
  bool Info = false;
};

bool ParseArgs(const TArgs& args, TResaveArgs& out) {
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "--out") {
      if (i + 1 >= args.size() || !out.Out.empty()) return false;
      out.Out = args[++i];
    } else if (a == "--info") {
      out.Info = true;
    } else if (a.rfind("--", 0) == 0 || !out.Dir.empty()) {
      return false;
    } else {
      out.Dir = a;
    }
  }
  return !out.Dir.empty() && !out.Out.empty();
}

}  // namespace

int CmdResave(const TArgs& args) {
  TResaveArgs a;
  if (!ParseArgs(args, a)) return UsageError("resave");
  if (!PassportDirReadable("resave", a.Dir)) return 1;
  std::error_code ec;
  std::filesystem::create_directories(a.Out, ec);
  if (!DirectoryExists(a.Out)) {
    CliError("resave") << "cannot create the output directory " << a.Out << '\n';
    return 1;
  }

  TCliMessages messages;
  TSVObject scheme(a.Dir);
  scheme.SetInfoFileName();
  scheme.LoadAll();
  const std::string out = WithTrailingSep(a.Out);
  bool ok = scheme.SaveMap(out + "map.txt");
  if (a.Info) {
    scheme.Info->FileName = out + "info.txt";
    ok = scheme.Info->SaveAll() && ok;
  }
  return ok && !messages.HadError ? 0 : 1;
}

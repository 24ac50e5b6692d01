// svpass-cli: the headless tool. Reads, checks, converts and renders passports
// without a window.
#include <cstring>
#include <iostream>
#include <map>

#include "Commands.h"
#include "platform/ProgramDir.h"

namespace {

int Usage() {
  std::cerr << "usage: svpass-cli <command> [arguments]\n"
               "commands:\n"
               "  dump <passport-dir> [--phase P] [--program K] [--remaining T]\n"
               "  resave <passport-dir> --out <dir> [--info]\n"
               "  generate --items N --seed S --out <dir>\n"
               "  export <passport-dir> --out FILE(.doc|.rtf|.pdf) [--print] [--sections LIST] [--word-visible]\n"
               "         [--commands-to LOG] [--open]\n"
               "  edit <passport-dir> --script FILE --out DIR [--size WxH] [--today YYYY-MM-DD]\n"
               "  check <passport-dir|database-dir> [--json]\n"
#ifdef SVPASS_HAVE_RENDER
               "  render <passport-dir> --out FILE.png [--width W --height H] [--phase P] [--program K]\n"
               "         [--remaining T] [--preset all|cable|tsrd|odd] [--look view|edit|print] [--sign-scale S]\n"
               "  print <passport-dir> --out FILE.pdf|FILE.png [--mode scheme|diagram|tram] [options]\n"
#endif
               ;
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  SetProgramDir(ExecutableDir());
  if (argc < 2) return Usage();
  const std::map<std::string, int (*)(const TArgs&)> commands = {
      {"dump", CmdDump},
      {"resave", CmdResave},
      {"generate", CmdGenerate},
      {"export", CmdExport},
      {"edit", CmdEdit},
      {"check", CmdCheck},
#ifdef SVPASS_HAVE_RENDER
      {"render", CmdRender},
      {"print", CmdPrint},
#endif
  };
  const auto it = commands.find(argv[1]);
  if (it == commands.end()) return Usage();
  const TArgs args(argv + 2, argv + argc);
  return it->second(args);
}

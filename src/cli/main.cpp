// svpass-cli: the headless tool. Reads, checks, converts and renders passports
// without a window.
#include <iostream>
#include <map>

#include "Batch.h"
#include "Commands.h"
#include "Output.h"
#include "Usage.h"
#include "platform/ProgramDir.h"

namespace {

int NoCommand(const std::vector<std::string>& names) {
  std::cerr << ToolHelp(names);
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  LocateProgramHome(ExecutableDir());
  const std::map<std::string, int (*)(const TArgs&)> commands = {
      {"dump", CmdDump},
      {"resave", CmdResave},
      {"generate", CmdGenerate},
      {"edit", CmdEdit},
      {"export", CmdExport},
      {"check", CmdCheck},
      {"summary", CmdSummary},
      {"publish", CmdPublish},
      {"diff", CmdDiff},
      {"db", CmdDb},
      {"history", CmdHistory},
      {"restore", CmdRestore},
#ifdef SVPASS_HAVE_RENDER
      {"render", CmdRender},
      {"print", CmdPrint},
#endif
  };
  // The tool's help lists the commands in the manual's order.
  std::vector<std::string> names;
  for (const TCommandUsage& u : CommandUsages())
    if (commands.count(u.Name)) names.push_back(u.Name);

  if (argc < 2) return NoCommand(names);
  const std::string first = argv[1];
  if (first == "--help" || first == "-h" || first == "help") {
    const TCommandUsage* topic = argc > 2 ? FindCommandUsage(argv[2]) : nullptr;
    std::cout << (topic && commands.count(topic->Name) ? CommandHelp(*topic) : ToolHelp(names));
    return CloseStandardOutput(first) ? 0 : 1;
  }
  if (first == "--version") {
    std::cout << VersionText();
    return CloseStandardOutput(first) ? 0 : 1;
  }
  const auto it = commands.find(first);
  if (it == commands.end()) {
    std::cerr << "svpass-cli: unknown command '" << first << "'\nTry 'svpass-cli --help'.\n";
    return 2;
  }
  TArgs args(argv + 2, argv + argc);
  if (const TCommandUsage* usage = FindCommandUsage(first)) {
    std::string unknown;
    switch (CheckArgs(*usage, args, unknown)) {
      case TArgsVerdict::Help:
        std::cout << CommandHelp(*usage);
        return CloseStandardOutput(first) ? 0 : 1;
      case TArgsVerdict::UnknownOption:
        CliError(first) << "unknown option '" << unknown << "'\nTry 'svpass-cli " << first << " --help'.\n";
        return 2;
      case TArgsVerdict::Run:
        break;
    }
  }
  if (const std::optional<int> code = RunOverDatabase(first, args)) {
    if (!CloseStandardOutput(first)) return *code != 0 ? *code : 1;
    return *code;
  }
  const int code = it->second(args);
  // What went to standard output must have arrived: a full disk behind a
  // redirection is a failure, not a success.
  // The check's 1 means warnings and diff's 1 a difference; their failures
  // to run are 2.
  if (!CloseStandardOutput(first)) return first == "check" || first == "diff" ? 2 : code != 0 ? code : 1;
  return code;
}

#pragma once
// How svpass-cli describes itself: the usage of every command in one table,
// the checks every command shares (help, unknown options) and the form of its
// error lines ("svpass-cli: COMMAND: TEXT" on stderr).
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "Commands.h"

struct TOptionUsage {
  const char* Name;
  // How many arguments follow the option (the first of them when it takes a
  // varying number).
  int Values;
};

struct TCommandUsage {
  const char* Name;
  const char* Synopsis;  // after "usage: svpass-cli "
  const char* Summary;   // one line, for the tool's own help
  const char* Details;   // the arguments, the options and the exit status
  std::vector<TOptionUsage> Options;
};

// Every command the tool has or is to have, in the order of the manual page.
const std::vector<TCommandUsage>& CommandUsages();
const TCommandUsage* FindCommandUsage(const std::string& name);

// The tool's help: usage and the given commands with their summaries.
std::string ToolHelp(const std::vector<std::string>& commands);
// "usage: svpass-cli NAME …" and the details.
std::string CommandHelp(const TCommandUsage& usage);
std::string VersionText();

// The first argument that asks for help ("--help" or "-h"), or that looks like
// an option the command does not know; values of known options are skipped.
enum class TArgsVerdict { Run, Help, UnknownOption };
TArgsVerdict CheckArgs(const TCommandUsage& usage, const TArgs& args, std::string& unknown);

// Starts an error line on stderr: "svpass-cli: COMMAND: ".
std::ostream& CliError(const std::string& command);
// The arguments of COMMAND are missing or wrong: says so with its synopsis on
// stderr and gives the exit status of a usage error, 2.
int UsageError(const std::string& command);
// The same for one argument: "svpass-cli: COMMAND: WHY" (WHY names the
// argument and the reason, "--width 10: at least 16"), then the pointer to
// the help; exit status 2.
int UsageError(const std::string& command, const std::string& why);
// Whether the passport directory can be read; when not, says so as the
// command's error (the command then exits with 1).
bool PassportDirReadable(const std::string& command, const std::string& dir);
// An output directory a command may write a passport into: one that does
// not exist yet or is empty; with --force (force) any directory. False with
// the reason otherwise.
bool OutputDirFree(const std::string& dir, bool force, std::string& why);

#pragma once
// The subcommands of svpass-cli. Each takes the arguments after its name and
// returns the process exit code.
#include <string>
#include <vector>

using TArgs = std::vector<std::string>;

int CmdDump(const TArgs& args);
int CmdResave(const TArgs& args);
int CmdGenerate(const TArgs& args);
int CmdExport(const TArgs& args);
int CmdEdit(const TArgs& args);
int CmdCheck(const TArgs& args);
int CmdSummary(const TArgs& args);
int CmdPublish(const TArgs& args);
int CmdDiff(const TArgs& args);
int CmdDb(const TArgs& args);
int CmdHistory(const TArgs& args);
int CmdRestore(const TArgs& args);
// Only in builds with the Qt canvas.
int CmdRender(const TArgs& args);
int CmdPrint(const TArgs& args);

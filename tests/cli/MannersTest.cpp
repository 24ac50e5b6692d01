#include <gtest/gtest.h>

#include <sys/wait.h>

#include <algorithm>
#include <cstdlib>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "TestSupport.h"

namespace {

using TRun = TToolRun;

TRun Cli(const std::string& args) { return RunTool(args); }

bool StartsWith(const std::string& s, const std::string& prefix) { return s.compare(0, prefix.size(), prefix) == 0; }

std::string Sample() { return "'" + SourcePath("data/Data/svo1") + "'"; }

// Every command the tool may offer, with the options its grammar names.
struct TCommand {
  std::string Name;
  std::vector<std::string> Options;
};
const std::vector<TCommand> kCommands = {
    {"dump", {"--phase", "--program", "--remaining", "--out", "--jobs"}},
    {"resave", {"--out", "--info"}},
    {"generate", {"--items", "--seed", "--out"}},
    {"render",
     {"--out", "--width", "--height", "--phase", "--program", "--remaining", "--preset", "--look", "--sign-scale",
      "--primitives", "--jobs"}},
    {"edit", {"--script", "--out", "--size", "--today"}},
    {"print",
     {"--out", "--mode", "--preset", "--phases", "--lengths", "--color", "--gray-border", "--no-date", "--date",
      "--title", "--paper", "--landscape", "--dpi", "--jobs", "--format"}},
    {"export", {"--out", "--print", "--sections", "--word-visible", "--commands-to", "--open", "--jobs", "--format"}},
    {"check", {"--json"}},
    {"summary", {"--csv", "--json"}},
    {"publish", {"--out", "--only", "--no-pdf"}},
    {"diff", {"--json", "--rev"}},
    {"db", {"--remote", "--prefer", "--json", "--message"}},
    {"history", {"--json"}},
    {"restore", {"--rev"}},
};

const TCommand* Known(const std::string& name) {
  for (const TCommand& c : kCommands)
    if (c.Name == name) return &c;
  return nullptr;
}

// The command names of the "Commands:" section of the tool's help: the first
// word of each indented line up to the next blank line.
std::vector<std::string> ListedCommands() {
  const TRun help = Cli("--help");
  std::istringstream in(help.Out);
  std::vector<std::string> names;
  std::string line;
  bool inSection = false;
  while (std::getline(in, line)) {
    if (line == "Commands:") {
      inSection = true;
    } else if (inSection) {
      if (line.empty()) break;
      std::istringstream words(line);
      std::string name;
      words >> name;
      names.push_back(name);
    }
  }
  return names;
}

}  // namespace

TEST(CliManners, TheToolsHelpListsEveryCommandItRunsAndNoneItDoesNot) {
  const std::vector<std::string> listed = ListedCommands();
  for (const char* always : {"dump", "resave", "generate"})
    EXPECT_NE(std::find(listed.begin(), listed.end(), always), listed.end()) << always;
  for (const std::string& name : listed) {
    EXPECT_NE(Known(name), nullptr) << "a command without a usage entry: " << name;
    // Each listed command is dispatched: asking it for help is no usage error.
    EXPECT_EQ(Cli(name + " --help").Code, 0) << name;
  }
  EXPECT_EQ(Cli("definitely-not-a-command --help").Code, 2);
}

TEST(CliManners, EveryCommandsHelpGoesToStandardOutputWithItsUsageOptionsAndExitStatus) {
  for (const std::string& name : ListedCommands()) {
    SCOPED_TRACE(name);
    const TCommand* command = Known(name);
    ASSERT_NE(command, nullptr);
    const TRun help = Cli(name + " --help");
    EXPECT_EQ(help.Code, 0);
    EXPECT_EQ(help.Err, "");
    EXPECT_TRUE(StartsWith(help.Out, "usage: svpass-cli " + name + " ")) << help.Out;
    for (const std::string& option : command->Options)
      EXPECT_NE(help.Out.find(option), std::string::npos) << "undocumented " << option;
    EXPECT_NE(help.Out.find("Exit status:"), std::string::npos);
    // The same text however help is asked for, also after other arguments.
    EXPECT_EQ(Cli(name + " -h").Out, help.Out);
    EXPECT_EQ(Cli("help " + name).Out, help.Out);
    const TRun late = Cli(name + " some/dir --help");
    EXPECT_EQ(late.Code, 0);
    EXPECT_EQ(late.Out, help.Out);
  }
}

TEST(CliManners, AnOptionACommandDoesNotKnowIsAUsageErrorNamedOnStandardError) {
  for (const std::string& name : ListedCommands()) {
    SCOPED_TRACE(name);
    const TRun run = Cli(name + " " + Sample() + " --no-such-option 5");
    EXPECT_EQ(run.Code, 2);
    EXPECT_EQ(run.Out, "");
    EXPECT_TRUE(StartsWith(run.Err, "svpass-cli: " + name + ": unknown option '--no-such-option'\n")) << run.Err;
    EXPECT_NE(run.Err.find("svpass-cli " + name + " --help"), std::string::npos) << run.Err;
  }
}

TEST(CliManners, ErrorsNameTheToolAndEndWithTheExitCodeOfTheirKind) {
  TTempDir tmp;
  WriteBytes(tmp.File("file"), "a file where a directory should be");
  struct TCase {
    std::string Args;
    int Code;
    std::string ErrStart;  // what standard error starts with
  };
  const std::vector<TCase> cases = {
      {"", 2, "usage: svpass-cli COMMAND [ARGUMENTS]\n"},
      {"frobnicate", 2, "svpass-cli: unknown command 'frobnicate'\n"},
      {"--frobnicate", 2, "svpass-cli: unknown command '--frobnicate'\n"},
      {"dump", 2, "svpass-cli: dump: missing or invalid arguments\nusage: svpass-cli dump <passport-dir>"},
      {"dump " + Sample() + " --phase 0", 2, "svpass-cli: dump: --phase 0: a phase, 1 to 255\n"},
      {"dump " + Sample() + " --program 3", 2, "svpass-cli: dump: --program 3: 0, 1 or 2\n"},
      {"resave " + Sample(), 2, "svpass-cli: resave: --out is missing\n"},
      {"generate --items 5 --seed 1", 2, "svpass-cli: generate: --out is missing\n"},
      {"dump '" + tmp.File("missing") + "'", 1,
       "svpass-cli: dump: cannot read the passport directory " + tmp.File("missing") + "\n"},
      {"resave '" + tmp.File("missing") + "' --out '" + tmp.File("out") + "'", 1,
       "svpass-cli: resave: cannot read the passport directory " + tmp.File("missing") + "\n"},
      {"resave " + Sample() + " --out '" + tmp.File("file/sub") + "'", 1,
       "svpass-cli: resave: cannot create the output directory " + tmp.File("file/sub") + "\n"},
      {"generate --items 5 --seed 1 --out '" + tmp.File("file/sub") + "'", 1,
       "svpass-cli: generate: cannot create the output directory " + tmp.File("file/sub") + "\n"},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Args);
    const TRun run = Cli(c.Args);
    EXPECT_EQ(run.Code, c.Code);
    EXPECT_EQ(run.Out, "");
    EXPECT_TRUE(StartsWith(run.Err, c.ErrStart)) << run.Err;
  }
}

TEST(CliManners, HelpAndVersionSucceedOnStandardOutput) {
  const TRun help = Cli("--help");
  EXPECT_EQ(help.Code, 0);
  EXPECT_EQ(help.Err, "");
  EXPECT_TRUE(StartsWith(help.Out, "usage: svpass-cli COMMAND [ARGUMENTS]\n")) << help.Out;
  EXPECT_EQ(Cli("-h").Out, help.Out);

  const TRun version = Cli("--version");
  EXPECT_EQ(version.Code, 0);
  EXPECT_EQ(version.Err, "");
  EXPECT_TRUE(std::regex_match(version.Out, std::regex("svpass-cli [0-9]+\\.[0-9]+(\\.[0-9]+)?\n"))) << version.Out;
}

TEST(CliManners, ANegativeValueOfAKnownOptionIsNotTakenForAnOption) {
  // Taken as the value of --remaining, and refused as a value (no time is
  // left below 0), not as an unknown option "-2.5".
  const TRun run = Cli("dump " + Sample() + " --remaining -2.5");
  EXPECT_EQ(run.Code, 2) << run.Err;
  EXPECT_TRUE(StartsWith(run.Err, "svpass-cli: dump: --remaining -2.5: seconds left in the phase, 0 or more\n"))
      << run.Err;
  const TRun zero = Cli("dump " + Sample() + " --remaining 0");
  EXPECT_EQ(zero.Code, 0) << zero.Err;
  EXPECT_NE(zero.Out.find("\"remaining\": 0"), std::string::npos);
}

TEST(CliManners, ARenderToTheDashGoesToStandardOutputAsAPngOfTheAskedSize) {
  const std::vector<std::string> listed = ListedCommands();
  if (std::find(listed.begin(), listed.end(), "render") == listed.end()) GTEST_SKIP() << "built without the canvas";
  const TRun run = Cli("render " + Sample() + " --out - --width 300 --height 70");
  ASSERT_EQ(run.Code, 0) << run.Err;
  ASSERT_GT(run.Out.size(), 24u);
  EXPECT_EQ(run.Out.substr(0, 8), std::string("\x89PNG\r\n\x1a\n", 8));
  // The header chunk: width and height as big-endian 32-bit numbers;
  // 300 = 0x012C and 70 = 0x46.
  EXPECT_EQ(run.Out.substr(12, 4), "IHDR");
  EXPECT_EQ(run.Out.substr(16, 8), std::string("\0\0\x01\x2C\0\0\0\x46", 8));
}

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>
#include <fstream>

#include "TestSupport.h"

namespace {

// Runs svpass-cli with the arguments; stderr goes to `errors`.
int RunCli(const std::string& arguments, const std::string& errors) {
  const int status = std::system((std::string(SVPASS_CLI) + " " + arguments + " 2>" + errors).c_str());
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

const std::string kMap = CrLf({"21", "1", "0 0", "notext", "1", "10 20", "110.5 20"});

}  // namespace

TEST(Resave, WritesTheSchemeAndOnRequestTheInformationIntoTheOutputDirectory) {
  TTempDir dir;
  WriteBytes(dir.File("map.txt"), CrLf({"1", "10 20", "110.5 20", "21", "1", "0 0", "notext"}));
  WriteBytes(dir.File("info.txt"), "");
  EXPECT_EQ(RunCli("resave " + dir.Path() + " --out " + dir.File("out"), dir.File("err.txt")), 0);
  EXPECT_EQ(ReadBytes(dir.File("out/map.txt")), kMap);
  EXPECT_FALSE(std::ifstream(dir.File("out/info.txt")).good());

  // The directory now holds a passport: written over only when asked to.
  EXPECT_EQ(RunCli("resave " + dir.Path() + " --out " + dir.File("out") + " --info", dir.File("err.txt")), 1);
  EXPECT_FALSE(std::ifstream(dir.File("out/info.txt")).good());
  EXPECT_EQ(RunCli("resave " + dir.Path() + " --out " + dir.File("out") + " --info --force", dir.File("err.txt")), 0);
  EXPECT_TRUE(std::ifstream(dir.File("out/info.txt")).good());
  EXPECT_EQ(ReadBytes(dir.File("err.txt")), "");
}

// A damaged passport is written as far as it reads, as every command treats
// it; --strict refuses it.
TEST(Resave, ReportsAReadErrorOnStderrAndFailsOnlyWhenStrict) {
  TTempDir dir;
  WriteBytes(dir.File("map.txt"), CrLf({"1", "10 20", "110.5 20", "99"}));
  WriteBytes(dir.File("info.txt"), "");
  EXPECT_EQ(RunCli("resave " + dir.Path() + " --out " + dir.File("strict") + " --strict", dir.File("err.txt")), 1);
  EXPECT_FALSE(std::ifstream(dir.File("strict/map.txt")).good());
  EXPECT_EQ(RunCli("resave " + dir.Path() + " --out " + dir.File("out"), dir.File("err.txt")), 0);
  const std::string errors = ReadBytes(dir.File("err.txt"));
  EXPECT_EQ(errors.rfind("error: В файле карты встретился неизвестный код типа объекта.", 0), 0u) << errors;
  EXPECT_EQ(ReadBytes(dir.File("out/map.txt")), CrLf({"1", "10 20", "110.5 20"}));
}

TEST(Resave, WithoutAnOutputDirectoryShowsTheUsage) {
  TTempDir dir;
  EXPECT_EQ(RunCli("resave " + dir.Path(), dir.File("err.txt")), 2);
  EXPECT_EQ(RunCli("resave --out " + dir.Path(), dir.File("err.txt")), 2);
}

// svpass-cli diff: its exit status as diff(1) gives it, and its two reports
// on a sample passport and a copy edited by hand.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "JsonReader.h"
#include "TestSupport.h"

namespace {

std::string Replaced(std::string bytes, const std::string& from, const std::string& to) {
  const std::size_t at = bytes.find(from);
  EXPECT_NE(at, std::string::npos) << from;
  return bytes.replace(at, from.size(), to);
}

// svo1 and its copy svo1 in another database: phase 1's main time of
// program I 30 → 31 s, the first building's first corner one unit right.
struct TPair {
  TTempDir Dir;
  std::string A, B;
  TPair() {
    A = Dir.Path() + "one/svo1";
    B = Dir.Path() + "two/svo1";
    std::filesystem::create_directories(A);
    std::filesystem::create_directories(B);
    const std::string info = ReadBytes(SourcePath("data/Data/svo1/info.txt"));
    const std::string map = ReadBytes(SourcePath("data/Data/svo1/map.txt"));
    WriteBytes(A + "/info.txt", info);
    WriteBytes(A + "/map.txt", map);
    WriteBytes(B + "/info.txt", Replaced(info, "\r\n12 30 25 20\r\n", "\r\n12 31 25 20\r\n"));
    WriteBytes(B + "/map.txt", Replaced(map, "21\r\n5\r\n130 70\r\n", "21\r\n5\r\n131 70\r\n"));
  }
};

std::string Q(const std::string& s) { return "'" + s + "'"; }

}  // namespace

TEST(DiffCli, JsonNamesEveryDifference) {
  TPair p;
  const TToolRun r = RunTool("diff " + Q(p.A) + " " + Q(p.B) + " --json");
  ASSERT_EQ(r.Code, 1) << r.Err;
  const TJson json = TJsonParser(r.Out).Parse();
  ASSERT_EQ(json["info"].Items.size(), 1u);
  EXPECT_EQ(json["info"][0]["path"].S, "/phases/0/tmain/0");
  EXPECT_EQ(json["info"][0]["before"].N, 30);
  EXPECT_EQ(json["info"][0]["after"].N, 31);
  EXPECT_TRUE(json["scheme"]["added"].Items.empty());
  EXPECT_TRUE(json["scheme"]["removed"].Items.empty());
  ASSERT_EQ(json["scheme"]["changed"].Items.size(), 1u);
  const TJson& before = json["scheme"]["changed"][0]["before"];
  const TJson& after = json["scheme"]["changed"][0]["after"];
  EXPECT_EQ(before["layer"].N, 1);
  EXPECT_EQ(before["type"].N, 21);
  EXPECT_EQ(after["type"].N, 21);
  ASSERT_EQ(before["lines"].Items.size(), after["lines"].Items.size());
  for (std::size_t i = 0; i < before["lines"].Items.size(); ++i)
    EXPECT_EQ(after["lines"][i].S, i == 1 ? "131 70" : before["lines"][i].S) << i;
  EXPECT_EQ(before["lines"][1].S, "130 70");
}

TEST(DiffCli, TextIsTheSummaryAndTheDifferences) {
  TPair p;
  const TToolRun r = RunTool("diff " + Q(p.A) + " " + Q(p.B));
  EXPECT_EQ(r.Code, 1) << r.Err;
  EXPECT_EQ(r.Out,
            "Фаза 1: основной такт программы I 30 → 31 с; схема: перемещено здание\n"
            "\nИнформация:\n"
            "  /phases/0/tmain/0: 30 → 31\n"
            "\nСхема:\n"
            "  ~ слой 1, тип 21: 5\n"
            "      строка 2: 130 70 → 131 70\n");
}

TEST(DiffCli, ExitStatus) {
  TPair p;
  TTempDir empty;
  const std::string bad = empty.Path() + "svo9";
  std::filesystem::create_directories(bad + "/map.txt");  // a folder where the file should be
  std::filesystem::create_directories(empty.Path() + "svo3");
  struct TCase {
    std::string Args;
    int Code;
    const char* Err;  // a part of standard error
  } cases[] = {
      {"diff " + Q(p.A) + " " + Q(p.A), 0, ""},
      {"diff " + Q(p.A) + " " + Q(p.A) + " --json", 0, ""},
      {"diff " + Q(p.A) + " " + Q(p.B), 1, ""},
      {"diff " + Q(p.A), 2, "two passport directories"},
      {"diff " + Q(p.A) + " " + Q(p.B) + " " + Q(p.B), 2, "two passport directories"},
      {"diff " + Q(p.A) + " " + Q(p.B) + " --rev", 2, "--rev needs a version"},
      {"diff " + Q(p.A) + " " + Q(p.B) + " --rev HEAD", 2, "one passport directory"},
      {"diff " + Q(p.A) + " " + Q(empty.Path() + "none"), 2, "no such passport directory"},
      {"diff " + Q(empty.Path() + "svo3") + " " + Q(p.A), 2, "not a passport"},
      // A folder where the scheme file should be is no file of a passport.
      {"diff " + Q(bad) + " " + Q(p.A), 2, "not a passport"},
  };
  for (const TCase& c : cases) {
    const TToolRun r = RunTool(c.Args);
    EXPECT_EQ(r.Code, c.Code) << c.Args << "\n" << r.Err;
    EXPECT_NE(r.Err.find(c.Err), std::string::npos) << c.Args << "\n" << r.Err;
  }
  EXPECT_EQ(RunTool("diff " + Q(p.A) + " " + Q(p.A)).Out, "Паспорта совпадают.\n");

  // A report that cannot be written is a failure, whether the passports
  // differ or not: never "equal" nor "different".
  for (const std::string& other : {p.A, p.B}) {
    const std::string err = empty.File("err");
    const std::string cmd = std::string("'") + SVPASS_CLI + "' diff " + Q(p.A) + " " + Q(other) + " >/dev/full 2>" + Q(err);
    const int status = std::system(cmd.c_str());
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 2) << other;
    EXPECT_NE(ReadBytes(err).find("cannot write standard output"), std::string::npos) << ReadBytes(err);
  }
}

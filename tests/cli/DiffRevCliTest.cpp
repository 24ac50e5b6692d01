// svpass-cli diff over the versions of one passport of a versioned database,
// and the versions' messages written in the comparison's words.
#include <gtest/gtest.h>

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

std::string Q(const std::string& s) { return "'" + s + "'"; }

// A versioned database of svo1 with two versions: the first as the sample
// has it, the second with phase 1's main time of program I 30 → 31 s and the
// first building's first corner 130 → 131; the working folder then moves the
// corner on to 133 without recording it.
struct TVersionedSample {
  TTempDir Dir;
  std::string Db, Passport, Info, Map;
  TVersionedSample() {
    Db = Dir.Path() + "db";
    Passport = Db + "/svo1";
    std::filesystem::create_directories(Passport);
    Info = ReadBytes(SourcePath("data/Data/svo1/info.txt"));
    Map = ReadBytes(SourcePath("data/Data/svo1/map.txt"));
    WriteBytes(Passport + "/info.txt", Info);
    WriteBytes(Passport + "/map.txt", Map);
    EXPECT_EQ(RunTool("db init " + Q(Db)).Code, 0);
    WriteBytes(Passport + "/info.txt", Replaced(Info, "\r\n12 30 25 20\r\n", "\r\n12 31 25 20\r\n"));
    WriteBytes(Passport + "/map.txt", Replaced(Map, "21\r\n5\r\n130 70\r\n", "21\r\n5\r\n131 70\r\n"));
    EXPECT_EQ(RunTool("db commit " + Q(Db)).Code, 0);
    WriteBytes(Passport + "/map.txt", Replaced(Map, "21\r\n5\r\n130 70\r\n", "21\r\n5\r\n133 70\r\n"));
  }
};

// The changed building's first point, as "x y", from one side of a change.
std::string FirstPoint(const TJson& item) { return item["lines"][1].S; }

}  // namespace

TEST(DiffRevCli, ComparesTwoVersionsAndAVersionWithTheWorkingFolder) {
  TVersionedSample s;
  const TToolRun versions = RunTool("diff " + Q(s.Passport) + " --rev HEAD~1 --rev HEAD --json");
  ASSERT_EQ(versions.Code, 1) << versions.Err;
  const TJson a = TJsonParser(versions.Out).Parse();
  ASSERT_EQ(a["info"].Items.size(), 1u);
  EXPECT_EQ(a["info"][0]["path"].S, "/phases/0/tmain/0");
  EXPECT_EQ(a["info"][0]["before"].N, 30);
  EXPECT_EQ(a["info"][0]["after"].N, 31);
  ASSERT_EQ(a["scheme"]["changed"].Items.size(), 1u);
  EXPECT_EQ(FirstPoint(a["scheme"]["changed"][0]["before"]), "130 70");
  EXPECT_EQ(FirstPoint(a["scheme"]["changed"][0]["after"]), "131 70");
  EXPECT_TRUE(a["scheme"]["added"].Items.empty());
  EXPECT_TRUE(a["scheme"]["removed"].Items.empty());

  // One --rev: that version against the working folder, which kept the time.
  const TToolRun working = RunTool("diff " + Q(s.Passport) + " --rev HEAD --json");
  ASSERT_EQ(working.Code, 1) << working.Err;
  const TJson b = TJsonParser(working.Out).Parse();
  EXPECT_TRUE(b["info"].Items.empty());
  ASSERT_EQ(b["scheme"]["changed"].Items.size(), 1u);
  EXPECT_EQ(FirstPoint(b["scheme"]["changed"][0]["before"]), "131 70");
  EXPECT_EQ(FirstPoint(b["scheme"]["changed"][0]["after"]), "133 70");

  // The first version against the sample's own files: equal.
  const TToolRun same = RunTool("diff " + Q(s.Passport) + " --rev HEAD~1 --rev HEAD~1");
  EXPECT_EQ(same.Code, 0) << same.Err;
}

TEST(DiffRevCli, AVersionsMessageIsTheComparisonsSummary) {
  TVersionedSample s;
  const TToolRun history = RunTool("history " + Q(s.Passport) + " --json");
  ASSERT_EQ(history.Code, 0) << history.Err;
  const TJson h = TJsonParser(history.Out).Parse();
  ASSERT_EQ(h["versions"].Items.size(), 2u);
  // The summary line diff writes first for the same two versions.
  const TToolRun text = RunTool("diff " + Q(s.Passport) + " --rev HEAD~1 --rev HEAD");
  const std::string summary = text.Out.substr(0, text.Out.find('\n'));
  EXPECT_NE(summary.find("30 → 31"), std::string::npos) << summary;
  EXPECT_EQ(h["versions"][0]["summary"].S, summary);
}

TEST(DiffRevCli, WrongUseAndUnknownVersionsExitTwo) {
  TVersionedSample s;
  const std::string cases[] = {
      "diff " + Q(s.Passport) + " " + Q(s.Passport) + " --rev HEAD",
      "diff " + Q(s.Passport) + " --rev HEAD --rev HEAD~1 --rev HEAD",
      "diff " + Q(s.Passport) + " --rev",
      "diff " + Q(s.Passport) + " --rev 0123456789abcdef0123456789abcdef01234567",
      "diff " + Q(s.Dir.Path() + "nowhere/svo1") + " --rev HEAD",
  };
  for (const std::string& c : cases) {
    const TToolRun r = RunTool(c);
    EXPECT_EQ(r.Code, 2) << c << "\n" << r.Err;
    EXPECT_TRUE(r.Out.empty()) << c;
  }
}

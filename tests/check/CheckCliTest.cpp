// svpass-cli check: what a script sees, the exit code first.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "TestSupport.h"
#include "platform/Codec1251.h"

namespace {

struct TRun {
  int Code = -1;
  std::string Out;
};

TRun Check(const std::string& args) {
  TTempDir tmp;
  const std::string cmd = std::string("'") + SVPASS_CLI + "' check " + args + " >'" + tmp.File("out") + "' 2>/dev/null";
  const int status = std::system(cmd.c_str());
  return TRun{WIFEXITED(status) ? WEXITSTATUS(status) : -1, ReadBytes(tmp.File("out"))};
}

std::string Info(const std::string& address, std::initializer_list<std::string> plan) {
  const std::string nul(1, '\0');
  std::string text = CrLf({address, "д. 1", "1"});
  text += CrLf(plan);
  return Encode1251(text + nul + CrLf({"", "4 0", "8 0", "8 0"}) + nul + CrLf({"", "0", "1"}));
}

// Three passports: svo1 has nothing to find; svo2 one phase in which
// nothing opens and no arrow is drawn (warnings); svo3 a vehicle head bound
// to no direction and hanging on nothing (errors).
struct TDatabase {
  TTempDir Dir;
  TDatabase() {
    Make("svo1", Info("ул. Первая", {"0", "0", "0"}), "");
    Make("svo2", Info("ул. Вторая", {"1", "1", "5 10 0 0", "0", "0"}), "");
    Make("svo3", Info("ул. Третья", {"1", "1", "5 10 0 0", "0", "1", "1", "1", "", "3 3 3 0 0", ""}),
         CrLf({"10", "100 50", "0 0", "0 -12", "0", "no napr", "notext"}));
  }
  void Make(const std::string& name, const std::string& info, const std::string& map) {
    std::filesystem::create_directory(Dir.File(name));
    WriteBytes(Dir.File(name + "/info.txt"), info);
    WriteBytes(Dir.File(name + "/map.txt"), map);
  }
  std::string Quoted(const std::string& name = "") const { return "'" + Dir.File(name) + "'"; }
};

TEST(CheckCommand, exitsWithTheWorstSeverityFound) {
  TDatabase db;
  TTempDir empty;
  const struct {
    std::string Args;
    int Code;
  } cases[] = {{db.Quoted("svo1"), 0},          {db.Quoted("svo2"), 1}, {db.Quoted("svo3"), 2},
               {db.Quoted(), 2},                {"'" + empty.Path() + "'", 2},
               {db.Quoted("svo1") + " --yaml", 2}};
  for (const auto& c : cases) EXPECT_EQ(Check(c.Args).Code, c.Code) << c.Args;
}

TEST(CheckCommand, listsEveryPassportOfADatabaseInNumberOrderAsText) {
  TDatabase db;
  const TRun run = Check(db.Quoted());
  const std::size_t p1 = run.Out.find("svo1/  ул. Первая - д. 1: ok");
  const std::size_t p2 = run.Out.find("svo2/  ул. Вторая - д. 1: 0 error(s), 2 warning(s)");
  const std::size_t p3 = run.Out.find("svo3/  ул. Третья - д. 1: 2 error(s), 2 warning(s)");
  ASSERT_NE(p1, std::string::npos) << run.Out;
  ASSERT_NE(p2, std::string::npos) << run.Out;
  ASSERT_NE(p3, std::string::npos) << run.Out;
  EXPECT_LT(p1, p2);
  EXPECT_LT(p2, p3);
  EXPECT_NE(run.Out.find("  error head-no-direction: "), std::string::npos);
  EXPECT_NE(run.Out.find(" [item 12:0]\n"), std::string::npos);
  EXPECT_NE(run.Out.find("3 passport(s), 2 error(s), 4 warning(s)\n"), std::string::npos);
}

// The JSON of one passport, every member of every finding, in rule order.
TEST(CheckCommand, writesTheFindingsOfOnePassportAsJson) {
  TDatabase db;
  const TRun run = Check(db.Quoted("svo3") + " --json");
  EXPECT_EQ(run.Code, 2);
  const std::string dir = db.Dir.File("svo3");
  auto finding = [](const std::string& severity, const std::string& code, const std::string& items,
                    const std::string& dirs, const std::string& phases) {
    return "\"severity\": \"" + severity + "\",\n          \"code\": \"" + code + "\",\n" +
           "          \"message\": \"\\S*\",\n          \"items\": " + items + ",\n          \"directions\": " +
           dirs + ",\n          \"phases\": " + phases;
  };
  // Messages are for people; everything else is compared whole.
  std::string out = run.Out;
  for (std::size_t p = out.find("\"message\": \""); p != std::string::npos; p = out.find("\"message\": \"", p + 1)) {
    const std::size_t start = p + 12, end = out.find("\",\n", start);
    ASSERT_NE(end, std::string::npos);
    EXPECT_GT(end, start);
    out.replace(start, end - start, "\\S*");
  }
  const std::string findings[] = {
      finding("error", "head-no-direction", "[\n            [\n              12,\n              0\n            ]\n          ]",
              "[]", "[]"),
      finding("warning", "direction-no-head", "[]", "[\n            1\n          ]", "[]"),
      finding("warning", "phase-no-arrows", "[]", "[]", "[\n            1\n          ]"),
      finding("error", "hanging-no-carrier",
              "[\n            [\n              12,\n              0\n            ]\n          ]", "[]", "[]"),
  };
  std::size_t at = 0;
  for (const std::string& f : findings) {
    const std::size_t p = out.find(f, at);
    ASSERT_NE(p, std::string::npos) << f << "\n---\n" << out;
    at = p + f.size();
  }
  EXPECT_EQ(out.rfind("\"severity\""), out.rfind(findings[3].substr(0, 30)));
  // The directory as a database run writes it: with its trailing separator.
  EXPECT_NE(out.find("\"dir\": \"" + dir + "/\",\n      \"address\": \"ул. Третья - д. 1\""), std::string::npos) << out;
  EXPECT_EQ(out.find("{\n  \"passports\": [\n    {\n"), 0u) << out;
}

}  // namespace

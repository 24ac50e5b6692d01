// svpass-cli edit: a script builds every kind of item of the editor's tool
// table into a copy of a passport, and what it saves loads back as it was.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <set>
#include <string>

#include "TestSupport.h"

namespace {

struct TCliRun {
  int Code = -1;
  std::string Out, Err;
};

TCliRun Cli(const std::string& args) {
  TTempDir tmp;
  const std::string cmd =
      std::string("'") + SVPASS_CLI + "' " + args + " >'" + tmp.File("out") + "' 2>'" + tmp.File("err") + "'";
  const int status = std::system(cmd.c_str());
  TCliRun r;
  r.Code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  r.Out = ReadBytes(tmp.File("out"));
  r.Err = ReadBytes(tmp.File("err"));
  return r;
}

// The text of the "layers" member, up to the member after it.
std::string LayersText(const std::string& json) {
  const auto from = json.find("\"layers\"");
  const auto to = json.find("\"messages\"", from);
  return from == std::string::npos || to == std::string::npos ? std::string() : json.substr(from, to - from);
}

// An empty scheme beside the sample passport's information.
void EmptyPassport(const TTempDir& dir) {
  WriteBytes(dir.File("svo7/info.txt"), ReadBytes(SourcePath("data/Data/svo1/info.txt")));
  WriteBytes(dir.File("svo7/map.txt"), "");
}

TEST(EditCli, a_script_builds_every_item_of_the_tool_table_and_the_saved_scheme_loads_back_the_same) {
  TTempDir dir;
  std::filesystem::create_directories(dir.File("svo7"));
  EmptyPassport(dir);
  const std::string out = dir.File("out/svo7");
  const TCliRun run = Cli("edit '" + dir.File("svo7") + "' --script '" + SourcePath("tests/cli/data/EditAllItems.txt") +
                          "' --out '" + out + "'");
  ASSERT_EQ(run.Code, 0) << run.Err;
  // Every type code a tool places; the labels of the well, cable, controller,
  // pole, head, sign, direction and building included.
  std::set<int> types;
  std::size_t at = 0;
  while ((at = run.Out.find("\"type\": ", at)) != std::string::npos) {
    at += 8;
    types.insert(std::atoi(run.Out.c_str() + at));
  }
  const std::set<int> want = {1, 2, 3, 5, 6, 7, 8, 10, 14, 16, 17, 18, 19, 20, 21, 23, 24, 25, 26, 27, 28, 30, 34};
  EXPECT_EQ(types, want);
  for (const char* label : {"К1", "К2", "КВВГ 7x1,5", "L=60", "ДКС", "С1", "1н ", "2.1", "Н1", "Дом 5", "ул. Садовая"})
    EXPECT_NE(run.Out.find(std::string("\"") + label + "\""), std::string::npos) << label;
  EXPECT_NE(run.Out.find("\"changed\": false"), std::string::npos);
  EXPECT_NE(run.Out.find("\"points\": 0"), std::string::npos);

  const TCliRun reread = Cli("dump '" + out + "'");
  ASSERT_EQ(reread.Code, 0) << reread.Err;
  EXPECT_FALSE(LayersText(run.Out).empty());
  EXPECT_EQ(LayersText(reread.Out), LayersText(run.Out));
}

TEST(EditCli, a_bad_line_stops_the_script_with_exit_3_and_nothing_saved_after_it) {
  TTempDir dir;
  std::filesystem::create_directories(dir.File("svo7"));
  EmptyPassport(dir);
  WriteBytes(dir.File("s.txt"),
             "view 1 0 0\ntool \"Прямой бордюр\"\nclick 10 10\nclick 90 10\nlayer 4 1 "
             "0 1\n"
             "tool \"Прямой участок рельсов\"\ncommand \"Сохранить изменения\"\n");
  const std::string out = dir.File("o");
  const TCliRun run = Cli("edit '" + dir.File("svo7") + "' --script '" + dir.File("s.txt") + "' --out '" + out + "'");
  EXPECT_EQ(run.Code, 3);
  EXPECT_NE(run.Err.find("error: line 6:"), std::string::npos) << run.Err;
  EXPECT_EQ(ReadBytes(out + "/map.txt"), "");
  EXPECT_NE(run.Out.find("\"undo\": 1"), std::string::npos);
  // A second run into the same, no longer empty, directory is refused.
  const TCliRun again = Cli("edit '" + dir.File("svo7") + "' --script '" + dir.File("s.txt") + "' --out '" + out + "'");
  EXPECT_NE(again.Code, 0);
  EXPECT_NE(again.Code, 3);
}

TEST(EditCli, an_unanswered_dialog_is_cancelled_and_listed_as_not_answered) {
  TTempDir dir;
  std::filesystem::create_directories(dir.File("svo7"));
  EmptyPassport(dir);
  WriteBytes(dir.File("s.txt"), "view 1 0 0\ntool \"Разделительная линия\"\nclick 10 10\nclick 90 10\n");
  const TCliRun run =
      Cli("edit '" + dir.File("svo7") + "' --script '" + dir.File("s.txt") + "' --out '" + dir.File("o") + "'");
  ASSERT_EQ(run.Code, 0) << run.Err;
  EXPECT_NE(run.Out.find("\"form\": \"TSelLineForm\",\n      \"answered\": false"), std::string::npos) << run.Out;
  EXPECT_NE(run.Out.find("\"undo\": 0"), std::string::npos);
}

}  // namespace

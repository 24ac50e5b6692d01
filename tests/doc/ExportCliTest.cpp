// svpass-cli export: its grammar, the command log and the sections it takes.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <sys/wait.h>

#include "TestSupport.h"
#include "doc/Rtf.h"

namespace {

int Cli(const std::string& args) {
  const std::string cmd = std::string(SVPASS_CLI) + " export " + args + " >/dev/null 2>&1";
  const int status = std::system(cmd.c_str());
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::vector<std::string> LogLines(const std::string& path) {
  std::vector<std::string> lines;
  const std::string text = ReadBytes(path);
  std::size_t start = 0;
  for (std::size_t nl; (nl = text.find('\n', start)) != std::string::npos; start = nl + 1)
    lines.push_back(text.substr(start, nl - start));
  return lines;
}

TEST(ExportCli, listed_sections_only_in_the_dialog_s_order_with_real_template_paths_in_the_log) {
  TTempDir dir;
  const std::string out = dir.File("svo1.rtf");
  ASSERT_EQ(Cli("'" + SourcePath("data/Data/svo1") + "' --out '" + out +
                "' --sections equipment,comment --word-visible --commands-to '" + dir.File("log") + "'"),
            0);
  const std::vector<std::string> log = LogLines(dir.File("log"));
  ASSERT_GT(log.size(), 10u);
  EXPECT_EQ(log[0], "AppShow");
  EXPECT_EQ(log[1], "fileopen name=\"" + out + "\"");
  std::vector<std::string> inserted;
  for (const std::string& l : log) {
    if (l.rfind("Insertfile name=\"", 0) != 0) continue;
    const std::string path = l.substr(17, l.size() - 18);
    EXPECT_TRUE(std::filesystem::exists(path)) << path;
    inserted.push_back(std::filesystem::path(path).filename().string());
  }
  EXPECT_EQ(inserted, std::vector<std::string>{"compl.doc"});
  // The comment comes before the equipment, as in the dialog, whatever the list's order.
  const auto comment = std::find(log.begin(), log.end(), "Insert \"Комментарий к таблицам:\"");
  const auto equipment = std::find_if(log.begin(), log.end(), [](const std::string& l) { return l.find("compl.doc") != std::string::npos; });
  EXPECT_LT(comment, equipment);
  EXPECT_EQ(log[log.size() - 2], "FileSave");
  EXPECT_EQ(log.back(), "AppShow");
  const TDocument doc = ReadRtf(ReadBytes(out));
  int tables = 0;
  for (const TBlock& b : doc.Body.Blocks) tables += b.IsTable;
  EXPECT_EQ(tables, 1);
}

TEST(ExportCli, a_uk_object_never_gets_plan_sections_and_bad_grammar_writes_nothing) {
  TTempDir dir;
  // svo3 is an УК object: the phase section is skipped with a warning.
  ASSERT_EQ(Cli("'" + SourcePath("data/Data/svo3") + "' --out '" + dir.File("uk.doc") +
                "' --sections phases,connection --commands-to '" + dir.File("log") + "'"),
            0);
  for (const std::string& l : LogLines(dir.File("log"))) EXPECT_EQ(l.find("phase"), std::string::npos) << l;
  struct TCase {
    std::string Args;
  };
  const std::string svo1 = "'" + SourcePath("data/Data/svo1") + "'";
  const TCase bad[] = {{svo1 + " --out '" + dir.File("a.doc") + "' --print"},
                       {svo1 + " --out '" + dir.File("b.txt") + "'"},
                       {svo1 + " --out '" + dir.File("c.doc") + "' --sections phases,tram"},
                       {svo1 + " --out '" + dir.File("d.doc") + "' --sections phases --sections comment"},
                       {"--out '" + dir.File("e.doc") + "'"},
                       {svo1 + " --out '" + dir.File("f.doc") + "' --colour"}};
  for (const TCase& c : bad) EXPECT_EQ(Cli(c.Args), 2) << c.Args;
  for (const char* f : {"a.doc", "b.txt", "c.doc", "d.doc", "e.doc", "f.doc"})
    EXPECT_FALSE(std::filesystem::exists(dir.File(f))) << f;
  EXPECT_EQ(Cli("'" + dir.File("nowhere") + "' --out '" + dir.File("g.doc") + "'"), 1);
}

}  // namespace

// svpass-cli print end to end: the sample passport's page as a PDF whose
// text can be read back.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "TestSupport.h"
#include <sys/wait.h>

namespace {

int Shell(const std::string& command) { return std::system((command + " >/dev/null 2>&1").c_str()); }

TEST(PrintCommand, TheSampleSchemeAsPdfCarriesItsTitlePhaseCaptionAndDate) {
  if (Shell("command -v pdftotext") != 0) GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
  // Builds without the Qt canvas have no print command.
  if (Shell(std::string(SVPASS_CLI) + " print 2>&1 | grep -q \"svpass-cli print\"") != 0) GTEST_SKIP() << "no print command";
  TTempDir dir;
  const std::string pdf = dir.File("page.pdf"), txt = dir.File("page.txt");
  const std::string cli = std::string(SVPASS_CLI) + " print " + SourcePath("data/Data/svo1") + " --out " + pdf +
                          " --date 07.03.2026";
  ASSERT_EQ(Shell(cli), 0) << cli;
  ASSERT_EQ(Shell("pdftotext -enc UTF-8 " + pdf + " " + txt), 0);
  const std::string text = ReadBytes(txt);
  for (const char* expected : {"ул. Ленина - пр. Мира", "(Объект № 1)", "Фаза № 1", "Дата печати: 07.03.2026 г."})
    EXPECT_NE(text.find(expected), std::string::npos) << expected << "\n" << text;

  // The time diagram of the same passport names its phases and directions.
  ASSERT_EQ(Shell(std::string(SVPASS_CLI) + " print " + SourcePath("data/Data/svo1") + " --mode diagram --out " + pdf),
            0);
  ASSERT_EQ(Shell("pdftotext -enc UTF-8 " + pdf + " " + txt), 0);
  const std::string diagram = ReadBytes(txt);
  for (const char* expected : {"Временная диаграмма работы СО", "Фаза 4", "Т пром", "1 напр."})
    EXPECT_NE(diagram.find(expected), std::string::npos) << expected << "\n" << diagram;
}

TEST(PrintCommand, RefusesOptionsOutsideItsGrammar) {
  if (Shell(std::string(SVPASS_CLI) + " print 2>&1 | grep -q \"svpass-cli print\"") != 0) GTEST_SKIP() << "no print command";
  const std::string base = std::string(SVPASS_CLI) + " print " + SourcePath("data/Data/svo1");
  TTempDir dir;
  for (const std::string& bad : {" --out " + dir.File("x.jpg"), " --out " + dir.File("x.pdf") + " --mode chart",
                                " --out " + dir.File("x.pdf") + " --mode diagram --preset odd",
                                " --out " + dir.File("x.pdf") + " --lengths 12 300",
                                " --out " + dir.File("x.pdf") + " --date 31.02.2026",
                                " --out " + dir.File("x.pdf") + " --paper A5", std::string(" --dpi 150")})
    EXPECT_EQ(WEXITSTATUS(std::system((base + bad + " 2>/dev/null").c_str())), 2) << bad;
}

}  // namespace

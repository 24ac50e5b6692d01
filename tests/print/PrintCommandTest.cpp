// svpass-cli print end to end: the sample passport's page as a PDF whose
// text can be read back.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "PrintFixture.h"
#include "TestSupport.h"
#include <filesystem>
#include <sys/wait.h>

namespace {

int Shell(const std::string& command) { return std::system((command + " >/dev/null 2>&1").c_str()); }

bool HasPrintCommand() { return Shell(std::string(SVPASS_CLI) + " print 2>&1 | grep -q \"svpass-cli print\"") == 0; }

// Runs the command; its exit status, and what it wrote to standard error.
int RunCli(const std::string& command, std::string& errors) {
  TTempDir dir;
  const int status = std::system((command + " >/dev/null 2>" + dir.File("err.txt")).c_str());
  // Qt's own note on a session without a runtime directory is the
  // machine's, not the command's.
  errors.clear();
  const std::string all = ReadBytes(dir.File("err.txt"));
  for (std::size_t b = 0; b < all.size();) {
    std::size_t e = all.find('\n', b);
    e = e == std::string::npos ? all.size() : e + 1;
    if (all.compare(b, 15, "QStandardPaths:") != 0) errors += all.substr(b, e - b);
    b = e;
  }
  return WEXITSTATUS(status);
}

std::size_t LineCount(const std::string& text) {
  std::size_t n = 0;
  for (char c : text) n += c == '\n';
  return n;
}

// A passport of three phases on disk (main times 250, 20 and 75 s of
// program I, two directions), of the given object type.
std::string WritePassport(TPrintFixture& f, int objectType) {
  f.SetPhases({250, 20, 75});
  f.SetDirections({{"1", 3, 2, 1, 2, 1}, {"2, 3", 3, 2, 1, 2, 1}});
  f.Info().ObjectType = objectType;
  std::filesystem::create_directories(f.Scheme->Dir);
  EXPECT_TRUE(f.Info().SaveAll());
  WriteBytes(f.Scheme->Dir + "map.txt", "");
  return f.Scheme->Dir;
}

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

namespace {

TEST(PrintCommand, AnUnwritableTargetIsNamedOnOneLineBeforeAnythingIsDrawn) {
  if (!HasPrintCommand()) GTEST_SKIP() << "no print command";
  for (const std::string target : {"/nonexistent/x.pdf", "/nonexistent/x.png"}) {
    std::string errors;
    const std::string cli = std::string(SVPASS_CLI) + " print " + SourcePath("data/Data/svo1") + " --out " + target;
    EXPECT_EQ(RunCli(cli, errors), 1) << target;
    EXPECT_EQ(LineCount(errors), 1u) << errors.substr(0, 500);
    EXPECT_EQ(errors.rfind("svpass-cli: print: cannot write " + target + ": ", 0), 0u) << errors.substr(0, 500);
  }
}

TEST(PrintCommand, TheTimeDiagramOfAnUkPassportIsRefusedAsItsMenuEntryIs) {
  if (!HasPrintCommand()) GTEST_SKIP() << "no print command";
  TPrintFixture f;
  const std::string dir = WritePassport(f, 2);
  TTempDir out;
  const std::string cli = std::string(SVPASS_CLI) + " print " + dir + " --out " + out.File("d.pdf");
  std::string errors;
  EXPECT_EQ(RunCli(cli + " --mode diagram", errors), 2);
  EXPECT_EQ(errors, "svpass-cli: print: a passport of the УК type has no time diagram\n");
  EXPECT_FALSE(std::filesystem::exists(out.File("d.pdf")));
  // Its scheme and tram heads print as for any passport.
  EXPECT_EQ(RunCli(cli + " --mode tram", errors), 0) << errors;
  EXPECT_EQ(RunCli(cli, errors), 0) << errors;
}

TEST(PrintCommand, APhaseLengthMayGoUpToItsStoredMainTimeWhenThatIsAbove200) {
  if (!HasPrintCommand()) GTEST_SKIP() << "no print command";
  TPrintFixture f;
  const std::string dir = WritePassport(f, 1);
  TTempDir out;
  const std::string pdf = out.File("d.pdf");
  const std::string cli = std::string(SVPASS_CLI) + " print " + dir + " --mode diagram --out " + pdf + " --lengths ";
  struct TCase {
    const char* Lengths;
    int Status;
    const char* Error;
  } cases[] = {
      {"250 20 75", 0, ""},
      {"231 200 19", 0, ""},
      {"251 20", 2, "svpass-cli: print: the length of phase 1 may be at most 250 s, not 251\n"},
      {"10 201", 2, "svpass-cli: print: the length of phase 2 may be at most 200 s, not 201\n"},
      {"10 20 30 40 50 60 201", 2, "svpass-cli: print: the length of phase 7 may be at most 200 s, not 201\n"},
  };
  for (const auto& c : cases) {
    std::string errors;
    EXPECT_EQ(RunCli(cli + c.Lengths, errors), c.Status) << c.Lengths;
    EXPECT_EQ(errors, c.Error) << c.Lengths;
  }
  // The page carries the lengths given.
  if (Shell("command -v pdftotext") != 0) GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
  std::string errors;
  ASSERT_EQ(RunCli(cli + "231 199 19", errors), 0) << errors;
  ASSERT_EQ(Shell("pdftotext -enc UTF-8 " + pdf + " " + out.File("d.txt")), 0);
  const std::string text = ReadBytes(out.File("d.txt"));
  for (const char* expected : {"231 с", "199 с", "19 с"}) EXPECT_NE(text.find(expected), std::string::npos) << expected;
}

}  // namespace

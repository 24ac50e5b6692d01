// Whole-database runs of dump, render, print and export: a file per
// passport, a line per passport in the passports' order, the worst exit code,
// and one passport's failure leaving the others written.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "JsonReader.h"
#include "TestSupport.h"

namespace {

using TRun = TToolRun;

TRun Cli(const std::string& args) { return RunTool(args); }

bool HasCanvas() { return Cli("render --help").Code == 0; }

std::string Quoted(const std::string& path) { return "'" + path + "'"; }

// Four generated passports of different sizes. Their numbers sort otherwise
// as names than as numbers (svo10 and svo12 before svo2 by name), and the
// database holds a folder and a file that are not passports.
const std::vector<std::string> kPassports = {"svo1", "svo2", "svo10", "svo12"};

struct TDatabase {
  TTempDir Dir;
  TDatabase() {
    int seed = 1;
    for (const std::string& name : kPassports) {
      const TRun gen = Cli("generate --items " + std::to_string(10 * seed) + " --seed " + std::to_string(seed) +
                           " --out " + Quoted(Dir.File(name)));
      EXPECT_EQ(gen.Code, 0) << gen.Err;
      ++seed;
    }
    std::filesystem::create_directory(Dir.File("notes"));
    WriteBytes(Dir.File("svo7"), "a file, not a passport");
  }
};

bool StartsWith(const std::string& s, const std::string& head) { return s.compare(0, head.size(), head) == 0; }

// Whether the bytes are a file of the kind: the signature and, where the
// format has one, its end.
bool IsPng(const std::string& bytes, int width, int height) {
  const std::string size{char(0), char(0), char(width >> 8), char(width & 0xFF),
                         char(0), char(0), char(height >> 8), char(height & 0xFF)};
  return StartsWith(bytes, std::string("\x89PNG\r\n\x1a\n", 8)) && bytes.size() > 24 &&
         bytes.substr(12, 4) == "IHDR" && bytes.substr(16, 8) == size &&
         bytes.find("IEND") == bytes.size() - 8;
}
bool IsPdf(const std::string& bytes) {
  return StartsWith(bytes, "%PDF-") && bytes.find("%%EOF", bytes.size() > 16 ? bytes.size() - 16 : 0) != std::string::npos;
}
bool IsRtf(const std::string& bytes) {
  std::string end = bytes;
  while (!end.empty() && (end.back() == '\n' || end.back() == '\r')) end.pop_back();
  return StartsWith(bytes, "{\\rtf1") && !end.empty() && end.back() == '}';
}

struct TCase {
  std::string Command;
  std::string Options;
  std::string Extension;
};

TEST(DatabaseRun, WritesAFilePerPassportReportsEachInOrderAndExitsWithTheWorst) {
  if (!HasCanvas()) GTEST_SKIP() << "built without the canvas";
  TDatabase db;
  const std::vector<TCase> cases = {
      {"dump", "--phase 2", "json"},
      {"render", "--width 120 --height 90", "png"},
      {"print", "--no-date", "pdf"},
      {"print", "--format png --dpi 40", "png"},
      {"export", "", "doc"},
      {"export", "--format rtf", "rtf"},
      {"export", "--format DOCX", "docx"},
      {"export", "--format odt", "odt"},
      {"export", "--format pdf", "pdf"},
  };
  for (const TCase& c : cases) {
    for (const bool broken : {false, true}) {
      SCOPED_TRACE(c.Command + " " + c.Options + (broken ? " with svo10's file unwritable" : ""));
      TTempDir out;
      // A folder where svo10's file is to go: no command can write it.
      if (broken) std::filesystem::create_directories(out.File("files/svo10." + c.Extension));
      const TRun run = Cli(c.Command + " " + Quoted(db.Dir.Path()) + " --out " + Quoted(out.File("files/")) +
                           " --jobs 2 " + c.Options);
      EXPECT_EQ(run.Code, 0 + broken) << run.Err;
      // No progress bar into a file.
      EXPECT_EQ(run.Err.find('\r'), std::string::npos);

      std::string expected;
      for (const std::string& name : kPassports) {
        const std::string file = out.File("files/" + name + "." + c.Extension);
        const bool fails = broken && name == "svo10";
        expected += name + (fails ? ": exit 1: " : ": ok: ") + file + "\n";
        if (fails) continue;
        const std::string bytes = ReadBytes(file);
        if (c.Extension == "json") {
          const TJson json = TJsonParser(bytes).Parse();
          // Each passport's own file, with the options passed on to it.
          EXPECT_EQ(json["objectNumber"].S, name.substr(3));
          EXPECT_EQ(json["clock"]["phase"].N, 2);
        } else if (c.Extension == "png") {
          // render's picture as asked; print's A4 page at 40 dots per inch.
          const bool render = c.Command == "render";
          EXPECT_TRUE(IsPng(bytes, render ? 120 : 331, render ? 90 : 468)) << file;
        } else if (c.Extension == "pdf") {
          EXPECT_TRUE(IsPdf(bytes)) << file;
        } else if (c.Extension == "docx" || c.Extension == "odt") {
          // Zipped: the Office Open XML main part, the OpenDocument mimetype first.
          EXPECT_EQ(bytes.substr(0, 4), std::string("PK\x03\x04", 4)) << file;
          EXPECT_NE(bytes.find(c.Extension == "docx" ? "word/document.xml" : "mimetype"), std::string::npos) << file;
        } else {
          EXPECT_TRUE(IsRtf(bytes)) << file;
        }
      }
      expected += std::string("4 passport(s), ") + (broken ? "3 written, 1 failed\n" : "4 written, 0 failed\n");
      // Reported in the passports' order whatever order they end in; the
      // folders' files are not taken for passports.
      EXPECT_EQ(run.Out, expected);
      if (broken) {
        // The failure's own message, under the passport's name, names the file.
        const std::string file = out.File("files/svo10." + c.Extension);
        const std::size_t at = run.Err.find(file);
        ASSERT_NE(at, std::string::npos) << run.Err;
        const std::size_t line = run.Err.rfind('\n', at);
        EXPECT_EQ(run.Err.compare(line == std::string::npos ? 0 : line + 1, 7, "svo10: "), 0) << run.Err;
      }
      // Nothing half-written stays beside the files.
      std::vector<std::string> names;
      for (const auto& e : std::filesystem::directory_iterator(out.File("files")))
        names.push_back(e.path().filename().string());
      EXPECT_EQ(names.size(), kPassports.size()) << run.Out;
    }
  }
}

TEST(DatabaseRun, RefusesWhatADatabaseCannotTakeNamingTheOption) {
  if (!HasCanvas()) GTEST_SKIP() << "built without the canvas";
  TDatabase db;
  TTempDir out;
  const std::string dbArg = Quoted(db.Dir.Path());
  const std::string outArg = " --out " + Quoted(out.File("x"));
  const struct {
    std::string Args;
    std::string Says;
  } cases[] = {
      {"render " + dbArg, "svpass-cli: render: a database needs --out DIR"},
      {"dump " + dbArg, "svpass-cli: dump: a database needs --out DIR"},
      {"render " + dbArg + outArg + " --jobs 0", "svpass-cli: render: --jobs 0: "},
      {"render " + dbArg + outArg + " --jobs two", "svpass-cli: render: --jobs two: "},
      {"render " + dbArg + outArg + " --jobs 2 --jobs 3", "svpass-cli: render: --jobs 3: "},
      {"print " + dbArg + outArg + " --format svg", "svpass-cli: print: --format svg: one of pdf, png"},
      {"export " + dbArg + outArg + " --format png", "svpass-cli: export: --format png: one of doc, docx, odt, rtf, pdf"},
      {"export " + dbArg + outArg + " --print --format doc", "svpass-cli: export: --format doc: one of pdf"},
      {"render " + dbArg + outArg + " --primitives p.jsonl", "svpass-cli: render: --primitives: not for a database"},
      {"export " + dbArg + outArg + " --commands-to log.txt", "svpass-cli: export: --commands-to: not for a database"},
      {"export " + dbArg + outArg + " --open", "svpass-cli: export: --open: not for a database"},
      {"render " + dbArg + " --out -", "svpass-cli: render: --out -: "},
      {"print " + Quoted(db.Dir.File("svo1")) + " --out " + Quoted(out.File("a.pdf")) + " --format pdf",
       "svpass-cli: print: --format: only for a database"},
      {"dump " + Quoted(db.Dir.File("svo1")) + outArg, "svpass-cli: dump: --out: only for a database"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Args);
    const TRun run = Cli(c.Args);
    EXPECT_EQ(run.Code, 2);
    EXPECT_EQ(run.Out, "");
    EXPECT_TRUE(StartsWith(run.Err, c.Says)) << run.Err;
  }
  // Nothing was written for any of them.
  EXPECT_FALSE(std::filesystem::exists(out.File("x")));
}

TEST(DatabaseRun, OnePassportTakesJobsAndWritesItsFileAsBefore) {
  if (!HasCanvas()) GTEST_SKIP() << "built without the canvas";
  TDatabase db;
  TTempDir out;
  const TRun run = Cli("render " + Quoted(db.Dir.File("svo2")) + " --jobs 3 --width 40 --height 30 --out " +
                       Quoted(out.File("one.png")));
  EXPECT_EQ(run.Code, 0) << run.Err;
  EXPECT_EQ(run.Out, "");
  EXPECT_TRUE(IsPng(ReadBytes(out.File("one.png")), 40, 30));
}

}  // namespace

// The promises a script over a passport database builds on: reading commands
// leave the database as they found it, outputs are never written over
// without --force, a file's format follows its name, usage errors say which
// argument is wrong and why, and the check's report adds up.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "TestSupport.h"
#include "platform/Codec1251.h"

namespace fs = std::filesystem;

namespace {

using TRun = TToolRun;

TRun Cli(const std::string& args) { return RunTool(args); }

std::string Q(const std::string& s) { return "'" + s + "'"; }

// Every file under the directory with its bytes and time of change.
std::map<std::string, std::pair<std::string, fs::file_time_type>> Snapshot(const std::string& dir) {
  std::map<std::string, std::pair<std::string, fs::file_time_type>> files;
  for (const auto& e : fs::recursive_directory_iterator(dir))
    files[e.path().string()] = {e.is_regular_file() ? ReadBytes(e.path().string()) : "<dir>",
                                fs::last_write_time(e.path())};
  return files;
}

const std::string kSample = SourcePath("data/Data/svo1");

}  // namespace

// A database of a passport with its map only and an empty passport folder:
// no reading command may add, change or remove a file of it.
TEST(CliScriptContract, CommandsThatReadLeaveTheDatabaseAsTheyFoundIt) {
  TTempDir db;
  fs::create_directories(db.File("svo1"));
  fs::create_directories(db.File("svo2"));
  fs::copy_file(kSample + "/map.txt", db.File("svo1/map.txt"));
  TTempDir out;
  const auto before = Snapshot(db.Path());
  const std::string one = Q(db.File("svo1")), two = Q(db.File("svo2"));
  for (const std::string& args :
       {"dump " + one, "dump " + two, "dump " + Q(db.Path()), "check " + Q(db.Path()), "check " + two,
        "check " + one + " --json", "render " + one + " --out " + Q(out.File("a.png")),
        "print " + one + " --out " + Q(out.File("a.pdf")), "export " + one + " --out " + Q(out.File("a.doc")),
        "export " + two + " --out " + Q(out.File("b.doc")), "resave " + two + " --out " + Q(out.File("r")),
        "edit " + one + " --script /dev/null --out " + Q(out.File("e")), "summary " + Q(db.Path()),
        "summary " + Q(db.Path()) + " --json", "render " + Q(db.Path()) + " --out " + Q(out.File("all")) + " --jobs 2",
        "dump " + Q(db.Path()) + " --out " + Q(out.File("dumps"))}) {
    Cli(args);
    EXPECT_EQ(Snapshot(db.Path()), before) << args;
  }
  // The empty folder is no passport: the check says it skipped it and does
  // not call it "ok".
  const TRun check = Cli("check " + Q(db.Path()));
  EXPECT_EQ(check.Out.find("svo2/  - : ok"), std::string::npos) << check.Out;
  EXPECT_NE(check.Err.find("svpass-cli: check: skipped " + db.File("svo2/") + ": neither info.txt nor map.txt in it"),
            std::string::npos)
      << check.Err;
}

// The scheme of a passport whose info.txt is gone loses every arrow on
// reading: the reader says how many, the check calls it an error of its own.
TEST(CliScriptContract, AMapWithoutItsInfoIsReportedWithTheArrowsItLost) {
  TTempDir db;
  fs::create_directories(db.File("svo4"));
  // Two arrows of phase 1 and 2 around a curb: both need the plan.
  WriteBytes(db.File("svo4/map.txt"), CrLf({"16", "2", "0 0", "50 0", "oneway", "run", "0", "1", "notext",  //
                                           "1", "10 20", "110.5 20",                                        //
                                           "16", "2", "0 9", "50 9", "oneway", "run", "0", "2", "notext"}));
  TTempDir out;
  const TRun resave = Cli("resave " + Q(db.File("svo4")) + " --out " + Q(out.File("copy")));
  EXPECT_EQ(resave.Code, 0);
  EXPECT_EQ(resave.Err, "error: Нет файла " + db.File("svo4/info.txt") +
                            ": без плана фаз не прочитано стрелок направлений: 2. Источник ошибки - "
                            "TSVObject.LoadAll(). Имя файла - " +
                            db.File("svo4/map.txt") + "\n");
  EXPECT_EQ(Cli("resave " + Q(db.File("svo4")) + " --out " + Q(out.File("strict")) + " --strict").Code, 1);
  EXPECT_FALSE(fs::exists(out.File("strict/map.txt")));

  const TRun check = Cli("check " + Q(db.File("svo4")) + " --json");
  EXPECT_EQ(check.Code, 2);
  EXPECT_NE(check.Out.find("\"code\": \"info-missing\""), std::string::npos) << check.Out;
  EXPECT_NE(check.Err.find("svpass-cli: check: found "), std::string::npos) << check.Err;
}

TEST(CliScriptContract, GenerateAndResaveWriteOverAPassportOnlyWithForce) {
  TTempDir tmp;
  const std::string target = tmp.File("svo9");
  fs::create_directories(target);
  WriteBytes(target + "/info.txt", "старый");
  WriteBytes(target + "/map.txt", "");
  for (const std::string& cmd : {"generate --items 3 --seed 2 --out " + Q(target), "resave " + Q(kSample) + " --out " + Q(target)}) {
    const TRun refused = Cli(cmd);
    EXPECT_EQ(refused.Code, 1) << cmd;
    EXPECT_EQ(refused.Err, "svpass-cli: " + cmd.substr(0, cmd.find(' ')) + ": " + target +
                               " is not empty; --force writes over the passport in it\n");
    EXPECT_EQ(ReadBytes(target + "/info.txt"), "старый");
    EXPECT_EQ(ReadBytes(target + "/map.txt"), "");
  }
  EXPECT_EQ(Cli("resave " + Q(kSample) + " --out " + Q(target) + " --force").Code, 0);
  EXPECT_GT(ReadBytes(target + "/map.txt").size(), 100u);
  EXPECT_EQ(Cli("generate --items 3 --seed 2 --out " + Q(target) + " --force").Code, 0);
  EXPECT_NE(ReadBytes(target + "/info.txt"), "старый");
}

TEST(CliScriptContract, ThePicturesFormatFollowsItsNameOrIsRefused) {
  TTempDir tmp;
  ASSERT_EQ(Cli("render " + Q(kSample) + " --out " + Q(tmp.File("a.jpg")) + " --width 64 --height 48").Code, 0);
  EXPECT_EQ(ReadBytes(tmp.File("a.jpg")).substr(0, 3), "\xFF\xD8\xFF");
  ASSERT_EQ(Cli("render " + Q(kSample) + " --out " + Q(tmp.File("a.PNG")) + " --width 64 --height 48").Code, 0);
  EXPECT_EQ(ReadBytes(tmp.File("a.PNG")).substr(0, 4), "\x89PNG");
  const TRun gif = Cli("render " + Q(kSample) + " --out " + Q(tmp.File("a.gif")));
  EXPECT_EQ(gif.Code, 2);
  EXPECT_EQ(gif.Err.substr(0, gif.Err.find('\n')),
            "svpass-cli: render: --out " + tmp.File("a.gif") +
                ": the picture is written as .png, .jpg, .svg or .dxf (or - for PNG on standard output)");
  EXPECT_FALSE(fs::exists(tmp.File("a.gif")));
  ASSERT_EQ(Cli("render " + Q(kSample) + " --out " + Q(tmp.File("a.Svg")) + " --width 64 --height 48").Code, 0);
  EXPECT_EQ(ReadBytes(tmp.File("a.Svg")).substr(0, 5), "<?xml");
  ASSERT_EQ(Cli("render " + Q(kSample) + " --out " + Q(tmp.File("a.DXF"))).Code, 0);
  EXPECT_EQ(ReadBytes(tmp.File("a.DXF")).substr(0, 25), "  0\r\nSECTION\r\n  2\r\nHEADER");
  // "-" is standard output for the command log of the export too.
  const TRun log = Cli("export " + Q(kSample) + " --out " + Q(tmp.File("x.doc")) + " --commands-to -");
  EXPECT_EQ(log.Code, 0) << log.Err;
  EXPECT_NE(log.Out.find("Insertfile"), std::string::npos) << log.Out.substr(0, 200);
}

// Values that the option's own range allows but the passport does not, and
// values outside any range: exit 2, the argument and the reason on one line.
TEST(CliScriptContract, UsageErrorsNameTheArgumentAndTheReason) {
  TTempDir tmp;
  const struct {
    std::string Args;
    std::string Line;
  } cases[] = {
      {"dump " + Q(kSample) + " --phase 9", "svpass-cli: dump: --phase 9: the passport has 4 phases"},
      {"dump " + Q(kSample) + " --remaining -3", "svpass-cli: dump: --remaining -3: seconds left in the phase, 0 or more"},
      {"dump " + Q(kSample) + " --program", "svpass-cli: dump: --program: a value is missing (0, 1 or 2)"},
      {"render " + Q(kSample) + " --out " + Q(tmp.File("r.png")) + " --phase 5",
       "svpass-cli: render: --phase 5: the passport has 4 phases"},
      {"render " + Q(kSample) + " --out " + Q(tmp.File("r.png")) + " --height 20001",
       "svpass-cli: render: --height 20001: 16 to 20000"},
      {"print " + Q(kSample) + " --out " + Q(tmp.File("p.png")) + " --phases 2 9",
       "svpass-cli: print: --phases 9: the passport has 4 phases"},
      {"generate --items 5 --seed x --out " + Q(tmp.File("g")), "svpass-cli: generate: --seed x: a whole number"},
      {"generate --items 5 --out " + Q(tmp.File("g")), "svpass-cli: generate: --seed is missing"},
      {"print " + Q(kSample) + " --out " + Q(tmp.File("p.png")) + " --dpi 29",
       "svpass-cli: print: --dpi 29: 30 to 2400 dots per inch"},
      {"print " + Q(kSample) + " --out " + Q(tmp.File("p.png")) + " --paper B5",
       "svpass-cli: print: --paper B5: A4, A3 or Letter"},
      {"print " + Q(kSample) + " --out " + Q(tmp.File("p.tif")),
       "svpass-cli: print: --out " + tmp.File("p.tif") + ": the page is written as .pdf or .png (or - for standard output)"},
      {"print " + Q(kSample) + " --out " + Q(tmp.File("p.png")) + " --format png",
       "svpass-cli: print: --format: only for a database (a folder of svo passports) or print --out -"},
      {"print " + Q(kSample) + " --out - --format tiff", "svpass-cli: print: --format tiff: pdf or png"},
      {"print " + Q(kSample) + " --out " + Q(tmp.File("p.png")) + " --date 30.02.2026",
       "svpass-cli: print: --date 30.02.2026: a real day as DD.MM.YYYY"},
      {"export " + Q(kSample) + " --out " + Q(tmp.File("e.doc")) + " --sections phases,bogus",
       "svpass-cli: export: --sections phases,bogus: \"bogus\" is none of "},
      {"export " + Q(kSample), "svpass-cli: export: --out is missing"},
      {"export " + Q(kSample) + " --out " + Q(tmp.File("e.txt")),
       "svpass-cli: export: --out " + tmp.File("e.txt") + ": the document is written as .docx, .odt, .rtf, .doc, .pdf"},
      {"export " + Q(kSample) + " --print --out " + Q(tmp.File("e.doc")),
       "svpass-cli: export: --out " + tmp.File("e.doc") + ": the document is written as .pdf with --print"},
      {"edit " + Q(kSample) + " --script x --out " + Q(tmp.File("ed")) + " --size 10x500",
       "svpass-cli: edit: --size 10x500: WxH, each 16 to 20000"},
      {"edit " + Q(kSample) + " --out " + Q(tmp.File("ed")), "svpass-cli: edit: --script is missing"},
      {"resave " + Q(kSample), "svpass-cli: resave: --out is missing"},
      {"resave " + Q(kSample) + " " + Q(kSample) + " --out " + Q(tmp.File("rs")),
       "svpass-cli: resave: " + std::string(kSample) + ": one folder only (it is " + std::string(kSample) + ")"},
      {"check", "svpass-cli: check: the passport or database folder is missing"},
      {"summary", "svpass-cli: summary: the database folder is missing"},
      {"publish", "svpass-cli: publish: the database folder is missing"},
      {"publish " + Q(kSample) + " --only", "svpass-cli: publish: --only: a value is missing (one or more passports, svoN)"},
  };
  for (const auto& c : cases) {
    const TRun r = Cli(c.Args);
    EXPECT_EQ(r.Code, 2) << c.Args;
    const std::string first = r.Err.substr(0, r.Err.find('\n'));
    // A reason that lists what would be taken is checked up to the list.
    if (c.Line.back() == ' ')
      EXPECT_EQ(first.substr(0, c.Line.size()), c.Line);
    else
      EXPECT_EQ(first, c.Line);
    EXPECT_EQ(r.Out, "");
  }
  EXPECT_FALSE(fs::exists(tmp.File("r.png")));
  EXPECT_FALSE(fs::exists(tmp.File("p.png")));
  EXPECT_FALSE(fs::exists(tmp.File("e.doc")));
  EXPECT_FALSE(fs::exists(tmp.File("ed")));
}

// A page on standard output is the same page as in a file of its format.
TEST(CliScriptContract, APrintToTheDashWritesThePageOfTheAskedFormatOnStandardOutput) {
  TTempDir tmp;
  const std::string common = " --date 08.12.2026 --dpi 40";
  ASSERT_EQ(Cli("print " + Q(kSample) + " --out " + Q(tmp.File("p.png")) + common).Code, 0);
  const TRun png = Cli("print " + Q(kSample) + " --out - --format png" + common);
  EXPECT_EQ(png.Code, 0) << png.Err;
  EXPECT_EQ(png.Out, ReadBytes(tmp.File("p.png")));
  const TRun pdf = Cli("print " + Q(kSample) + " --out -" + common);
  EXPECT_EQ(pdf.Code, 0) << pdf.Err;
  EXPECT_EQ(pdf.Out.substr(0, 5), "%PDF-");
  EXPECT_FALSE(fs::exists("-"));
}

// The check's report: totals that add up in both forms, the directory
// written alike whichever way it was named, passport texts on one line.
TEST(CliScriptContract, TheChecksTotalsAndDirectoriesAgreeInBothForms) {
  TTempDir db;
  fs::create_directories(db.File("svo3"));
  // A control character of an address is written escaped, as in the JSON.
  WriteBytes(db.File("svo3/info.txt"), Encode1251("ул.\x01Новая\r\n\t2\r\n1\r\n0\r\n0\r\n0\r\n"));
  WriteBytes(db.File("svo3/map.txt"), "");
  fs::create_directories(db.File("SVO4"));
  WriteBytes(db.File("SVO4/map.txt"), "");

  const TRun one = Cli("check " + Q(db.File("svo3")) + " --json");
  const TRun all = Cli("check " + Q(db.Path()) + " --json");
  EXPECT_NE(one.Out.find("\"dir\": \"" + db.File("svo3/") + "\""), std::string::npos) << one.Out;
  EXPECT_NE(all.Out.find("\"dir\": \"" + db.File("svo3/") + "\""), std::string::npos) << all.Out;
  EXPECT_NE(all.Out.find("  \"passportCount\": 1,\n  \"errors\": 0,\n  \"warnings\": 0,\n  \"skipped\": [\n    {\n      \"dir\": \"" +
                         db.File("SVO4/") +
                         "\",\n      \"reason\": \"not a passport name: \\\"svo\\\" is matched in lower case\"\n    }\n  ]\n}"),
            std::string::npos)
      << all.Out;
  const TRun text = Cli("check " + Q(db.Path()));
  EXPECT_NE(text.Out.find(db.File("svo3/") + "  ул.\\u0001Новая - 2: "), std::string::npos) << text.Out;
  EXPECT_NE(text.Err.find("svpass-cli: check: skipped " + db.File("SVO4/")), std::string::npos) << text.Err;

  // One exit-status block, the one of the check.
  const TRun help = Cli("check --help");
  std::size_t blocks = 0;
  for (std::size_t p = 0; (p = help.Out.find("Exit status", p)) != std::string::npos; ++p) ++blocks;
  EXPECT_EQ(blocks, 1u) << help.Out;
  EXPECT_NE(help.Out.find("  1  warnings only\n"), std::string::npos);
  EXPECT_NE(Cli("--help").Out.find("  3  edit only:"), std::string::npos);
}

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <string>
#include <vector>

#include "TestSupport.h"
#include "platform/ProgramDir.h"
#include "platform/UserDatabase.h"

namespace fs = std::filesystem;

namespace {

// Keeps the process-wide program directory as the other tests expect it.
class TProgramDirGuard {
 public:
  TProgramDirGuard() : Saved_(ProgramDir()) {}
  ~TProgramDirGuard() { SetProgramDir(Saved_); }

 private:
  std::string Saved_;
};

void MakeDirs(const std::string& path) { fs::create_directories(path); }

}  // namespace

// Layout under a prefix: what exists, and where the program's files must be
// looked for. "bin/" is the executable's directory.
TEST(ProgramHome, TheProgramsFilesAreFoundBesideItOrUnderShareOfItsPrefix) {
  struct TCase {
    const char* Name;
    std::vector<std::string> Dirs;   // created under the prefix
    std::vector<std::string> Files;  // created empty under the prefix
    std::string Home;                // expected, relative to the prefix
    bool Installed;
  };
  const std::vector<TCase> cases = {
      {"build tree: resources staged beside the program", {"bin/Data/svo1", "bin/help"}, {}, "bin/", false},
      {"only the help beside the program still counts as beside", {"bin/help"}, {}, "bin/", false},
      {"templates alone beside the program count as beside", {"bin/template", "share/svpass/Data"}, {}, "bin/", false},
      {"beside wins over an installed copy", {"bin/cursors", "share/svpass/Data"}, {}, "bin/", false},
      {"installed: nothing beside, share/svpass under the prefix",
       {"bin", "share/svpass/Data/svo1"},
       {},
       "share/svpass/",
       true},
      {"a plain file named like a resource folder is not a home",
       {"bin", "share/svpass/help"},
       {"bin/Data"},
       "share/svpass/",
       true},
      {"neither: the executable's directory, as before", {"bin", "share/other"}, {}, "bin/", false},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Name);
    TProgramDirGuard guard;
    TTempDir prefix;
    for (const std::string& d : c.Dirs) MakeDirs(prefix.File(d));
    for (const std::string& f : c.Files) WriteBytes(prefix.File(f), "");
    const std::string exe = prefix.File("bin");  // no trailing separator, as a caller may pass it
    EXPECT_EQ(ProgramHomeFor(exe), prefix.File(c.Home));
    LocateProgramHome(exe);
    EXPECT_EQ(ProgramDir(), prefix.File(c.Home));
    EXPECT_EQ(ProgramInstalled(), c.Installed);
  }
}

TEST(ProgramHome, AnInstalledProgramsHelpIsReadFromTheSharedDirectory) {
  TProgramDirGuard guard;
  TTempDir prefix;
  MakeDirs(prefix.File("bin"));
  MakeDirs(prefix.File("share/svpass/help"));
  WriteBytes(prefix.File("share/svpass/help/passport.html"), "<p>справка</p>");
  LocateProgramHome(prefix.File("bin/"));
  EXPECT_EQ(ReadBytes(ProgramDir() + "help/passport.html"), "<p>справка</p>");
}

TEST(UserDatabase, TheUsersDatabaseLivesInTheirDocumentsUnderSvpassData) {
  EXPECT_EQ(UserDatabaseDir("/home/ivanova/Документы"), "/home/ivanova/Документы/svpass/Data/");
  EXPECT_EQ(UserDatabaseDir("/home/ivanova/Documents/"), "/home/ivanova/Documents/svpass/Data/");
}

class TSampleCopy : public ::testing::Test {
 protected:
  TTempDir Root_;
  std::string Sample() const { return Root_.File("share/svpass/Data"); }
  std::string Target() const { return Root_.File("home/Documents/svpass/Data/"); }

  void SetUp() override {
    MakeDirs(Sample() + "/svo1");
    MakeDirs(Sample() + "/svo27/empty");
    WriteBytes(Sample() + "/svo1/map.txt", "map of one\r\n");
    WriteBytes(Sample() + "/svo1/info.txt", "info of one, longer\r\n");
    WriteBytes(Sample() + "/svo27/map.txt", std::string("\xCF\xE5\xF0\xE5\xF5\xEE\xE4\r\n", 9));
  }
};

TEST_F(TSampleCopy, EveryFileOfTheSampleArrivesWithItsBytesAndNoPartialCopyRemains) {
  ASSERT_TRUE(CopyDatabaseOnce(Sample(), Target()));
  EXPECT_EQ(ReadBytes(Target() + "svo1/map.txt"), "map of one\r\n");
  EXPECT_EQ(ReadBytes(Target() + "svo1/info.txt"), "info of one, longer\r\n");
  EXPECT_EQ(ReadBytes(Target() + "svo27/map.txt"), std::string("\xCF\xE5\xF0\xE5\xF5\xEE\xE4\r\n", 9));
  EXPECT_TRUE(fs::is_directory(Target() + "svo27/empty"));
  std::vector<std::string> beside;
  for (const auto& e : fs::directory_iterator(Root_.File("home/Documents/svpass")))
    beside.push_back(e.path().filename().string());
  EXPECT_EQ(beside, std::vector<std::string>{"Data"});
}

TEST_F(TSampleCopy, TheUsersOwnPassportsAreNeverOverwritten) {
  ASSERT_TRUE(CopyDatabaseOnce(Sample(), Target()));
  WriteBytes(Target() + "svo1/map.txt", "edited by the user\r\n");
  WriteBytes(Sample() + "/svo1/map.txt", "a newer sample\r\n");
  EXPECT_TRUE(CopyDatabaseOnce(Sample(), Target()));
  EXPECT_EQ(ReadBytes(Target() + "svo1/map.txt"), "edited by the user\r\n");
}

TEST_F(TSampleCopy, AReadOnlySampleGivesTheUserAWritableCopy) {
  ::chmod((Sample() + "/svo1/map.txt").c_str(), 0444);
  ASSERT_TRUE(CopyDatabaseOnce(Sample(), Target()));
  const auto perms = fs::status(Target() + "svo1/map.txt").permissions();
  EXPECT_NE(perms & fs::perms::owner_write, fs::perms::none);
}

TEST_F(TSampleCopy, NoSampleOrAFileInTheWayIsReportedAndLeavesNothingBehind) {
  EXPECT_FALSE(CopyDatabaseOnce(Root_.File("share/none"), Target()));
  EXPECT_FALSE(fs::exists(Root_.File("home/Documents/svpass/Data")));
  EXPECT_FALSE(fs::exists(Root_.File("home/Documents/svpass/Data.partial")));

  MakeDirs(Root_.File("home/Documents/svpass"));
  WriteBytes(Root_.File("home/Documents/svpass/Data"), "not a directory");
  EXPECT_FALSE(CopyDatabaseOnce(Sample(), Target()));
  EXPECT_EQ(ReadBytes(Root_.File("home/Documents/svpass/Data")), "not a directory");
}

TEST_F(TSampleCopy, ALeftoverOfAnInterruptedCopyIsReplacedByAWholeOne) {
  MakeDirs(Root_.File("home/Documents/svpass/Data.partial/svo1"));
  WriteBytes(Root_.File("home/Documents/svpass/Data.partial/svo1/map.txt"), "half");
  ASSERT_TRUE(CopyDatabaseOnce(Sample(), Target()));
  EXPECT_EQ(ReadBytes(Target() + "svo1/map.txt"), "map of one\r\n");
  EXPECT_EQ(ReadBytes(Target() + "svo1/info.txt"), "info of one, longer\r\n");
  EXPECT_FALSE(fs::exists(Root_.File("home/Documents/svpass/Data.partial")));
}

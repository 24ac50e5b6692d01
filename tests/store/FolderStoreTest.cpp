// The plain database folder as a store of passports: which directories are
// passports, reading and replacing one file, and its revisions.
#include <gtest/gtest.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "TestSupport.h"
#include "platform/TextFile.h"
#include "store/FolderStore.h"

namespace {

namespace fs = std::filesystem;

TEST(FolderStore, listsPassportsByNumberAndSaysWhyTheOtherSvoDirectoriesAreSkipped) {
  TTempDir db;
  for (const char* name : {"svo2", "svo10", "svo1a", "SVO3", "svo5", "svoX", "other"}) fs::create_directory(db.File(name));
  WriteBytes(db.File("svo2/info.txt"), "");
  WriteBytes(db.File("svo10/map.txt"), "");
  WriteBytes(db.File("svo1a/info.txt"), "");
  WriteBytes(db.File("svo1a/map.txt"), "");
  WriteBytes(db.File("SVO3/info.txt"), "");  // a passport's files, under a name not matched
  WriteBytes(db.File("svoX/map.txt"), "");
  WriteBytes(db.File("svo4"), "a file, not a passport");
  WriteBytes(db.File("other/info.txt"), "");
  // svo5 is left empty.

  // Without the trailing separator: the store adds it.
  const TFolderStore store(db.Path().substr(0, db.Path().size() - 1));
  const TPassportList list = store.List();
  EXPECT_EQ(list.Passports, (std::vector<std::string>{"svo1a", "svo2", "svo10"}));
  const struct {
    std::string Dir;
    TSkipReason Reason;
  } skipped[] = {{db.File("svo5/"), TSkipReason::NoFiles},
                 {db.File("SVO3/"), TSkipReason::NameCase},
                 {db.File("svoX/"), TSkipReason::NoNumber}};
  ASSERT_EQ(list.Skipped.size(), std::size(skipped));
  for (std::size_t i = 0; i < std::size(skipped); ++i) {
    EXPECT_EQ(list.Skipped[i].Dir, skipped[i].Dir) << i;
    EXPECT_EQ(list.Skipped[i].Reason, skipped[i].Reason) << i;
  }
  EXPECT_EQ(store.Location("svo10"), db.File("svo10/"));
  EXPECT_EQ(store.FileLocation("svo10", TPassportFile::Map), db.File("svo10/map.txt"));
  EXPECT_EQ(store.FileLocation("svo2", TPassportFile::Info), db.File("svo2/info.txt"));
}

TEST(FolderStore, readsTheBytesAsTheyAreAndTellsAMissingFileFromAnEmptyOne) {
  TTempDir db;
  fs::create_directory(db.File("svo7"));
  const std::string bytes("1\r\n\xC0\0 2\r\n", 8);
  WriteBytes(db.File("svo7/map.txt"), bytes);
  WriteBytes(db.File("svo7/info.txt"), "");
  TFolderStore store(db.Path());
  EXPECT_EQ(store.Read("svo7", TPassportFile::Map, TMissingFile::ReadEmpty), bytes);
  EXPECT_EQ(store.Read("svo7", TPassportFile::Info, TMissingFile::ReadEmpty), std::string());
  fs::remove(db.File("svo7/info.txt"));
  EXPECT_EQ(store.Read("svo7", TPassportFile::Info, TMissingFile::ReadEmpty), std::nullopt);
  EXPECT_FALSE(FileExists(db.File("svo7/info.txt")));
  EXPECT_EQ(store.Read("svo7", TPassportFile::Info, TMissingFile::CreateEmpty), std::nullopt);
  EXPECT_EQ(ReadBytes(db.File("svo7/info.txt")), "");
  // A passport that is not there at all is an error, whatever `missing` says.
  for (TMissingFile missing : {TMissingFile::ReadEmpty, TMissingFile::CreateEmpty}) {
    try {
      store.Read("svo8", TPassportFile::Map, missing);
      ADD_FAILURE() << "no error";
    } catch (const TInOutError& e) {
      EXPECT_EQ(e.Code, kIoPathNotFound);
    }
  }
  EXPECT_FALSE(fs::exists(db.File("svo8")));
}

TEST(FolderStore, aFailedWriteLeavesTheOldBytesAndNoTemporaryFile) {
  TTempDir db;
  fs::create_directory(db.File("svo1"));
  WriteBytes(db.File("svo1/map.txt"), "old map");
  TFolderStore store(db.Path());
  // The writer's temporary file cannot be made: its name is taken by a directory.
  ASSERT_EQ(::mkdir(db.File("svo1/map.txt.tmp~").c_str(), 0755), 0);
  EXPECT_THROW(store.Write("svo1", TPassportFile::Map, "new"), TInOutError);
  EXPECT_EQ(ReadBytes(db.File("svo1/map.txt")), "old map");
  fs::remove(db.File("svo1/map.txt.tmp~"));
  // A directory that cannot be written (where permissions bind this user).
  if (::geteuid() != 0) {
    ::chmod(db.File("svo1").c_str(), 0555);
    EXPECT_THROW(store.Write("svo1", TPassportFile::Map, "new"), TInOutError);
    ::chmod(db.File("svo1").c_str(), 0755);
    EXPECT_EQ(ReadBytes(db.File("svo1/map.txt")), "old map");
  }
  store.Write("svo1", TPassportFile::Map, "new bytes");
  EXPECT_EQ(ReadBytes(db.File("svo1/map.txt")), "new bytes");
  std::vector<std::string> names;
  for (const auto& e : fs::directory_iterator(db.File("svo1"))) names.push_back(e.path().filename().string());
  EXPECT_EQ(names, std::vector<std::string>{"map.txt"});
}

TEST(FolderStore, everyRewriteIsANewRevisionEvenOfTheSameSizeAtOnce) {
  TTempDir db;
  fs::create_directory(db.File("svo1"));
  TFolderStore store(db.Path());
  const TRevision none = store.Revision("svo1", TPassportFile::Info);
  EXPECT_FALSE(none.Exists);
  store.Write("svo1", TPassportFile::Info, "12345");
  const TRevision first = store.Revision("svo1", TPassportFile::Info);
  EXPECT_TRUE(first.Exists);
  EXPECT_EQ(first.Size, 5);
  EXPECT_EQ(store.Revision("svo1", TPassportFile::Info), first);
  EXPECT_FALSE(store.Revision("svo1", TPassportFile::Map).Exists);
  // Same size, within the same tick of the file system's clock.
  store.Write("svo1", TPassportFile::Info, "54321");
  const timespec times[2] = {{0, UTIME_OMIT},
                             {static_cast<time_t>(first.ModifiedNs / 1000000000), static_cast<long>(first.ModifiedNs % 1000000000)}};
  ASSERT_EQ(::utimensat(AT_FDCWD, db.File("svo1/info.txt").c_str(), times, 0), 0);
  const TRevision second = store.Revision("svo1", TPassportFile::Info);
  EXPECT_EQ(second.ModifiedNs, first.ModifiedNs);
  EXPECT_NE(second, first);
  EXPECT_EQ(second.Size, 5);
  store.Write("svo1", TPassportFile::Info, "543210");
  EXPECT_EQ(store.Revision("svo1", TPassportFile::Info).Size, 6);
  EXPECT_NE(store.Revision("svo1", TPassportFile::Info), second);
  fs::remove(db.File("svo1/info.txt"));
  EXPECT_EQ(store.Revision("svo1", TPassportFile::Info), none);
}

TEST(FolderStore, takesPassportDirectoriesAsIdsWithoutADatabase) {
  TTempDir dir;
  WriteBytes(dir.File("map.txt"), "1");
  TFolderStore store;
  const std::string id = dir.Path().substr(0, dir.Path().size() - 1);
  EXPECT_EQ(store.Location(id), dir.Path());
  EXPECT_EQ(store.Read(id, TPassportFile::Map, TMissingFile::ReadEmpty), "1");
  EXPECT_EQ(store.Lock(id), nullptr);
}

}  // namespace

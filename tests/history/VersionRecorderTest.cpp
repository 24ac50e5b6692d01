// Versions recorded after the saves return: what the git program finds once
// they are settled, how a failure reaches the engineer, and the index kept
// honest when a file is replaced while its version is being recorded.
#include <gtest/gtest.h>

#include <mutex>

#include "GitTestSupport.h"
#include "TestSupport.h"
#include "history/Sync.h"
#include "history/VersionedStore.h"
#include "platform/TextFile.h"

namespace {

class VersionRecorderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!HaveGit()) GTEST_SKIP() << "the git program is not installed";
    Db = Tmp.Path() + "db";
    MakeDatabase(Db, 3);
    TRecordOptions init;
    init.Author = {"Инженер Петров", "petrov@example.org"};
    DbInit(Db, std::nullopt, init);
  }
  TTempDir Tmp;
  std::string Db;
};

TEST_F(VersionRecorderTest, SavesOfTwoPassportsAreVersionsOnceSettledAndWhenTheStoreCloses) {
  TRecordOptions options;
  options.Author = {"Анна Сидорова", "anna@example.org"};
  options.Summarizer = [](const TPassportFiles&, const TPassportFiles& after) { return "Изменён " + after.id; };
  {
    std::shared_ptr<TPassportStore> store = OpenDatabaseStore(Db, {}, options, TVersionRecorder::TFailureHandler());
    auto* versioned = dynamic_cast<TVersionedStore*>(store.get());
    ASSERT_NE(versioned, nullptr);
    versioned->SetNextComment("по письму № 12");
    store->Write("svo2", TPassportFile::Map, MapBytes(2, 1));
    store->Settle();
    EXPECT_EQ(Git(Db, "log --format='%an|%s|%b' -n 1"), "Анна Сидорова|Изменён svo2|по письму № 12\n\n");
    EXPECT_EQ(Git(Db, "status --porcelain"), "");
    // Closed at once after a save: the version is recorded before the store goes.
    store->Write("svo3", TPassportFile::Info, InfoBytes(3, 1));
  }
  EXPECT_EQ(Git(Db, "log --format=%s -n 3"), "Изменён svo3\nИзменён svo2\nПервые версии паспортов базы\n");
  EXPECT_EQ(Git(Db, "show HEAD:svo3/info.txt"), InfoBytes(3, 1));
  EXPECT_EQ(Git(Db, "show HEAD~1:svo2/map.txt"), MapBytes(2, 1));
  EXPECT_EQ(Git(Db, "show --name-only --format= HEAD"), "svo3/info.txt\n");
  EXPECT_EQ(Git(Db, "status --porcelain"), "");
}

TEST_F(VersionRecorderTest, AFailedVersionNamesTheSavedFileToTheHandlerOrToSettle) {
  TRecordOptions options;
  // An author git cannot sign with: every version fails, every file is saved.
  options.Author = {"Анна <Сидорова>", "anna@example.org"};
  std::mutex m;
  std::vector<std::string> reported;
  {
    std::shared_ptr<TPassportStore> store = OpenDatabaseStore(Db, {}, options, [&](const std::string& message) {
      std::lock_guard<std::mutex> lock(m);
      reported.push_back(message);
    });
    store->Write("svo1", TPassportFile::Info, InfoBytes(1, 4));
    EXPECT_NO_THROW(store->Settle());
  }
  ASSERT_EQ(reported.size(), 1u);
  EXPECT_EQ(reported[0].rfind(Db + "/svo1/info.txt сохранён, но его версия не записана: ", 0), 0u) << reported[0];

  std::shared_ptr<TPassportStore> store = OpenDatabaseStore(Db, {}, options, TVersionRecorder::TFailureHandler());
  store->Write("svo2", TPassportFile::Map, MapBytes(2, 4));
  try {
    store->Settle();
    ADD_FAILURE() << "a failed version must not settle quietly";
  } catch (const TInOutError& e) {
    EXPECT_NE(std::string(e.what()).find("svo2/map.txt сохранён, но его версия не записана"), std::string::npos) << e.what();
  }
  // Reported once: a second wait has nothing more to say.
  EXPECT_NO_THROW(store->Settle());
  EXPECT_EQ(ReadFileBytes(Db + "/svo1/info.txt"), InfoBytes(1, 4));
  EXPECT_EQ(ReadFileBytes(Db + "/svo2/map.txt"), MapBytes(2, 4));
  EXPECT_EQ(Git(Db, "log --format=%s"), "Первые версии паспортов базы\n");
  EXPECT_EQ(Git(Db, "status --porcelain"), " M svo1/info.txt\n M svo2/map.txt\n");
}

// A save that replaces a file just after it was read for a version: the
// index must describe the file that was read, so that the git program (and
// the next sync) sees the newer one as a change still to record.
TEST_F(VersionRecorderTest, AFileReplacedWhileItsVersionIsMadeStaysAChange) {
  const TDbRepository repo = TDbRepository::OpenExisting(Db);
  WriteFileAtomically(Db + "/svo2/map.txt", MapBytes(2, 1));
  const std::optional<git_oid> tip = repo.Tip();
  TTreePtr root = repo.RootTree(tip);
  const std::optional<git_oid> read = repo.WorkingPassportTree("svo2", root.get());
  ASSERT_TRUE(read);
  // The same size, a new file in its place.
  const std::string later = MapBytes(2, 2);
  ASSERT_EQ(later.size(), MapBytes(2, 1).size());
  WriteFileAtomically(Db + "/svo2/map.txt", later);
  const git_oid tree = repo.ReplaceEntry(root.get(), "svo2", read);
  const git_oid commit = repo.MakeCommit({*tip}, tree, "v\n", {"a", "a@b"});
  repo.MoveBranch(tip, commit);
  repo.IndexPassport("svo2", read);
  EXPECT_EQ(Git(Db, "show HEAD:svo2/map.txt"), MapBytes(2, 1));
  EXPECT_EQ(Git(Db, "status --porcelain"), " M svo2/map.txt\n");
  EXPECT_EQ(ChangedPassports(repo), std::vector<std::string>{"svo2"});
}

}  // namespace

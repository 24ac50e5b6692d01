// The versioned store as the git program sees it: each save one commit of
// one passport, with the configured author and the summary as its message.
#include <gtest/gtest.h>

#include "GitTestSupport.h"
#include "TestSupport.h"
#include "history/History.h"
#include "history/Sync.h"
#include "history/VersionedStore.h"

namespace {

class VersionedStoreTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!HaveGit()) GTEST_SKIP() << "the git program is not installed";
    Db = Tmp.Path() + "db";
  }
  TTempDir Tmp;
  std::string Db;
};

TEST_F(VersionedStoreTest, EachSaveIsOneCommitOfOnePassportWithAuthorSummaryAndComment) {
  MakeDatabase(Db, 3);
  TRecordOptions init;
  init.Author = {"Инженер Петров", "petrov@example.org"};
  DbInit(Db, std::nullopt, init);
  // The attributes keep the passport files from line merges, as git reads them.
  EXPECT_EQ(Git(Db, "check-attr merge -- svo2/map.txt svo3/info.txt"),
            "svo2/map.txt: merge: unset\nsvo3/info.txt: merge: unset\n");
  EXPECT_EQ(Git(Db, "ls-tree -r --name-only HEAD"),
            ".gitattributes\n.gitignore\nsvo1/info.txt\nsvo1/map.txt\nsvo2/info.txt\nsvo2/map.txt\n"
            "svo3/info.txt\nsvo3/map.txt\n");

  TRecordOptions options;
  options.Author = {"Анна Сидорова", "anna@example.org"};
  std::vector<std::pair<TPassportFiles, TPassportFiles>> seen;
  options.Summarizer = [&](const TPassportFiles& before, const TPassportFiles& after) {
    seen.emplace_back(before, after);
    return "Схема: изменён знак";
  };
  std::shared_ptr<TPassportStore> store = OpenDatabaseStore(Db, {}, options);
  auto* versioned = dynamic_cast<TVersionedStore*>(store.get());
  ASSERT_NE(versioned, nullptr);
  versioned->SetNextComment("по письму ГИБДД № 12");
  store->Write("svo2", TPassportFile::Map, MapBytes(2, 1));
  store->Write("svo3", TPassportFile::Info, InfoBytes(3, 1));
  // Writing the same bytes again records nothing.
  store->Write("svo3", TPassportFile::Info, InfoBytes(3, 1));

  EXPECT_EQ(Git(Db, "log --format='%an|%ae|%s|%b|%cn' -n 3"),
            "Анна Сидорова|anna@example.org|Схема: изменён знак||Анна Сидорова\n"
            "Анна Сидорова|anna@example.org|Схема: изменён знак|по письму ГИБДД № 12\n|Анна Сидорова\n"
            "Инженер Петров|petrov@example.org|Первые версии паспортов базы||Инженер Петров\n");
  EXPECT_EQ(Git(Db, "show --name-only --format= HEAD~1"), "svo2/map.txt\n");
  EXPECT_EQ(Git(Db, "show --name-only --format= HEAD"), "svo3/info.txt\n");
  EXPECT_EQ(Git(Db, "show HEAD~1:svo2/map.txt"), MapBytes(2, 1));
  EXPECT_EQ(Git(Db, "status --porcelain"), "");

  ASSERT_EQ(seen.size(), 2u);
  EXPECT_EQ(seen[0].first.id, "svo2");
  EXPECT_EQ(*seen[0].first.map, MapBytes(2, 0));
  EXPECT_EQ(*seen[0].second.map, MapBytes(2, 1));
  EXPECT_EQ(*seen[0].second.info, InfoBytes(2, 0));
  EXPECT_EQ(*seen[1].first.info, InfoBytes(3, 0));
  EXPECT_EQ(*seen[1].second.info, InfoBytes(3, 1));
}

TEST_F(VersionedStoreTest, PlainGitDatabaseWorksAndLockAndUnfinishedFilesStayOut) {
  MakeDatabase(Db, 2);
  Git(Db, "init -q");
  Git(Db, "add -A");
  Git(Db, "commit -q -m 'made by hand'");
  const std::string first = Git(Db, "rev-parse HEAD");

  std::shared_ptr<TPassportStore> store = OpenDatabaseStore(Db);
  ASSERT_NE(dynamic_cast<TVersionedStore*>(store.get()), nullptr);
  WriteBytes(Db + "/svo1/svpass.lock", "");
  WriteBytes(Db + "/svo1/svpass.lock.owner", "me");
  WriteBytes(Db + "/svo1/map.txt.tmp~", "half");
  store->Write("svo1", TPassportFile::Map, MapBytes(1, 5));
  EXPECT_EQ(Git(Db, "rev-parse HEAD~1"), first);
  EXPECT_EQ(Git(Db, "show --name-only --format=%s HEAD"), "Паспорт СО № 1 изменён\n\nsvo1/map.txt\n");
  EXPECT_EQ(Git(Db, "ls-tree -r --name-only HEAD svo1"), "svo1/info.txt\nsvo1/map.txt\n");

  // The tool's history and restore over the same repository.
  TToolRun h = RunTool("history " + Quoted(Db + "/svo1") + " --json");
  ASSERT_EQ(h.Code, 0) << h.Err;
  const std::string head = Git(Db, "rev-parse HEAD");
  const std::string date = Git(Db, "log -1 --format=%aI HEAD");
  const std::string firstDate = Git(Db, "log -1 --format=%aI HEAD~1");
  EXPECT_EQ(h.Out, "{\"passport\":\"svo1\",\"versions\":[{\"rev\":\"" + head.substr(0, 40) + "\",\"date\":\"" +
                       date.substr(0, date.size() - 1) + "\",\"author\":\"" + DefaultAuthorLine() +
                       "\",\"summary\":\"Паспорт СО № 1 изменён\"},{\"rev\":\"" + first.substr(0, 40) +
                       "\",\"date\":\"" + firstDate.substr(0, firstDate.size() - 1) +
                       "\",\"author\":\"Git Client <client@example.org>\",\"summary\":\"made by hand\"}]}\n");
  h = RunTool("history " + Quoted(Db + "/svo2") + " --json");
  EXPECT_EQ(h.Out.find(head.substr(0, 40)), std::string::npos);

  // An edit outside the program, then restore of the first version: the bytes
  // come back exactly and the restore is a version of its own.
  WriteBytes(Db + "/svo1/info.txt", "changed outside\r\n");
  TToolRun c = RunTool("db commit " + Quoted(Db) + " --message 'правка вручную'");
  ASSERT_EQ(c.Code, 0) << c.Err;
  EXPECT_EQ(c.Out, "svo1\n");
  // The message says what changed, in the comparison's words: info.txt's
  // first two lines are the address.
  EXPECT_EQ(Git(Db, "log -1 --format=%B"),
            "первая строка адреса «Адрес 1» → «changed outside»; вторая строка адреса «0» → «»\n\n"
            "правка вручную\n\n");
  TToolRun r = RunTool("restore " + Quoted(Db + "/svo1") + " --rev " + first.substr(0, 12));
  ASSERT_EQ(r.Code, 0) << r.Err;
  EXPECT_EQ(r.Out, Git(Db, "rev-parse HEAD"));
  EXPECT_EQ(ReadBytes(Db + "/svo1/map.txt"), MapBytes(1, 0));
  EXPECT_EQ(ReadBytes(Db + "/svo1/info.txt"), InfoBytes(1, 0));
  EXPECT_EQ(Git(Db, "rev-list --count HEAD"), "4\n");
  EXPECT_EQ(Git(Db, "diff --stat " + first.substr(0, 40) + " HEAD -- svo1"), "");
  // The restore's own write took the place of the unfinished one.
  EXPECT_EQ(Git(Db, "status --porcelain"), "?? svo1/svpass.lock\n?? svo1/svpass.lock.owner\n");

  // Reading a passport at a revision, for the comparison.
  const TDbRepository repo = TDbRepository::OpenExisting(Db);
  const TPassportFiles at = ReadPassportAt(repo, "svo1", "HEAD~1");
  EXPECT_EQ(*at.info, "changed outside\r\n");
  EXPECT_EQ(*at.map, MapBytes(1, 5));
  EXPECT_FALSE(ReadPassportAt(repo, "svo9", "HEAD").map.has_value());
  EXPECT_THROW(ReadPassportAt(repo, "svo1", "nosuchrev"), TGitError);
}

TEST_F(VersionedStoreTest, PlainFolderStaysPlain) {
  MakeDatabase(Db, 1);
  std::shared_ptr<TPassportStore> store = OpenDatabaseStore(Db);
  EXPECT_EQ(dynamic_cast<TVersionedStore*>(store.get()), nullptr);
  store->Write("svo1", TPassportFile::Map, "x");
  EXPECT_EQ(ReadBytes(Db + "/svo1/map.txt"), "x");
  // A database inside someone else's work tree is not versioned by it.
  Git(Tmp.Path(), "init -q");
  EXPECT_EQ(dynamic_cast<TVersionedStore*>(OpenDatabaseStore(Db).get()), nullptr);
  TToolRun h = RunTool("history " + Quoted(Db + "/svo1"));
  EXPECT_EQ(h.Code, 1);
  EXPECT_NE(h.Err.find("not a versioned database"), std::string::npos) << h.Err;
}

}  // namespace

// A shared database through a bare repository: three engineers with their
// own copies, changes of different passports merged, the same passport
// changed twice kept whole on one side and the other reachable; the git
// program checks what the shared repository holds.
#include <gtest/gtest.h>

#include <iostream>

#include "GitTestSupport.h"
#include "TestSupport.h"
#include "history/History.h"
#include "history/Sync.h"

namespace {

class SyncTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!HaveGit()) GTEST_SKIP() << "the git program is not installed";
    Bare = Tmp.Path() + "bare.git";
    // The shared repository's HEAD names a branch the database never has.
    Shell("git init -q --bare --initial-branch=trunk " + Quoted(Bare));
    A = Tmp.Path() + "a";
    B = Tmp.Path() + "b";
    C = Tmp.Path() + "c";
  }
  std::string Tip() { return Shell("git -C " + Quoted(Bare) + " rev-parse --verify -q main").Out; }
  // One `db sync`; the shared branch only ever moves forward.
  TToolRun Sync(const std::string& dir, const std::string& options = "") {
    const std::string before = Tip();
    TToolRun r = RunTool("db sync " + Quoted(dir) + " --json " + options);
    if (!before.empty()) {
      EXPECT_EQ(Shell("git -C " + Quoted(Bare) + " merge-base --is-ancestor " + before.substr(0, 40) + " main").Code, 0)
          << "the shared branch was rewritten";
    }
    return r;
  }
  static std::string Json(const std::string& recorded, const std::string& received, const std::string& sent,
                          const std::string& conflicts = "") {
    return "{\"recorded\":[" + recorded + "],\"received\":[" + received + "],\"sent\":[" + sent +
           "],\"conflicts\":[" + conflicts + "]}\n";
  }
  TTempDir Tmp;
  std::string Bare, A, B, C;
};

TEST_F(SyncTest, ThreeEngineersMergeDifferentPassportsAndKeepBothSidesOfOne) {
  MakeDatabase(A, 4);
  TToolRun r = RunTool("db init " + Quoted(A) + " --remote " + Quoted(Bare));
  ASSERT_EQ(r.Code, 0) << r.Err;
  ASSERT_EQ(RunTool("db clone file://" + Bare + " " + Quoted(B)).Code, 0);
  r = RunTool("db clone " + Quoted(Bare) + " " + Quoted(C));
  ASSERT_EQ(r.Code, 0) << r.Err;
  EXPECT_EQ(Git(C, "rev-parse --abbrev-ref HEAD"), "main\n");
  EXPECT_EQ(ReadBytes(C + "/svo4/info.txt"), InfoBytes(4, 0));

  // Different passports: everything arrives everywhere.
  WriteBytes(A + "/svo1/map.txt", MapBytes(1, 1));
  WriteBytes(B + "/svo2/info.txt", InfoBytes(2, 1));
  WriteBytes(C + "/svo3/map.txt", MapBytes(3, 1));
  Shell("mkdir " + Quoted(C + "/svo5"));
  WriteBytes(C + "/svo5/map.txt", MapBytes(5, 1));
  EXPECT_EQ(Sync(A).Out, Json("\"svo1\"", "", "\"svo1\""));
  EXPECT_EQ(Sync(B).Out, Json("\"svo2\"", "\"svo1\"", "\"svo2\""));
  EXPECT_EQ(Sync(C).Out, Json("\"svo3\",\"svo5\"", "\"svo1\",\"svo2\"", "\"svo3\",\"svo5\""));
  EXPECT_EQ(Sync(A).Out, Json("", "\"svo2\",\"svo3\",\"svo5\"", ""));
  r = Sync(B);
  EXPECT_EQ(r.Code, 0) << r.Err;
  EXPECT_EQ(r.Out, Json("", "\"svo3\",\"svo5\"", ""));
  for (const std::string& dir : {A, B, C}) {
    EXPECT_EQ(ReadBytes(dir + "/svo1/map.txt"), MapBytes(1, 1)) << dir;
    EXPECT_EQ(ReadBytes(dir + "/svo2/info.txt"), InfoBytes(2, 1)) << dir;
    EXPECT_EQ(ReadBytes(dir + "/svo3/map.txt"), MapBytes(3, 1)) << dir;
    EXPECT_EQ(ReadBytes(dir + "/svo5/map.txt"), MapBytes(5, 1)) << dir;
    EXPECT_EQ(Git(dir, "status --porcelain"), "") << dir;
  }

  // The same passport on two sides: C keeps its own, A's stays reachable.
  WriteBytes(A + "/svo4/map.txt", MapBytes(4, 1));
  WriteBytes(C + "/svo4/map.txt", MapBytes(4, 2));
  EXPECT_EQ(Sync(A).Code, 0);
  const std::string mineOfA = Git(A, "rev-parse HEAD").substr(0, 40);
  r = Sync(C);
  EXPECT_EQ(r.Code, 3) << r.Err;
  EXPECT_EQ(r.Out, Json("\"svo4\"", "", "\"svo4\"", "{\"passport\":\"svo4\",\"kept\":\"mine\",\"other\":\"" + mineOfA + "\"}"));
  EXPECT_EQ(ReadBytes(C + "/svo4/map.txt"), MapBytes(4, 2));
  EXPECT_EQ(Git(Bare, "show main:svo4/map.txt"), MapBytes(4, 2));
  EXPECT_EQ(Git(C, "show " + mineOfA + ":svo4/map.txt"), MapBytes(4, 1));
  // No line merge: the passport is byte for byte one side's.
  EXPECT_EQ(Git(Bare, "log -1 --format=%P main").size(), 82u);
  r = RunTool("history " + Quoted(C + "/svo4") + " --json");
  EXPECT_NE(r.Out.find(mineOfA), std::string::npos) << r.Out;
  EXPECT_NE(r.Out.find(Git(C, "rev-parse HEAD^1").substr(0, 40)), std::string::npos) << r.Out;
  // A takes C's version, then brings its own back as a new version.
  EXPECT_EQ(Sync(A).Out, Json("", "\"svo4\"", ""));
  EXPECT_EQ(ReadBytes(A + "/svo4/map.txt"), MapBytes(4, 2));
  r = RunTool("restore " + Quoted(A + "/svo4") + " --rev " + mineOfA);
  ASSERT_EQ(r.Code, 0) << r.Err;
  EXPECT_EQ(ReadBytes(A + "/svo4/map.txt"), MapBytes(4, 1));
  EXPECT_EQ(Sync(A).Out, Json("", "", "\"svo4\""));

  // --prefer theirs: B's file becomes A's; B's own version is `other`.
  WriteBytes(A + "/svo1/map.txt", MapBytes(1, 8));
  WriteBytes(B + "/svo1/map.txt", MapBytes(1, 7));
  EXPECT_EQ(Sync(A).Code, 0);
  r = Sync(B, "--prefer theirs");
  EXPECT_EQ(r.Code, 3) << r.Err;
  const std::string mineOfB = Git(B, "rev-parse HEAD^1").substr(0, 40);
  EXPECT_EQ(r.Out, Json("\"svo1\"", "\"svo1\",\"svo4\"", "",
                        "{\"passport\":\"svo1\",\"kept\":\"theirs\",\"other\":\"" + mineOfB + "\"}"));
  EXPECT_EQ(ReadBytes(B + "/svo1/map.txt"), MapBytes(1, 8));
  EXPECT_EQ(Git(B, "show " + mineOfB + ":svo1/map.txt"), MapBytes(1, 7));
  EXPECT_EQ(Git(B, "status --porcelain"), "");
  EXPECT_EQ(Git(Bare, "rev-parse main"), Git(B, "rev-parse HEAD"));
  std::cout << Git(Bare, "log --graph --oneline main");
}

TEST_F(SyncTest, RefusedPushFetchesMergesAndRetriesAndUnreachableLosesNothing) {
  MakeDatabase(A, 3);
  ASSERT_EQ(RunTool("db init " + Quoted(A) + " --remote " + Quoted(Bare)).Code, 0);
  Git(Tmp.Path(), "clone -q -b main " + Quoted(Bare) + " other");
  const std::string other = Tmp.Path() + "other";
  WriteBytes(A + "/svo1/map.txt", MapBytes(1, 1));

  TSyncOptions options;
  int pushes = 0;
  options.Progress = [&](TSyncStage stage, int) {
    if (stage != TSyncStage::Pushing || pushes++ != 0) return;
    // Another engineer pushes with the git program between our fetch and push.
    WriteBytes(other + "/svo3/info.txt", InfoBytes(3, 9));
    Git(other, "commit -q -am 'by git'");
    Git(other, "push -q origin main");
  };
  const TSyncResult result = DbSync(A, options);
  EXPECT_EQ(pushes, 2);
  EXPECT_EQ(result.Recorded, std::vector<std::string>{"svo1"});
  EXPECT_EQ(result.Received, std::vector<std::string>{"svo3"});
  EXPECT_EQ(result.Sent, std::vector<std::string>{"svo1"});
  EXPECT_TRUE(result.Conflicts.empty());
  EXPECT_EQ(ReadBytes(A + "/svo3/info.txt"), InfoBytes(3, 9));
  EXPECT_EQ(Git(Bare, "show main:svo1/map.txt"), MapBytes(1, 1));
  EXPECT_EQ(Shell("git -C " + Quoted(Bare) + " merge-base --is-ancestor " + Git(other, "rev-parse HEAD").substr(0, 40) +
                  " main")
                .Code,
            0);

  // The shared copy gone: failure, with the new version recorded locally.
  WriteBytes(A + "/svo2/map.txt", MapBytes(2, 4));
  Git(A, "remote set-url origin " + Quoted(Tmp.Path() + "gone.git"));
  const TToolRun r = RunTool("db sync " + Quoted(A) + " --json");
  EXPECT_EQ(r.Code, 1);
  EXPECT_EQ(r.Out, "");
  EXPECT_NE(r.Err.find("gone.git"), std::string::npos) << r.Err;
  EXPECT_EQ(Git(A, "show HEAD:svo2/map.txt"), MapBytes(2, 4));
  EXPECT_EQ(Git(A, "status --porcelain"), "");
}

}  // namespace

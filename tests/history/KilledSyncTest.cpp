// A sync killed outright at each of its steps: the working folder and the
// repository stay consistent, the next sync completes, and no work is lost
// or recorded twice.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>

#include "GitTestSupport.h"
#include "TestSupport.h"
#include "history/Sync.h"

namespace {

struct TKillPoint {
  TSyncStage Stage;
  int Count;
  const char* Name;
};

class KilledSyncTest : public ::testing::TestWithParam<TKillPoint> {};

TEST_P(KilledSyncTest, NextSyncCompletesAndNothingIsLost) {
  if (!HaveGit()) GTEST_SKIP() << "the git program is not installed";
  TTempDir tmp;
  const std::string bare = tmp.Path() + "bare.git", a = tmp.Path() + "a", b = tmp.Path() + "b";
  Shell("git init -q --bare --initial-branch=main " + Quoted(bare));
  MakeDatabase(a, 4);
  TRecordOptions engineerA;
  engineerA.Author = {"Engineer A", "a@example.org"};
  DbInit(a, bare, engineerA);
  DbClone(bare, b);
  for (int n = 1; n <= 3; ++n) WriteBytes(a + "/svo" + std::to_string(n) + "/map.txt", MapBytes(n, 1));
  TSyncOptions syncA;
  syncA.Record = engineerA;
  DbSync(a, syncA);
  WriteBytes(b + "/svo4/info.txt", InfoBytes(4, 1));

  const TKillPoint point = GetParam();
  const pid_t pid = ::fork();
  ASSERT_GE(pid, 0);
  if (pid == 0) {
    TSyncOptions options;
    options.Record.Author = {"Engineer B", "b@example.org"};
    options.Progress = [&](TSyncStage stage, int count) {
      if (stage == point.Stage && count == point.Count) ::raise(SIGKILL);
    };
    try {
      DbSync(b, options);
    } catch (...) {
      ::_exit(2);
    }
    ::_exit(0);
  }
  int status = 0;
  ASSERT_EQ(::waitpid(pid, &status, 0), pid);
  ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) << "the sync was not killed at " << point.Name;

  const TToolRun r = RunTool("db sync " + Quoted(b) + " --json");
  ASSERT_EQ(r.Code, 0) << r.Err;
  for (int n = 1; n <= 3; ++n) EXPECT_EQ(ReadBytes(b + "/svo" + std::to_string(n) + "/map.txt"), MapBytes(n, 1)) << n;
  EXPECT_EQ(ReadBytes(b + "/svo4/info.txt"), InfoBytes(4, 1));
  EXPECT_EQ(Git(b, "status --porcelain --ignored"), "");
  EXPECT_EQ(Shell("git -C " + Quoted(b) + " fsck --no-progress >/dev/null 2>&1").Code, 0);
  EXPECT_EQ(Git(bare, "show main:svo4/info.txt"), InfoBytes(4, 1));
  EXPECT_EQ(Git(bare, "show main:svo2/map.txt"), MapBytes(2, 1));
  EXPECT_EQ(Git(bare, "rev-parse main"), Git(b, "rev-parse HEAD"));
  // A's passports were never recorded again by B; B's change exactly once.
  EXPECT_EQ(Git(b, "log --full-history --no-merges --format=%an main -- svo1 svo2 svo3"), "Engineer A\nEngineer A\nEngineer A\nEngineer A\n");
  EXPECT_EQ(Git(b, "log --full-history --no-merges --format=%s main -- svo4"),
            "Паспорт СО № 4 изменён\nПервые версии паспортов базы\n");
}

INSTANTIATE_TEST_SUITE_P(Points, KilledSyncTest,
                         ::testing::Values(TKillPoint{TSyncStage::Fetching, 0, "Fetching"},
                                           TKillPoint{TSyncStage::Merging, 0, "Merging"},
                                           TKillPoint{TSyncStage::Writing, 1, "WroteOne"},
                                           TKillPoint{TSyncStage::Writing, 2, "WroteTwo"},
                                           TKillPoint{TSyncStage::Moved, 0, "Moved"},
                                           TKillPoint{TSyncStage::Pushing, 0, "Pushing"},
                                           TKillPoint{TSyncStage::Done, 0, "Done"}),
                         [](const ::testing::TestParamInfo<TKillPoint>& info) { return info.param.Name; });

}  // namespace

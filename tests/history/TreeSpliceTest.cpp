// The root tree of a database is spliced as stored: git's order of entries
// (a folder sorts as if its name ended in '/') must come out exactly as the
// git program makes it.
#include <gtest/gtest.h>

#include <map>

#include "GitTestSupport.h"
#include "TestSupport.h"
#include "history/Repository.h"

namespace {

TEST(TreeSplice, EntriesInsertedReplacedAndRemovedInGitsOrder) {
  if (!HaveGit()) GTEST_SKIP() << "the git program is not installed";
  TTempDir tmp;
  const std::string db = tmp.Path() + "db";
  Git(tmp.Path(), "init -q db");
  TDbRepository repo = TDbRepository::OpenExisting(db);
  git_oid blob, other;
  ASSERT_EQ(git_blob_create_from_buffer(&blob, repo.Get(), "a", 1), 0);
  ASSERT_EQ(git_blob_create_from_buffer(&other, repo.Get(), "b", 1), 0);
  git_oid sub;
  {
    git_treebuilder* b = nullptr;
    ASSERT_EQ(git_treebuilder_new(&b, repo.Get(), nullptr), 0);
    ASSERT_EQ(git_treebuilder_insert(nullptr, b, "map.txt", &blob, GIT_FILEMODE_BLOB), 0);
    ASSERT_EQ(git_treebuilder_write(&sub, b), 0);
    git_treebuilder_free(b);
  }
  // Names whose order differs between plain byte order and git's: "svo1"
  // (a folder, as "svo1/") after "svo1.txt" and "svo1-old" but before "svo10".
  struct TStep {
    const char* Name;
    bool Folder;
    bool Remove;
  };
  const TStep steps[] = {{"svo2", true, false},    {"svo10", true, false},   {"svo1", true, false},
                         {"svo1.txt", false, false}, {"svo1-old", true, false}, {".gitattributes", false, false},
                         {"svo1a", true, false},   {"svo10", true, true},    {"svo1", false, false},
                         {"svo1", true, false},    {"zzz", false, false},    {"svo2", true, true}};
  std::map<std::string, std::string> listing;  // name → mktree line
  git_tree* root = nullptr;
  for (const TStep& s : steps) {
    const std::optional<git_oid> entry =
        s.Remove ? std::nullopt : std::optional<git_oid>(s.Folder ? sub : (listing.count(s.Name) ? other : blob));
    const git_oid id =
        repo.ReplaceEntry(root, s.Name, entry, s.Folder ? GIT_FILEMODE_TREE : GIT_FILEMODE_BLOB);
    if (s.Remove)
      listing.erase(s.Name);
    else
      listing[s.Name] = std::string(s.Folder ? "040000 tree " : "100644 blob ") + OidHex(*entry) + "\t" + s.Name;
    git_tree_free(root);
    ASSERT_EQ(git_tree_lookup(&root, repo.Get(), &id), 0);
    std::string input;
    for (const auto& [name, line] : listing) input += line + "\n";
    WriteBytes(tmp.Path() + "mktree.txt", input);
    EXPECT_EQ(Git(db, "mktree < " + Quoted(tmp.Path() + "mktree.txt")), OidHex(id) + "\n") << "after " << s.Name;
  }
  git_tree_free(root);
  const TShellRun fsck = Shell("git -C " + Quoted(db) + " fsck --no-progress --no-dangling --strict 2>&1");
  EXPECT_EQ(fsck.Code, 0) << fsck.Out;
  EXPECT_EQ(fsck.Out.find("error"), std::string::npos) << fsck.Out;
}

}  // namespace

#pragma once
// The repository of a versioned database: the database folder is its work
// tree, each passport directory `svoN/` one entry of the root tree. Every
// change of the branch goes through MoveBranch, which moves it only from the
// tip it was read at, so two writers never undo each other.
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "Author.h"
#include "GitHandles.h"
#include "PassportFiles.h"

// The branch a new database starts on.
constexpr const char* kDefaultBranch = "main";

class TDbRepository {
 public:
  // The repository whose work tree is exactly `database`; nothing when the
  // folder is not the top of a git work tree.
  static std::optional<TDbRepository> Open(const std::string& database);
  // Opens it, or makes an empty one on kDefaultBranch.
  static TDbRepository OpenOrInit(const std::string& database);
  // Throws TGitError when `database` is no versioned database.
  static TDbRepository OpenExisting(const std::string& database);

  git_repository* Get() const { return Repo_.get(); }
  // The database folder, with a trailing separator.
  const std::string& Database() const { return Database_; }
  // "refs/heads/main": the branch HEAD names, born or not.
  std::string BranchRef() const;
  // "main".
  std::string BranchName() const;
  // The branch's tip; nothing before the first version.
  std::optional<git_oid> Tip() const;

  TCommitPtr Commit(const git_oid& id) const;
  // The root tree of a commit; an empty tree for nothing.
  TTreePtr RootTree(const std::optional<git_oid>& commit) const;
  // The id of the root tree's entry `name` (a passport's tree), if any.
  static std::optional<git_oid> EntryId(const git_tree* root, const std::string& name);
  // The files of passport `id` as they are in `commit`.
  TPassportFiles FilesAt(const std::optional<git_oid>& commit, const std::string& id) const;
  TPassportFiles FilesIn(const git_tree* root, const std::string& id) const;

  // The tree of passport `id` as it is in the working folder: its regular
  // files (but the editing lock and unfinished writes) over what `root` has
  // under it, so that subfolders and other entries stay as they were.
  // Nothing when the passport has no files left.
  std::optional<git_oid> WorkingPassportTree(const std::string& id, const git_tree* root) const;
  // `root` with its entry `name` set to `entry` (removed for nothing).
  git_oid ReplaceEntry(const git_tree* root, const std::string& name, const std::optional<git_oid>& entry,
                       git_filemode_t mode = GIT_FILEMODE_TREE) const;
  // A new commit object (no branch moves).
  git_oid MakeCommit(const std::vector<git_oid>& parents, const git_oid& tree, const std::string& message,
                     const TAuthor& author) const;
  // Moves the branch from `from` (nothing: the branch is unborn) to `to`.
  // Throws TGitError when the branch is no longer at `from`.
  void MoveBranch(const std::optional<git_oid>& from, const git_oid& to) const;
  // Brings the index entries of the given root entries in line with the
  // working folder, so that git's own tools see the folder clean.
  void RefreshIndex(const std::vector<std::string>& names) const;
  // The same for one passport just recorded as the tree `passportTree`,
  // from the ids already known (its files are not read again).
  void IndexPassport(const std::string& id, const std::optional<git_oid>& passportTree) const;

  // Whether the working folder file `name` (inside a passport) is left out
  // of its versions.
  static bool Unversioned(const std::string& name);

 private:
  // A working file as it was found just before it was read for a version:
  // what the index records of it. A file replaced after it was read then
  // differs from its index entry, and git's tools (and the next sync) read
  // it again instead of taking the older bytes for it.
  struct TFileStamp {
    int64_t CtimeSec = 0, MtimeSec = 0;
    uint32_t CtimeNsec = 0, MtimeNsec = 0, Dev = 0, Ino = 0, Uid = 0, Gid = 0, Size = 0;
  };
  // The root tree last written, as stored: the next save of a passport splices
  // it without reading it back from the object store.
  struct TStoredTree {
    git_oid Id{};
    std::string Data;
  };

  TDbRepository(TRepoPtr repo, std::string database) : Repo_(std::move(repo)), Database_(std::move(database)) {}
  void IndexFile(git_index* index, const std::string& path, const git_oid& blob) const;

  TRepoPtr Repo_;
  std::string Database_;
  // Keyed by the path in the repository ("svo7/map.txt").
  mutable std::map<std::string, TFileStamp> Stamps_;
  mutable std::optional<TStoredTree> LastRoot_;
};

// An empty repository in `dir` (made when missing), its branch kDefaultBranch.
TRepoPtr InitRepository(const std::string& dir);

std::string OidHex(const git_oid& id);
// Two optional ids are the same entry (both absent, or equal).
bool SameEntry(const std::optional<git_oid>& a, const std::optional<git_oid>& b);

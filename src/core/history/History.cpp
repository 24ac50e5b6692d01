#include "History.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <unordered_map>

#include "Sync.h"
#include "platform/TextFile.h"

namespace {

struct TOidHash {
  std::size_t operator()(const git_oid& id) const {
    std::size_t h;
    static_assert(sizeof h <= GIT_OID_RAWSZ, "an id is longer than a hash");
    std::copy(id.id, id.id + sizeof h, reinterpret_cast<unsigned char*>(&h));
    return h;
  }
};
struct TOidEq {
  bool operator()(const git_oid& a, const git_oid& b) const { return git_oid_equal(&a, &b); }
};

std::string TrimEnd(std::string s) {
  while (!s.empty() && (s.back() == '\n' || s.back() == '\r' || s.back() == ' ')) s.pop_back();
  return s;
}

}  // namespace

std::vector<TPassportVersion> PassportHistory(const TDbRepository& repo, const std::string& id) {
  std::vector<TPassportVersion> versions;
  const std::optional<git_oid> tip = repo.Tip();
  if (!tip) return versions;
  git_revwalk* raw = nullptr;
  GitCheck(git_revwalk_new(&raw, repo.Get()), "cannot walk the versions");
  TRevwalkPtr walk(raw);
  // Versions recorded within one second (a save, then a sync) keep their
  // order: a version always comes before the ones it was made from.
  git_revwalk_sorting(raw, GIT_SORT_TOPOLOGICAL | GIT_SORT_TIME);
  GitCheck(git_revwalk_push(raw, &*tip), "cannot walk the versions");
  // The passport's entry in each root tree seen, so each tree is read once.
  std::unordered_map<git_oid, std::optional<git_oid>, TOidHash, TOidEq> entries;
  auto entryOf = [&](const git_oid& treeId) -> std::optional<git_oid> {
    auto it = entries.find(treeId);
    if (it != entries.end()) return it->second;
    git_tree* t = nullptr;
    GitCheck(git_tree_lookup(&t, repo.Get(), &treeId), "cannot read a version");
    TTreePtr tree(t);
    const std::optional<git_oid> e = TDbRepository::EntryId(t, id);
    entries.emplace(treeId, e);
    return e;
  };
  for (git_oid cid; git_revwalk_next(&cid, raw) == 0;) {
    TCommitPtr c = repo.Commit(cid);
    const git_oid treeId = *git_commit_tree_id(c.get());
    const unsigned parents = git_commit_parentcount(c.get());
    bool sameAsParent = false;
    std::optional<git_oid> mine;
    bool mineRead = false;
    for (unsigned i = 0; i < parents && !sameAsParent; ++i) {
      git_commit* p = nullptr;
      GitCheck(git_commit_parent(&p, c.get(), i), "cannot read a version");
      TCommitPtr parent(p);
      const git_oid parentTree = *git_commit_tree_id(p);
      if (git_oid_equal(&parentTree, &treeId)) {
        sameAsParent = true;
        break;
      }
      if (!mineRead) {
        mine = entryOf(treeId);
        mineRead = true;
      }
      sameAsParent = SameEntry(mine, entryOf(parentTree));
    }
    if (sameAsParent) continue;
    if (parents == 0 && !entryOf(treeId)) continue;
    const git_signature* s = git_commit_author(c.get());
    versions.push_back({OidHex(cid), IsoDate(s->when), std::string(s->name) + " <" + s->email + ">",
                        TrimEnd(git_commit_message(c.get()))});
  }
  return versions;
}

git_oid ResolveRevision(const TDbRepository& repo, const std::string& rev) {
  git_object* raw = nullptr;
  GitCheck(git_revparse_single(&raw, repo.Get(), rev.c_str()), "no version " + rev);
  TObjectPtr obj(raw);
  git_object* peeled = nullptr;
  GitCheck(git_object_peel(&peeled, raw, GIT_OBJECT_COMMIT), "no version " + rev);
  TObjectPtr commit(peeled);
  return *git_object_id(peeled);
}

TPassportFiles ReadPassportAt(const TDbRepository& repo, const std::string& id, const std::string& rev) {
  return repo.FilesAt(ResolveRevision(repo, rev), id);
}

TPassportFiles ReadWorkingPassport(const TDbRepository& repo, const std::string& id) {
  TPassportFiles f;
  f.id = id;
  const std::string dir = repo.Database() + id + "/";
  if (FileExists(dir + "map.txt")) f.map = ReadFileBytes(dir + "map.txt");
  if (FileExists(dir + "info.txt")) f.info = ReadFileBytes(dir + "info.txt");
  return f;
}

std::optional<git_oid> RestorePassport(const TDbRepository& repo, const std::string& id, const std::string& rev,
                                       TRecordOptions options) {
  const git_oid commit = ResolveRevision(repo, rev);
  const TPassportFiles files = repo.FilesAt(commit, id);
  if (!files.map && !files.info) throw TGitError(GIT_ENOTFOUND, "version " + rev + " has no passport " + id);
  const std::string dir = repo.Database() + id + "/";
  // A passport removed since comes back with its folder.
  if (::mkdir(dir.c_str(), 0777) != 0 && errno != EEXIST) throw TInOutError(kIoWriteFault, "cannot create " + dir);
  auto put = [&](const char* name, const std::optional<std::string>& bytes) {
    if (bytes)
      WriteFileAtomically(dir + name, *bytes);
    else if (::unlink((dir + name).c_str()) != 0 && errno != ENOENT)
      throw TInOutError(kIoWriteFault, "cannot remove " + dir + name);
  };
  put("map.txt", files.map);
  put("info.txt", files.info);
  TCommitPtr c = repo.Commit(commit);
  const std::string note = "Восстановлена версия " + OidHex(commit).substr(0, 10) + " от " +
                           IsoDate(git_commit_author(c.get())->when);
  options.Comment = options.Comment.empty() ? note : note + "\n\n" + options.Comment;
  return RecordPassport(repo, id, options);
}

TPassportPlace PassportPlace(const std::string& passportDir) {
  std::string dir = passportDir;
  while (dir.size() > 1 && dir.back() == '/') dir.pop_back();
  const std::size_t slash = dir.find_last_of('/');
  if (slash == std::string::npos) return {"./", dir};
  return {dir.substr(0, slash + 1), dir.substr(slash + 1)};
}

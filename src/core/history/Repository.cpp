#include "Repository.h"

#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <set>

#include "platform/TextFile.h"

namespace {

std::string RealDir(const std::string& path) {
  char buf[PATH_MAX];
  if (!::realpath(path.c_str(), buf)) return std::string();
  std::string s = buf;
  if (s.empty() || s.back() != '/') s += '/';
  return s;
}

// The regular files directly in `dir` that belong to a passport's versions.
std::set<std::string> VersionedFiles(git_repository* repo, const std::string& dir, const std::string& id) {
  std::set<std::string> names;
  DIR* d = ::opendir(dir.c_str());
  if (!d) return names;
  while (const dirent* e = ::readdir(d)) {
    const std::string name = e->d_name;
    if (name == "." || name == ".." || TDbRepository::Unversioned(name)) continue;
    struct stat st {};
    if (::stat((dir + name).c_str(), &st) != 0 || !S_ISREG(st.st_mode)) continue;
    // The passport's own files are always versioned; anything else beside
    // them as git's ignore rules say.
    int ignored = 0;
    if (name != "map.txt" && name != "info.txt" &&
        git_ignore_path_is_ignored(&ignored, repo, (id + "/" + name).c_str()) == 0 && ignored)
      continue;
    names.insert(name);
  }
  ::closedir(d);
  return names;
}

}  // namespace

std::string OidHex(const git_oid& id) {
  char buf[GIT_OID_HEXSZ + 1];
  git_oid_tostr(buf, sizeof buf, &id);
  return buf;
}

bool SameEntry(const std::optional<git_oid>& a, const std::optional<git_oid>& b) {
  if (a.has_value() != b.has_value()) return false;
  return !a || git_oid_equal(&*a, &*b);
}

bool TDbRepository::Unversioned(const std::string& name) {
  // The editing lock and its owner note live in the passport's folder; a
  // write cut short leaves its temporary file beside the passport's file.
  if (name == "svpass.lock" || name == "svpass.lock.owner") return true;
  const std::string tmp = ".tmp~";
  return name.size() >= tmp.size() && name.compare(name.size() - tmp.size(), tmp.size(), tmp) == 0;
}

std::optional<TDbRepository> TDbRepository::Open(const std::string& database) {
  EnsureGitLibrary();
  const std::string real = RealDir(database);
  if (real.empty()) return std::nullopt;
  git_repository* raw = nullptr;
  if (git_repository_open_ext(&raw, real.c_str(), GIT_REPOSITORY_OPEN_NO_SEARCH, nullptr) != 0) return std::nullopt;
  TRepoPtr repo(raw);
  const char* workdir = git_repository_workdir(raw);
  if (!workdir || RealDir(workdir) != real) return std::nullopt;
  return TDbRepository(std::move(repo), real);
}

TDbRepository TDbRepository::OpenOrInit(const std::string& database) {
  if (std::optional<TDbRepository> r = Open(database)) return std::move(*r);
  InitRepository(database);
  return OpenExisting(database);
}

TRepoPtr InitRepository(const std::string& dir) {
  EnsureGitLibrary();
  git_repository_init_options opts{};
  git_repository_init_options_init(&opts, GIT_REPOSITORY_INIT_OPTIONS_VERSION);
  opts.flags = GIT_REPOSITORY_INIT_MKPATH | GIT_REPOSITORY_INIT_NO_REINIT;
  opts.initial_head = kDefaultBranch;
  git_repository* raw = nullptr;
  GitCheck(git_repository_init_ext(&raw, dir.c_str(), &opts), "cannot make a versioned database in " + dir);
  return TRepoPtr(raw);
}

TDbRepository TDbRepository::OpenExisting(const std::string& database) {
  if (std::optional<TDbRepository> r = Open(database)) return std::move(*r);
  throw TGitError(GIT_ENOTFOUND, database + " is not a versioned database (no repository at its top)");
}

std::string TDbRepository::BranchRef() const {
  git_reference* raw = nullptr;
  GitCheck(git_reference_lookup(&raw, Get(), "HEAD"), "cannot read HEAD");
  TRefPtr head(raw);
  if (git_reference_type(raw) == GIT_REFERENCE_SYMBOLIC) return git_reference_symbolic_target(raw);
  throw TGitError(GIT_EINVALID, "the database is not on a branch (detached HEAD)");
}

std::string TDbRepository::BranchName() const {
  const std::string ref = BranchRef();
  const std::string prefix = "refs/heads/";
  return ref.compare(0, prefix.size(), prefix) == 0 ? ref.substr(prefix.size()) : ref;
}

std::optional<git_oid> TDbRepository::Tip() const {
  git_oid id;
  const int rc = git_reference_name_to_id(&id, Get(), BranchRef().c_str());
  if (rc == GIT_ENOTFOUND) return std::nullopt;
  GitCheck(rc, "cannot read the branch");
  return id;
}

TCommitPtr TDbRepository::Commit(const git_oid& id) const {
  git_commit* raw = nullptr;
  GitCheck(git_commit_lookup(&raw, Get(), &id), "no version " + OidHex(id));
  return TCommitPtr(raw);
}

TTreePtr TDbRepository::RootTree(const std::optional<git_oid>& commit) const {
  git_tree* raw = nullptr;
  if (!commit) {
    git_oid empty;
    TTreeBuilderPtr b([&] {
      git_treebuilder* bld = nullptr;
      GitCheck(git_treebuilder_new(&bld, Get(), nullptr), "cannot build a tree");
      return bld;
    }());
    GitCheck(git_treebuilder_write(&empty, b.get()), "cannot write a tree");
    GitCheck(git_tree_lookup(&raw, Get(), &empty), "cannot read the empty tree");
    return TTreePtr(raw);
  }
  GitCheck(git_commit_tree(&raw, Commit(*commit).get()), "cannot read the tree of " + OidHex(*commit));
  return TTreePtr(raw);
}

std::optional<git_oid> TDbRepository::EntryId(const git_tree* root, const std::string& name) {
  if (!root) return std::nullopt;
  const git_tree_entry* e = git_tree_entry_byname(root, name.c_str());
  if (!e) return std::nullopt;
  return *git_tree_entry_id(e);
}

TPassportFiles TDbRepository::FilesAt(const std::optional<git_oid>& commit, const std::string& id) const {
  TTreePtr root = RootTree(commit);
  return FilesIn(root.get(), id);
}

TPassportFiles TDbRepository::FilesIn(const git_tree* root, const std::string& id) const {
  TPassportFiles files;
  files.id = id;
  auto read = [&](const char* name) -> std::optional<std::string> {
    git_tree_entry* raw = nullptr;
    if (git_tree_entry_bypath(&raw, root, (id + "/" + name).c_str()) != 0) return std::nullopt;
    TTreeEntryPtr entry(raw);
    if (git_tree_entry_type(raw) != GIT_OBJECT_BLOB) return std::nullopt;
    git_blob* blob = nullptr;
    GitCheck(git_blob_lookup(&blob, Get(), git_tree_entry_id(raw)), "cannot read " + id + "/" + name);
    TBlobPtr b(blob);
    return std::string(static_cast<const char*>(git_blob_rawcontent(blob)),
                       static_cast<std::size_t>(git_blob_rawsize(blob)));
  };
  files.map = read("map.txt");
  files.info = read("info.txt");
  return files;
}

std::optional<git_oid> TDbRepository::WorkingPassportTree(const std::string& id, const git_tree* root) const {
  const std::string dir = Database_ + id + "/";
  const std::set<std::string> files = VersionedFiles(Get(), dir, id);
  git_tree* baseRaw = nullptr;
  if (root) {
    const git_tree_entry* e = git_tree_entry_byname(root, id.c_str());
    if (e && git_tree_entry_type(e) == GIT_OBJECT_TREE)
      GitCheck(git_tree_lookup(&baseRaw, Get(), git_tree_entry_id(e)), "cannot read the tree of " + id);
  }
  TTreePtr base(baseRaw);
  git_treebuilder* raw = nullptr;
  GitCheck(git_treebuilder_new(&raw, Get(), baseRaw), "cannot build the tree of " + id);
  TTreeBuilderPtr bld(raw);
  // Files gone from the folder leave the version; subfolders stay as they were.
  struct TGone {
    const std::set<std::string>* Files;
  } gone{&files};
  git_treebuilder_filter(
      raw,
      [](const git_tree_entry* e, void* payload) -> int {
        const auto* g = static_cast<TGone*>(payload);
        return git_tree_entry_type(e) == GIT_OBJECT_BLOB && !g->Files->count(git_tree_entry_name(e)) ? 1 : 0;
      },
      &gone);
  for (const std::string& name : files) {
    struct stat st {};
    if (::stat((dir + name).c_str(), &st) == 0) {
      TFileStamp& f = Stamps_[id + "/" + name];
      f.CtimeSec = st.st_ctim.tv_sec;
      f.CtimeNsec = static_cast<uint32_t>(st.st_ctim.tv_nsec);
      f.MtimeSec = st.st_mtim.tv_sec;
      f.MtimeNsec = static_cast<uint32_t>(st.st_mtim.tv_nsec);
      f.Dev = static_cast<uint32_t>(st.st_dev);
      f.Ino = static_cast<uint32_t>(st.st_ino);
      f.Uid = st.st_uid;
      f.Gid = st.st_gid;
      f.Size = static_cast<uint32_t>(st.st_size);
    }
    const std::string bytes = ReadFileBytes(dir + name);
    git_oid blob;
    GitCheck(git_blob_create_from_buffer(&blob, Get(), bytes.data(), bytes.size()), "cannot keep " + dir + name);
    GitCheck(git_treebuilder_insert(nullptr, raw, name.c_str(), &blob, GIT_FILEMODE_BLOB), "cannot keep " + dir + name);
  }
  if (git_treebuilder_entrycount(raw) == 0) return std::nullopt;
  git_oid tree;
  GitCheck(git_treebuilder_write(&tree, raw), "cannot write the tree of " + id);
  return tree;
}

namespace {

// git's order of tree entries: by name, a folder's name as if it ended in '/'.
int EntryOrder(const char* a, std::size_t alen, bool adir, const char* b, std::size_t blen, bool bdir) {
  const std::size_t common = std::min(alen, blen);
  if (const int c = std::memcmp(a, b, common)) return c;
  const unsigned char ca = alen > common ? static_cast<unsigned char>(a[common]) : (adir ? '/' : '\0');
  const unsigned char cb = blen > common ? static_cast<unsigned char>(b[common]) : (bdir ? '/' : '\0');
  return ca - cb;
}

}  // namespace

git_oid TDbRepository::ReplaceEntry(const git_tree* root, const std::string& name, const std::optional<git_oid>& entry,
                                    git_filemode_t mode) const {
  // The root tree is spliced as it is stored, one entry swapped, rather than
  // built again entry by entry: a save of one passport in a database of
  // thousands costs the same as in a small one, but for the copying.
  git_odb* odbRaw = nullptr;
  GitCheck(git_repository_odb(&odbRaw, Get()), "cannot open the object store");
  TGitPtr<git_odb, git_odb_free> odb(odbRaw);
  std::string data;
  if (root && LastRoot_ && git_oid_equal(&LastRoot_->Id, git_tree_id(root))) {
    data = std::move(LastRoot_->Data);
    LastRoot_.reset();
  } else if (root) {
    git_odb_object* obj = nullptr;
    GitCheck(git_odb_read(&obj, odbRaw, git_tree_id(root)), "cannot read the database tree");
    data.assign(static_cast<const char*>(git_odb_object_data(obj)), git_odb_object_size(obj));
    git_odb_object_free(obj);
  }
  const bool dir = mode == GIT_FILEMODE_TREE;
  // Each entry: "<mode> <name>\0<20 bytes of id>". The entry of the same
  // name goes first (a passport folder may become a file or the other way
  // round, which sorts elsewhere), then the new one goes in its place.
  struct TSpan {
    std::size_t Begin, NameBegin, NameEnd, End;
    bool Folder;
  };
  auto next = [&](std::size_t pos) {
    const std::size_t space = data.find(' ', pos);
    const std::size_t nul = space == std::string::npos ? space : data.find('\0', space);
    if (nul == std::string::npos || nul + 1 + GIT_OID_RAWSZ > data.size())
      throw TGitError(GIT_EINVALID, "the database tree is damaged");
    return TSpan{pos, space + 1, nul, nul + 1 + GIT_OID_RAWSZ, data.compare(pos, space - pos, "40000") == 0};
  };
  for (std::size_t pos = 0; pos < data.size();) {
    const TSpan e = next(pos);
    if (data.compare(e.NameBegin, e.NameEnd - e.NameBegin, name) == 0) {
      data.erase(e.Begin, e.End - e.Begin);
      break;
    }
    pos = e.End;
  }
  std::size_t at = data.size();
  for (std::size_t pos = 0; pos < data.size();) {
    const TSpan e = next(pos);
    if (EntryOrder(data.data() + e.NameBegin, e.NameEnd - e.NameBegin, e.Folder, name.data(), name.size(), dir) > 0) {
      at = e.Begin;
      break;
    }
    pos = e.End;
  }
  std::string record;
  if (entry) {
    char modeText[16];
    std::snprintf(modeText, sizeof modeText, "%o", static_cast<unsigned>(mode));
    record = std::string(modeText) + " " + name + '\0' + std::string(reinterpret_cast<const char*>(entry->id), GIT_OID_RAWSZ);
  }
  data.insert(at, record);
  git_oid tree;
  GitCheck(git_odb_write(&tree, odbRaw, data.data(), data.size(), GIT_OBJECT_TREE), "cannot write the database tree");
  LastRoot_ = TStoredTree{tree, std::move(data)};
  return tree;
}

git_oid TDbRepository::MakeCommit(const std::vector<git_oid>& parents, const git_oid& tree, const std::string& message,
                                  const TAuthor& author) const {
  // The signature checks the name and the address (no angle brackets, no
  // line ends) and takes the time and the zone.
  git_signature* sigRaw = nullptr;
  GitCheck(git_signature_now(&sigRaw, author.Name.empty() ? "svpass" : author.Name.c_str(), author.Email.c_str()),
           "cannot name the author " + author.Name);
  TSignaturePtr sig(sigRaw);
  const int offset = sigRaw->when.offset;
  char zone[16];
  std::snprintf(zone, sizeof zone, "%c%02d%02d", offset < 0 ? '-' : '+', std::abs(offset) / 60, std::abs(offset) % 60);
  const std::string who =
      std::string(sigRaw->name) + " <" + sigRaw->email + "> " + std::to_string(sigRaw->when.time) + " " + zone + "\n";
  // Written as the object's text, so that the new root tree is not read back.
  std::string text = "tree " + OidHex(tree) + "\n";
  for (const git_oid& p : parents) text += "parent " + OidHex(p) + "\n";
  text += "author " + who + "committer " + who + "\n" + message;
  git_odb* odbRaw = nullptr;
  GitCheck(git_repository_odb(&odbRaw, Get()), "cannot open the object store");
  TGitPtr<git_odb, git_odb_free> odb(odbRaw);
  git_oid id;
  GitCheck(git_odb_write(&id, odbRaw, text.data(), text.size(), GIT_OBJECT_COMMIT), "cannot record a version");
  return id;
}

void TDbRepository::MoveBranch(const std::optional<git_oid>& from, const git_oid& to) const {
  git_reference* raw = nullptr;
  const std::string ref = BranchRef();
  const int rc = from ? git_reference_create_matching(&raw, Get(), ref.c_str(), &to, 1, &*from, "svpass")
                      : git_reference_create(&raw, Get(), ref.c_str(), &to, 0, "svpass");
  TRefPtr r(raw);
  GitCheck(rc, "the database changed meanwhile; nothing was lost, try again");
}

// Adds a working file whose blob is known to the index, with the stat data
// it had just before it was read, so that git's tools see it unchanged
// without reading it again. (Its stat data now would belong to whatever a
// save put there meanwhile: git would take that file for the bytes read.)
void TDbRepository::IndexFile(git_index* index, const std::string& path, const git_oid& blob) const {
  const auto found = Stamps_.find(path);
  if (found == Stamps_.end()) return;
  const TFileStamp f = found->second;
  Stamps_.erase(found);
  git_index_entry e{};
  e.ctime.seconds = static_cast<int32_t>(f.CtimeSec);
  e.ctime.nanoseconds = f.CtimeNsec;
  e.mtime.seconds = static_cast<int32_t>(f.MtimeSec);
  e.mtime.nanoseconds = f.MtimeNsec;
  e.dev = f.Dev;
  e.ino = f.Ino;
  e.mode = GIT_FILEMODE_BLOB;
  e.uid = f.Uid;
  e.gid = f.Gid;
  e.file_size = f.Size;
  e.id = blob;
  e.path = path.c_str();
  GitCheck(git_index_add(index, &e), "cannot index " + path);
}

void TDbRepository::IndexPassport(const std::string& id, const std::optional<git_oid>& passportTree) const {
  git_index* raw = nullptr;
  GitCheck(git_repository_index(&raw, Get()), "cannot read the index");
  TIndexPtr index(raw);
  GitCheck(git_index_read(raw, 0), "cannot read the index");
  git_tree* sub = nullptr;
  if (!passportTree || git_tree_lookup(&sub, Get(), &*passportTree) != 0) {
    RefreshIndex({id});
    return;
  }
  TTreePtr tree(sub);
  const std::string prefix = id + "/";
  std::vector<std::string> gone;
  std::size_t pos = 0;
  git_index_find_prefix(&pos, raw, prefix.c_str());
  for (std::size_t n = git_index_entrycount(raw); pos < n; ++pos) {
    const git_index_entry* ie = git_index_get_byindex(raw, pos);
    const std::string p = ie->path;
    if (p.compare(0, prefix.size(), prefix) != 0) break;
    const std::string rest = p.substr(prefix.size());
    if (rest.find('/') == std::string::npos && !git_tree_entry_byname(sub, rest.c_str())) gone.push_back(p);
  }
  for (const std::string& p : gone) git_index_remove_bypath(raw, p.c_str());
  for (std::size_t i = 0, n = git_tree_entrycount(sub); i < n; ++i) {
    const git_tree_entry* f = git_tree_entry_byindex(sub, i);
    if (git_tree_entry_type(f) != GIT_OBJECT_BLOB) continue;
    const std::string name = git_tree_entry_name(f);
    IndexFile(raw, prefix + name, *git_tree_entry_id(f));
  }
  GitCheck(git_index_write(raw), "cannot write the index");
}

void TDbRepository::RefreshIndex(const std::vector<std::string>& names) const {
  git_index* raw = nullptr;
  GitCheck(git_repository_index(&raw, Get()), "cannot read the index");
  TIndexPtr index(raw);
  GitCheck(git_index_read(raw, 0), "cannot read the index");
  for (const std::string& name : names) {
    const std::string path = Database_ + name;
    struct stat st {};
    const bool exists = ::stat(path.c_str(), &st) == 0;
    if (exists && S_ISREG(st.st_mode)) {
      GitCheck(git_index_add_bypath(raw, name.c_str()), "cannot index " + name);
      continue;
    }
    if (!exists || !S_ISDIR(st.st_mode)) {
      git_index_remove_bypath(raw, name.c_str());
      git_index_remove_directory(raw, name.c_str(), 0);
      continue;
    }
    const std::set<std::string> files = VersionedFiles(Get(), path + "/", name);
    std::vector<std::string> gone;
    const std::string prefix = name + "/";
    // The index is sorted by path: a passport's entries lie together, so
    // making a database of thousands versioned stays linear.
    std::size_t first = 0;
    git_index_find_prefix(&first, raw, prefix.c_str());
    for (std::size_t i = first, n = git_index_entrycount(raw); i < n; ++i) {
      const git_index_entry* e = git_index_get_byindex(raw, i);
      const std::string p = e->path;
      if (p.compare(0, prefix.size(), prefix) != 0) break;
      const std::string rest = p.substr(prefix.size());
      if (rest.find('/') == std::string::npos && !files.count(rest)) gone.push_back(p);
    }
    for (const std::string& p : gone) git_index_remove_bypath(raw, p.c_str());
    for (const std::string& f : files) GitCheck(git_index_add_bypath(raw, (prefix + f).c_str()), "cannot index " + prefix + f);
  }
  GitCheck(git_index_write(raw), "cannot write the index");
}

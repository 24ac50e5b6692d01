#include "WorkingFolder.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <set>

#include "platform/TextFile.h"

namespace {

const git_tree_entry* Entry(const git_tree* t, const std::string& name) {
  return t ? git_tree_entry_byname(t, name.c_str()) : nullptr;
}

TTreePtr SubTree(const TDbRepository& repo, const git_tree_entry* e) {
  if (!e || git_tree_entry_type(e) != GIT_OBJECT_TREE) return nullptr;
  git_tree* raw = nullptr;
  GitCheck(git_tree_lookup(&raw, repo.Get(), git_tree_entry_id(e)), "cannot read a tree");
  return TTreePtr(raw);
}

void WriteBlob(const TDbRepository& repo, const git_oid& id, const std::string& path) {
  git_blob* raw = nullptr;
  GitCheck(git_blob_lookup(&raw, repo.Get(), &id), "cannot read the version of " + path);
  TBlobPtr blob(raw);
  const std::string bytes(static_cast<const char*>(git_blob_rawcontent(raw)),
                          static_cast<std::size_t>(git_blob_rawsize(raw)));
  if (FileExists(path) && ReadFileBytes(path) == bytes) return;
  WriteFileAtomically(path, bytes);
}

void RemovePath(const std::string& path) {
  if (::unlink(path.c_str()) != 0 && errno != ENOENT) throw TInOutError(kIoWriteFault, "cannot remove " + path);
}

void WriteEntry(const TDbRepository& repo, const git_tree_entry* from, const git_tree_entry* to,
                const std::string& path) {
  if (to && git_tree_entry_type(to) == GIT_OBJECT_BLOB) {
    if (from && git_tree_entry_type(from) == GIT_OBJECT_TREE) WriteEntry(repo, from, nullptr, path);
    WriteBlob(repo, *git_tree_entry_id(to), path);
    return;
  }
  if (to && git_tree_entry_type(to) == GIT_OBJECT_TREE) {
    if (from && git_tree_entry_type(from) == GIT_OBJECT_BLOB) RemovePath(path);
    if (::mkdir(path.c_str(), 0777) != 0 && errno != EEXIST) throw TInOutError(kIoWriteFault, "cannot create " + path);
    TTreePtr f = SubTree(repo, from);
    TTreePtr t = SubTree(repo, to);
    std::set<std::string> names;
    for (std::size_t i = 0, n = git_tree_entrycount(t.get()); i < n; ++i)
      names.insert(git_tree_entry_name(git_tree_entry_byindex(t.get(), i)));
    for (std::size_t i = 0, n = f ? git_tree_entrycount(f.get()) : 0; i < n; ++i)
      names.insert(git_tree_entry_name(git_tree_entry_byindex(f.get(), i)));
    for (const std::string& name : names)
      WriteEntry(repo, Entry(f.get(), name), Entry(t.get(), name), path + "/" + name);
    return;
  }
  if (!from) return;
  if (git_tree_entry_type(from) == GIT_OBJECT_BLOB) {
    RemovePath(path);
    return;
  }
  TTreePtr f = SubTree(repo, from);
  for (std::size_t i = 0, n = f ? git_tree_entrycount(f.get()) : 0; i < n; ++i) {
    const git_tree_entry* e = git_tree_entry_byindex(f.get(), i);
    WriteEntry(repo, e, nullptr, path + "/" + git_tree_entry_name(e));
  }
  // The folder goes only when nothing else (a lock, a photo) is left in it.
  ::rmdir(path.c_str());
}

}  // namespace

void WriteEntries(const TDbRepository& repo, const git_tree* from, const git_tree* to,
                  const std::vector<std::string>& names) {
  for (const std::string& name : names) WriteEntry(repo, Entry(from, name), Entry(to, name), repo.Database() + name);
}

std::vector<std::string> DifferentEntries(const git_tree* a, const git_tree* b) {
  std::set<std::string> names;
  auto collect = [&](const git_tree* t, const git_tree* other) {
    for (std::size_t i = 0, n = t ? git_tree_entrycount(t) : 0; i < n; ++i) {
      const git_tree_entry* e = git_tree_entry_byindex(t, i);
      const git_tree_entry* o = Entry(other, git_tree_entry_name(e));
      if (!o || !git_oid_equal(git_tree_entry_id(e), git_tree_entry_id(o))) names.insert(git_tree_entry_name(e));
    }
  };
  collect(a, b);
  collect(b, a);
  return std::vector<std::string>(names.begin(), names.end());
}

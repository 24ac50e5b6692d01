#include "Record.h"

#include <algorithm>
#include <set>

#include "platform/TextFile.h"
#include "store/PassportNames.h"

std::string PassportNumberText(const std::string& id) { return id.size() > 3 ? id.substr(3) : id; }

std::string PlainSummary(const TPassportFiles& before, const TPassportFiles& after) {
  const bool was = before.map || before.info;
  const bool is = after.map || after.info;
  const std::string what = "Паспорт СО № " + PassportNumberText(after.id.empty() ? before.id : after.id);
  if (!was && is) return what + " создан";
  if (was && !is) return what + " удалён";
  return what + " изменён";
}

std::string VersionMessage(const std::string& summary, const std::string& comment) {
  std::string m = summary;
  if (!comment.empty()) m += "\n\n" + comment;
  return m + "\n";
}

namespace {
TPassportFiles WorkingFiles(const TDbRepository& repo, const std::string& id);
}

std::optional<git_oid> RecordPassport(const TDbRepository& repo, const std::string& id, const TRecordOptions& options) {
  const std::optional<git_oid> tip = repo.Tip();
  TTreePtr root = repo.RootTree(tip);
  const std::optional<git_oid> before = TDbRepository::EntryId(root.get(), id);
  const std::optional<git_oid> after = repo.WorkingPassportTree(id, root.get());
  if (SameEntry(before, after)) return std::nullopt;
  const git_oid tree = repo.ReplaceEntry(root.get(), id, after);
  const std::string summary = options.Summarizer(repo.FilesIn(root.get(), id), WorkingFiles(repo, id));
  std::vector<git_oid> parents;
  if (tip) parents.push_back(*tip);
  const git_oid commit = repo.MakeCommit(parents, tree, VersionMessage(summary, options.Comment), options.Author);
  // The branch moves last: until then the new version is an object nobody
  // names, and the working files are what they were.
  repo.MoveBranch(tip, commit);
  repo.IndexPassport(id, after);
  return commit;
}

namespace {

TPassportFiles WorkingFiles(const TDbRepository& repo, const std::string& id) {
  TPassportFiles f;
  f.id = id;
  const std::string dir = repo.Database() + id + "/";
  auto read = [&](const char* name) -> std::optional<std::string> {
    const std::string path = dir + name;
    if (!FileExists(path)) return std::nullopt;
    return ReadFileBytes(path);
  };
  f.map = read("map.txt");
  f.info = read("info.txt");
  return f;
}

bool PassportName(const std::string& name) { return PassportNumber(name) >= 0; }

}  // namespace

std::vector<std::string> ChangedPassports(const TDbRepository& repo) {
  git_status_options opts{};
  git_status_options_init(&opts, GIT_STATUS_OPTIONS_VERSION);
  opts.show = GIT_STATUS_SHOW_INDEX_AND_WORKDIR;
  opts.flags = GIT_STATUS_OPT_INCLUDE_UNTRACKED | GIT_STATUS_OPT_RECURSE_UNTRACKED_DIRS |
               GIT_STATUS_OPT_EXCLUDE_SUBMODULES;
  git_status_list* raw = nullptr;
  GitCheck(git_status_list_new(&raw, repo.Get(), &opts), "cannot compare the working folder with its versions");
  TStatusListPtr list(raw);
  std::set<std::string> changed;
  for (std::size_t i = 0, n = git_status_list_entrycount(raw); i < n; ++i) {
    const git_status_entry* e = git_status_byindex(raw, i);
    if (e->status == GIT_STATUS_CURRENT || (e->status & GIT_STATUS_IGNORED)) continue;
    const git_diff_delta* d = e->index_to_workdir ? e->index_to_workdir : e->head_to_index;
    if (!d) continue;
    const char* path = d->new_file.path ? d->new_file.path : d->old_file.path;
    std::string p = path;
    const std::size_t slash = p.find('/');
    if (slash == std::string::npos) continue;
    const std::string name = p.substr(slash + 1);
    const std::string top = p.substr(0, slash);
    if (name.find('/') == std::string::npos && TDbRepository::Unversioned(name)) continue;
    if (PassportName(top)) changed.insert(top);
  }
  // The index may only think a passport changed (its stat data is old): the
  // recording compares the trees and skips what is the same.
  return std::vector<std::string>(changed.begin(), changed.end());
}

std::vector<std::string> RecordChanged(const TDbRepository& repo, const TRecordOptions& options) {
  std::vector<std::string> recorded;
  std::vector<std::string> clean;
  for (const std::string& id : ChangedPassports(repo)) {
    if (RecordPassport(repo, id, options))
      recorded.push_back(id);
    else
      clean.push_back(id);
  }
  if (!clean.empty()) repo.RefreshIndex(clean);
  std::sort(recorded.begin(), recorded.end());
  return recorded;
}

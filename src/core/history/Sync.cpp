#include "Sync.h"

#include <unistd.h>

#include <algorithm>
#include <functional>
#include <cstdio>
#include <ctime>
#include <map>
#include <set>
#include <sstream>

#include "Remote.h"
#include "WorkingFolder.h"
#include "platform/ProgramDir.h"
#include "platform/TextFile.h"
#include "store/PassportNames.h"

namespace {

bool IsPassport(const std::string& name) { return PassportNumber(name) >= 0; }

std::vector<std::string> PassportsOnly(const std::vector<std::string>& names) {
  std::vector<std::string> out;
  for (const std::string& n : names)
    if (IsPassport(n)) out.push_back(n);
  return out;
}

void AddSorted(std::vector<std::string>& to, const std::vector<std::string>& names) {
  std::set<std::string> all(to.begin(), to.end());
  all.insert(names.begin(), names.end());
  to.assign(all.begin(), all.end());
}

// The journal of a sync that writes the working folder: the branch's tip
// before and after. While it is there, the working folder may hold a mix of
// both; the next opening finishes the move.
std::string JournalPath(const TDbRepository& repo) { return std::string(git_repository_path(repo.Get())) + "svpass-sync"; }

std::string Hex(const std::optional<git_oid>& id) { return id ? OidHex(*id) : std::string(GIT_OID_HEXSZ, '0'); }

std::optional<git_oid> ParseOid(const std::string& hex) {
  git_oid id;
  if (hex.size() != GIT_OID_HEXSZ || git_oid_fromstr(&id, hex.c_str()) != 0) return std::nullopt;
  if (git_oid_is_zero(&id)) return std::nullopt;
  return id;
}

// Moves the database from `from` to `to`: the journal, the working files
// (each through a rename), the branch, the index, in that order. `keep`
// names passports whose working files are left as they are.
void Advance(const TDbRepository& repo, const std::optional<git_oid>& from, const git_oid& to,
             const std::set<std::string>& keep = {}, const std::function<void(TSyncStage, int)>& progress = {}) {
  TTreePtr a = repo.RootTree(from);
  TTreePtr b = repo.RootTree(to);
  const std::vector<std::string> names = DifferentEntries(a.get(), b.get());
  WriteFileAtomically(JournalPath(repo), Hex(from) + "\n" + OidHex(to) + "\n");
  std::vector<std::string> write;
  for (const std::string& n : names)
    if (!keep.count(n)) write.push_back(n);
  for (std::size_t i = 0; i < write.size(); ++i) {
    WriteEntries(repo, a.get(), b.get(), {write[i]});
    if (progress) progress(TSyncStage::Writing, static_cast<int>(i + 1));
  }
  repo.MoveBranch(from, to);
  if (progress) progress(TSyncStage::Moved, 0);
  repo.RefreshIndex(names);
  std::remove(JournalPath(repo).c_str());
}

std::string RemoteRef(const std::string& branch) { return std::string("refs/remotes/") + kRemoteName + "/" + branch; }

std::optional<git_oid> RefId(const TDbRepository& repo, const std::string& ref) {
  git_oid id;
  if (git_reference_name_to_id(&id, repo.Get(), ref.c_str()) != 0) return std::nullopt;
  return id;
}

struct TEntry {
  std::optional<git_oid> Id;
  git_filemode_t Mode = GIT_FILEMODE_TREE;
};

TEntry EntryOf(const git_tree* t, const std::string& name) {
  TEntry e;
  const git_tree_entry* te = t ? git_tree_entry_byname(t, name.c_str()) : nullptr;
  if (te) {
    e.Id = *git_tree_entry_id(te);
    e.Mode = git_tree_entry_filemode(te);
  }
  return e;
}

// The newest version on `tip`'s side (not reachable from `base`) that
// changed `name`: who made it and when.
void LastChange(const TDbRepository& repo, const git_oid& tip, const std::optional<git_oid>& base,
                const std::string& name, std::string& author, std::string& date) {
  git_revwalk* raw = nullptr;
  if (git_revwalk_new(&raw, repo.Get()) != 0) return;
  TRevwalkPtr walk(raw);
  git_revwalk_sorting(raw, GIT_SORT_TIME);
  git_revwalk_push(raw, &tip);
  if (base) git_revwalk_hide(raw, &*base);
  for (git_oid id; git_revwalk_next(&id, raw) == 0;) {
    TCommitPtr c = repo.Commit(id);
    TTreePtr t = repo.RootTree(id);
    const std::optional<git_oid> mine = TDbRepository::EntryId(t.get(), name);
    bool changed = git_commit_parentcount(c.get()) == 0;
    for (unsigned i = 0; i < git_commit_parentcount(c.get()); ++i) {
      TTreePtr pt = repo.RootTree(*git_commit_parent_id(c.get(), i));
      if (!SameEntry(mine, TDbRepository::EntryId(pt.get(), name))) changed = true;
    }
    if (!changed) continue;
    const git_signature* s = git_commit_author(c.get());
    author = std::string(s->name) + " <" + s->email + ">";
    date = IsoDate(s->when);
    return;
  }
}

struct TMerged {
  git_oid Commit;
  std::vector<TSyncConflict> Conflicts;
};

// Merges the remote tip `theirs` into `mine` passport by passport.
TMerged MergePassports(const TDbRepository& repo, const git_oid& mine, const git_oid& theirs,
                       const TSyncOptions& options) {
  std::optional<git_oid> base;
  git_oid b;
  if (git_merge_base(&b, repo.Get(), &mine, &theirs) == 0) base = b;
  TTreePtr bt = repo.RootTree(base), lt = repo.RootTree(mine), rt = repo.RootTree(theirs);
  std::set<std::string> names;
  for (const std::string& n : DifferentEntries(bt.get(), lt.get())) names.insert(n);
  for (const std::string& n : DifferentEntries(bt.get(), rt.get())) names.insert(n);
  git_treebuilder* raw = nullptr;
  GitCheck(git_treebuilder_new(&raw, repo.Get(), lt.get()), "cannot build the merged database");
  TTreeBuilderPtr bld(raw);
  TMerged merged;
  std::string report;
  for (const std::string& name : names) {
    const TEntry be = EntryOf(bt.get(), name), le = EntryOf(lt.get(), name), re = EntryOf(rt.get(), name);
    if (SameEntry(le.Id, re.Id) || SameEntry(be.Id, re.Id)) continue;  // mine stands
    TEntry take = re;
    if (!SameEntry(be.Id, le.Id)) {
      // Changed on both sides: one version whole, the other a parent of the merge.
      TSyncConflict c;
      c.Passport = name;
      c.Kept = options.Prefer;
      if (IsPassport(name)) {
        LastChange(repo, theirs, base, name, c.OtherAuthor, c.OtherDate);
        // What the question may compare: the shared database's side.
        c.Other = OidHex(theirs);
        if (options.Decide) c.Kept = options.Decide(c);
      } else {
        c.Kept = TPrefer::Mine;
      }
      c.Other = OidHex(c.Kept == TPrefer::Mine ? theirs : mine);
      if (c.Kept == TPrefer::Mine) take = le;
      if (IsPassport(name)) {
        report += "\n" + name + ": " + (c.Kept == TPrefer::Mine ? "оставлена своя версия" : "взята версия общей базы") +
                  ", другая — " + c.Other;
        merged.Conflicts.push_back(c);
      }
      if (c.Kept == TPrefer::Mine) continue;
    }
    if (take.Id)
      GitCheck(git_treebuilder_insert(nullptr, raw, name.c_str(), &*take.Id, take.Mode), "cannot merge " + name);
    else
      GitCheck(git_treebuilder_remove(raw, name.c_str()), "cannot merge " + name);
  }
  git_oid tree;
  GitCheck(git_treebuilder_write(&tree, raw), "cannot write the merged database");
  std::string message = "Синхронизация с общей базой";
  if (!report.empty()) message += "\n\nИзменены и здесь, и в общей базе:" + report;
  merged.Commit = repo.MakeCommit({mine, theirs}, tree, message + "\n", options.Record.Author);
  return merged;
}

TRemotePtr LookupRemote(const TDbRepository& repo) {
  git_remote* raw = nullptr;
  const int rc = git_remote_lookup(&raw, repo.Get(), kRemoteName);
  if (rc == GIT_ENOTFOUND)
    throw TGitError(rc, "the database is not shared: make it shared first (db init DIR --remote URL)");
  GitCheck(rc, "cannot read where the shared database is");
  return TRemotePtr(raw);
}

void Fetch(git_remote* remote, const std::string& branch) {
  TCredentialState state;
  git_fetch_options fo{};
  git_fetch_options_init(&fo, GIT_FETCH_OPTIONS_VERSION);
  fo.callbacks = RemoteCallbacks(state);
  std::string refMapping = "+refs/heads/" + branch + ":" + RemoteRef(branch);
  char* refMappings[] = {refMapping.data()};
  git_strarray arr{refMappings, 1};
  GitCheck(git_remote_fetch(remote, &arr, &fo, "svpass: fetch"),
           std::string("cannot reach the shared database ") + git_remote_url(remote));
}

// Pushes the given ref mappings; false when the other side refused (it moved on).
bool Push(git_remote* remote, std::vector<std::string> refMappings) {
  TCredentialState state;
  git_push_options po{};
  git_push_options_init(&po, GIT_PUSH_OPTIONS_VERSION);
  po.callbacks = RemoteCallbacks(state);
  std::vector<char*> ptrs;
  for (std::string& s : refMappings) ptrs.push_back(s.data());
  git_strarray arr{ptrs.data(), ptrs.size()};
  const int rc = git_remote_push(remote, &arr, &po);
  if (rc == GIT_ENONFASTFORWARD) return false;
  GitCheck(rc, std::string("cannot send to the shared database ") + git_remote_url(remote));
  return state.Rejected.empty();
}

void EnsureLines(const std::string& path, const std::vector<std::string>& lines) {
  std::string text = FileExists(path) ? ReadFileBytes(path) : std::string();
  std::string added;
  for (const std::string& line : lines) {
    std::istringstream in(text);
    bool found = false;
    for (std::string l; std::getline(in, l);)
      if (l == line) found = true;
    if (!found) added += line + "\n";
  }
  if (added.empty()) return;
  if (!text.empty() && text.back() != '\n') text += "\n";
  WriteFileAtomically(path, text + added);
}

}  // namespace

std::string IsoDate(const git_time& when) {
  const std::time_t t = static_cast<std::time_t>(when.time + static_cast<git_time_t>(when.offset) * 60);
  std::tm tm{};
  gmtime_r(&t, &tm);
  char buf[40];
  std::strftime(buf, sizeof buf, "%Y-%m-%dT%H:%M:%S", &tm);
  const int off = when.offset < 0 ? -when.offset : when.offset;
  char zone[24];
  std::snprintf(zone, sizeof zone, "%c%02d:%02d", when.offset < 0 ? '-' : '+', off / 60, off % 60);
  return std::string(buf) + zone;
}

void RecoverInterruptedSync(const TDbRepository& repo) {
  const std::string path = JournalPath(repo);
  if (!FileExists(path)) return;
  std::istringstream in(ReadFileBytes(path));
  std::string fromHex, toHex;
  in >> fromHex >> toHex;
  const std::optional<git_oid> from = ParseOid(fromHex);
  const std::optional<git_oid> to = ParseOid(toHex);
  const std::optional<git_oid> tip = repo.Tip();
  if (to && SameEntry(tip, from)) {
    // Passports changed in the folder since then, by hand, stay as they are:
    // the next recording takes them as changes of their own.
    TTreePtr a = repo.RootTree(from), b = repo.RootTree(*to);
    std::set<std::string> keep;
    for (const std::string& n : DifferentEntries(a.get(), b.get())) {
      if (!IsPassport(n)) continue;
      const std::optional<git_oid> working = repo.WorkingPassportTree(n, a.get());
      if (!SameEntry(working, TDbRepository::EntryId(a.get(), n)) &&
          !SameEntry(working, TDbRepository::EntryId(b.get(), n)))
        keep.insert(n);
    }
    Advance(repo, from, *to, keep);
    return;
  }
  if (to && SameEntry(tip, to)) {
    TTreePtr a = repo.RootTree(from), b = repo.RootTree(*to);
    repo.RefreshIndex(DifferentEntries(a.get(), b.get()));
  }
  std::remove(path.c_str());
}

void DbInit(const std::string& database, const std::optional<std::string>& remote, const TRecordOptions& options) {
  TDbRepository repo = TDbRepository::OpenOrInit(database);
  RecoverInterruptedSync(repo);
  const std::string db = repo.Database();
  EnsureLines(db + ".gitattributes", {"map.txt -merge -text", "info.txt -merge -text"});
  EnsureLines(db + ".gitignore", {"svpass.lock", "svpass.lock.owner", "*.tmp~"});
  const std::optional<git_oid> tip = repo.Tip();
  TTreePtr root = repo.RootTree(tip);
  git_treebuilder* raw = nullptr;
  GitCheck(git_treebuilder_new(&raw, repo.Get(), root.get()), "cannot build the database tree");
  TTreeBuilderPtr bld(raw);
  std::vector<std::string> names = {".gitattributes", ".gitignore"};
  for (const char* file : {".gitattributes", ".gitignore"}) {
    const std::string bytes = ReadFileBytes(db + file);
    git_oid blob;
    GitCheck(git_blob_create_from_buffer(&blob, repo.Get(), bytes.data(), bytes.size()), "cannot keep " + db + file);
    GitCheck(git_treebuilder_insert(nullptr, raw, file, &blob, GIT_FILEMODE_BLOB), "cannot keep " + db + file);
  }
  for (const std::string& dir : PassportDirs(db)) {
    const std::string id = dir.substr(db.size(), dir.size() - db.size() - 1);
    if (const std::optional<git_oid> tree = repo.WorkingPassportTree(id, root.get())) {
      GitCheck(git_treebuilder_insert(nullptr, raw, id.c_str(), &*tree, GIT_FILEMODE_TREE), "cannot keep " + dir);
      names.push_back(id);
    }
  }
  git_oid tree;
  GitCheck(git_treebuilder_write(&tree, raw), "cannot write the database tree");
  if (!git_oid_equal(&tree, git_tree_id(root.get()))) {
    std::vector<git_oid> parents;
    if (tip) parents.push_back(*tip);
    const std::string summary = tip ? "Паспорта базы взяты под версии" : "Первые версии паспортов базы";
    const git_oid commit = repo.MakeCommit(parents, tree, VersionMessage(summary, options.Comment), options.Author);
    repo.MoveBranch(tip, commit);
  }
  repo.RefreshIndex(names);
  if (!remote) return;
  git_remote* r = nullptr;
  if (git_remote_lookup(&r, repo.Get(), kRemoteName) == 0) {
    git_remote_free(r);
    GitCheck(git_remote_set_url(repo.Get(), kRemoteName, remote->c_str()), "cannot name the shared database");
  } else {
    GitCheck(git_remote_create(&r, repo.Get(), kRemoteName, remote->c_str()), "cannot name the shared database");
    git_remote_free(r);
  }
  TRemotePtr shared = LookupRemote(repo);
  const std::string branch = repo.BranchName();
  // The mark of the published branch lets a copy find it whatever the
  // shared repository's HEAD names.
  if (!Push(shared.get(), {"refs/heads/" + branch + ":refs/heads/" + branch,
                           "refs/heads/" + branch + ":refs/svpass/published/" + branch}))
    throw TGitError(GIT_ENONFASTFORWARD, "the shared database " + *remote + " already holds another database");
}

void DbClone(const std::string& url, const std::string& dir) {
  EnsureGitLibrary();
  if (DirectoryExists(dir) && !PassportDirs(WithTrailingSep(dir)).empty())
    throw TGitError(GIT_EEXISTS, dir + " already holds passports");
  // Made step by step rather than by the library's clone, which gives up
  // when the shared repository's HEAD names a branch that is not there.
  TRepoPtr repo = InitRepository(dir);
  git_repository* raw = repo.get();
  git_remote* remoteRaw = nullptr;
  GitCheck(git_remote_create(&remoteRaw, raw, kRemoteName, url.c_str()), "cannot name the shared database " + url);
  TRemotePtr remote(remoteRaw);
  {
    TCredentialState state;
    git_fetch_options fo{};
    git_fetch_options_init(&fo, GIT_FETCH_OPTIONS_VERSION);
    fo.callbacks = RemoteCallbacks(state);
    std::string heads = std::string("+refs/heads/*:refs/remotes/") + kRemoteName + "/*";
    std::string marks = "+refs/svpass/published/*:refs/svpass/published/*";
    char* refMappings[] = {heads.data(), marks.data()};
    git_strarray arr{refMappings, 2};
    GitCheck(git_remote_fetch(remoteRaw, &arr, &fo, "svpass: clone"), "cannot reach the shared database " + url);
  }
  // The branch `db init` published; else the only one; else main or master.
  std::set<std::string> branches, published;
  git_reference_iterator* it = nullptr;
  GitCheck(git_reference_iterator_new(&it, raw), "cannot list the shared database's branches");
  for (const char* name; git_reference_next_name(&name, it) == 0;) {
    const std::string n = name;
    const std::string remotes = RemoteRef("");
    if (n.rfind(remotes, 0) == 0 && n != remotes + "HEAD") branches.insert(n.substr(remotes.size()));
    if (n.rfind("refs/svpass/published/", 0) == 0) published.insert(n.substr(22));
  }
  git_reference_iterator_free(it);
  std::string branch;
  for (const std::string& p : published)
    if (branches.count(p)) branch = p;
  if (branch.empty() && branches.size() == 1) branch = *branches.begin();
  if (branch.empty()) branch = branches.count(kDefaultBranch) || !branches.count("master") ? kDefaultBranch : "master";
  const std::string local = "refs/heads/" + branch;
  if (branches.count(branch)) {
    git_oid tip;
    GitCheck(git_reference_name_to_id(&tip, raw, RemoteRef(branch).c_str()), "cannot read " + branch);
    git_reference* ref = nullptr;
    GitCheck(git_reference_create(&ref, raw, local.c_str(), &tip, 0, "svpass: clone"), "cannot make " + branch);
    git_reference_free(ref);
    git_commit* c = nullptr;
    GitCheck(git_commit_lookup(&c, raw, &tip), "cannot read " + branch);
    TCommitPtr commit(c);
    git_checkout_options co{};
    git_checkout_options_init(&co, GIT_CHECKOUT_OPTIONS_VERSION);
    co.checkout_strategy = GIT_CHECKOUT_SAFE;
    GitCheck(git_checkout_tree(raw, reinterpret_cast<git_object*>(c), &co), "cannot write the passports into " + dir);
  }
  GitCheck(git_repository_set_head(raw, local.c_str()), "cannot choose " + branch);
  git_config* cfg = nullptr;
  if (git_repository_config(&cfg, raw) == 0) {
    git_config_set_string(cfg, ("branch." + branch + ".remote").c_str(), kRemoteName);
    git_config_set_string(cfg, ("branch." + branch + ".merge").c_str(), local.c_str());
    git_config_free(cfg);
  }
}

TSyncResult DbSync(const std::string& database, const TSyncOptions& options) {
  auto progress = [&](TSyncStage s, int attempt) {
    if (options.Progress) options.Progress(s, attempt);
  };
  TDbRepository repo = TDbRepository::OpenExisting(database);
  RecoverInterruptedSync(repo);
  TSyncResult result;
  progress(TSyncStage::Recording, 0);
  result.Recorded = RecordChanged(repo, options.Record);
  TRemotePtr remote = LookupRemote(repo);
  const std::string branch = repo.BranchName();
  std::map<std::string, TSyncConflict> conflicts;
  for (int attempt = 0;; ++attempt) {
    progress(TSyncStage::Fetching, attempt);
    Fetch(remote.get(), branch);
    const std::optional<git_oid> theirs = RefId(repo, RemoteRef(branch));
    const std::optional<git_oid> mine = repo.Tip();
    progress(TSyncStage::Merging, attempt);
    if (theirs && !SameEntry(mine, theirs)) {
      std::optional<git_oid> next;
      if (!mine || git_graph_descendant_of(repo.Get(), &*theirs, &*mine) == 1) {
        next = theirs;
      } else if (git_graph_descendant_of(repo.Get(), &*mine, &*theirs) != 1) {
        TMerged m = MergePassports(repo, *mine, *theirs, options);
        next = m.Commit;
        for (TSyncConflict& c : m.Conflicts) conflicts[c.Passport] = c;
      }
      if (next) {
        TTreePtr a = repo.RootTree(mine), b = repo.RootTree(*next);
        AddSorted(result.Received, PassportsOnly(DifferentEntries(a.get(), b.get())));
        Advance(repo, mine, *next, {}, progress);
      }
    }
    const std::optional<git_oid> tip = repo.Tip();
    if (!tip || SameEntry(tip, theirs)) break;
    progress(TSyncStage::Pushing, attempt);
    if (Push(remote.get(), {"refs/heads/" + branch + ":refs/heads/" + branch})) {
      TTreePtr a = repo.RootTree(theirs), b = repo.RootTree(tip);
      AddSorted(result.Sent, PassportsOnly(DifferentEntries(a.get(), b.get())));
      break;
    }
    // Someone pushed meanwhile: fetch, merge and try again, a few times.
    if (attempt >= 5) throw TGitError(GIT_ENONFASTFORWARD, "the shared database keeps refusing; nothing was lost, sync again");
  }
  for (auto& [name, c] : conflicts) result.Conflicts.push_back(c);
  progress(TSyncStage::Done, 0);
  return result;
}

#pragma once
// The shared database: making a folder versioned, taking a copy of a shared
// one, and the sync that records, fetches, merges passport by passport and
// pushes. A passport changed on both sides is never merged line by line: one
// side's version is kept whole, the other stays in the history as a parent
// of the merge.
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "Record.h"
#include "Repository.h"

enum class TPrefer { Mine, Theirs };

struct TSyncConflict {
  std::string Passport;  // "svo7"
  TPrefer Kept = TPrefer::Mine;
  std::string Other;  // the full id of the commit holding the version not kept
  // Who made the other side's last version of it, and when (for the question).
  std::string OtherAuthor;
  std::string OtherDate;
};

// Writing is told after each passport written into the working folder (with
// how many so far), Moved once the branch holds the merge.
enum class TSyncStage { Recording, Fetching, Merging, Writing, Moved, Pushing, Done };

struct TSyncOptions {
  TRecordOptions Record;
  TPrefer Prefer = TPrefer::Mine;
  // Decides each conflict when set (the window's question); else Prefer does.
  std::function<TPrefer(const TSyncConflict&)> Decide;
  // Told as the sync goes on (the window's progress bar); the number is the
  // attempt, or for Writing the passports written so far.
  std::function<void(TSyncStage, int)> Progress;
};

struct TSyncResult {
  std::vector<std::string> Recorded;
  std::vector<std::string> Received;
  std::vector<std::string> Sent;
  std::vector<TSyncConflict> Conflicts;
};

// The name of the shared copy a database syncs with.
constexpr const char* kRemoteName = "origin";

// Makes `database` versioned: the repository, the attributes that keep the
// passport files from line merges, one first version of every passport;
// with `remote`, publishes it there. Throws TGitError or TInOutError.
void DbInit(const std::string& database, const std::optional<std::string>& remote, const TRecordOptions& options);
// A working copy of the shared database at `url` in `dir`, on the branch
// the database was published on. Throws TGitError.
void DbClone(const std::string& url, const std::string& dir);
// One sync. Throws TGitError when the shared copy cannot be reached or
// keeps refusing; whatever was recorded or merged locally stays.
TSyncResult DbSync(const std::string& database, const TSyncOptions& options);
// Finishes a sync that was stopped while it wrote the working folder.
// Called by every opening of a versioned database.
void RecoverInterruptedSync(const TDbRepository& repo);

// "2026-12-08T15:59:09+01:00".
std::string IsoDate(const git_time& when);

#pragma once
// The versions of one passport, and reading or restoring one of them.
#include <optional>
#include <string>
#include <vector>

#include "PassportFiles.h"
#include "Record.h"
#include "Repository.h"

struct TPassportVersion {
  std::string Rev;      // the commit's full id
  std::string Date;     // ISO 8601 with the author's offset
  std::string Author;   // "Name <mail>"
  std::string Summary;  // the message, without its trailing line ends
};

// Every version that changed passport `id`, newest first: on every side of
// every merge, so that a version not kept by a sync is there too.
std::vector<TPassportVersion> PassportHistory(const TDbRepository& repo, const std::string& id);

// The commit a revision names (a full or abbreviated id, "HEAD~2" and the
// like). Throws TGitError when it names none.
git_oid ResolveRevision(const TDbRepository& repo, const std::string& rev);

// Passport `id` as revision `rev` holds it, byte for byte.
TPassportFiles ReadPassportAt(const TDbRepository& repo, const std::string& id, const std::string& rev);
// Passport `id` as its working folder holds it.
TPassportFiles ReadWorkingPassport(const TDbRepository& repo, const std::string& id);

// Writes the files of passport `id` at `rev` back into the working folder
// byte for byte (a file the version lacks is removed) and records them as a
// new version. Gives it, or nothing when the folder already held them.
std::optional<git_oid> RestorePassport(const TDbRepository& repo, const std::string& id, const std::string& rev,
                                       TRecordOptions options);

// A passport given by its folder: the database it lies in and its id.
struct TPassportPlace {
  std::string Database;
  std::string Id;
};
TPassportPlace PassportPlace(const std::string& passportDir);

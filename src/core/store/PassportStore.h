#pragma once
// Where the passports of a database live: one seam for every reader and
// writer of passport files. The plain database folder is one kind of store; a
// store that keeps every save of a passport as a version is another. Readers
// and writers deal in the files' bytes only; the parsers and writers of the
// scheme and the information never touch the disk themselves.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "PassportNames.h"

// The two files of a passport.
enum class TPassportFile { Info, Map };
// "info.txt", "map.txt".
const char* PassportFileName(TPassportFile file);

// What reading a passport does about one of its files that is not there.
enum class TMissingFile {
  // Taken as an empty file; nothing is written. Every reader of a database
  // (the commands, the check, the database overview) reads so.
  ReadEmpty,
  // Created empty first: the passport the user asked the viewer to open.
  CreateEmpty,
};

// What a passport file was at one moment, so that a save never overwrites
// silently a file someone else changed since it was read: whether it
// existed, its size, its modification time and which file it is. Every
// save replaces the file by a new one, so a save within the same tick of
// the file system's clock and of the same size is still told apart.
struct TRevision {
  bool Exists = false;
  std::int64_t Size = 0;
  // Nanoseconds since 1970-01-01 UTC.
  std::int64_t ModifiedNs = 0;
  // The file's identity in its file system (0 where there is none).
  std::uint64_t Node = 0;

  friend bool operator==(const TRevision& a, const TRevision& b) {
    return a.Exists == b.Exists && a.Size == b.Size && a.ModifiedNs == b.ModifiedNs && a.Node == b.Node;
  }
  friend bool operator!=(const TRevision& a, const TRevision& b) { return !(a == b); }
};

// Who holds the editing lock of a passport.
struct TLockOwner {
  std::string User;
  std::string Machine;
  std::int64_t Pid = 0;
};

// The editing lock of one passport: while one engineer edits a passport's
// scheme, every other instance of the program opens it for viewing only.
class TStoreLock {
 public:
  enum class TError { None, Held, CannotWrite };
  virtual ~TStoreLock() = default;
  // Takes the lock when nobody holds it (or only a process that has ended
  // did). False when it cannot be taken; Error() says why.
  virtual bool TryLock() = 0;
  virtual bool IsLocked() const = 0;
  virtual TError Error() const = 0;
  virtual void Unlock() = 0;
  // Who holds the lock now; nothing when it is free or left by an ended process.
  virtual std::optional<TLockOwner> Holder() const = 0;
};

// The passports of a database as one list: `Passports` are the ids of the
// passports, in number order; `Skipped` names what looks like a passport but
// is not read as one, and why.
struct TPassportList {
  std::vector<std::string> Passports;
  std::vector<TSkippedDir> Skipped;
};

class TPassportStore {
 public:
  virtual ~TPassportStore() = default;

  virtual TPassportList List() const = 0;
  // The bytes of one file of passport `id`; nothing when the file is not
  // there (it is created empty first when `missing` says so). Throws
  // TInOutError with the system error number when it cannot be read.
  virtual std::optional<std::string> Read(const std::string& id, TPassportFile file, TMissingFile missing) = 0;
  // Replaces the file in one step: a failed write leaves the old bytes.
  // Throws TInOutError.
  virtual void Write(const std::string& id, TPassportFile file, const std::string& bytes) = 0;
  // The file as it is now.
  virtual TRevision Revision(const std::string& id, TPassportFile file) const = 0;
  // The editing lock of passport `id`, not yet taken.
  virtual std::unique_ptr<TStoreLock> Lock(const std::string& id) = 0;

  // Whether each save becomes a version of the passport, which may carry the
  // engineer's comment (given for the next save only).
  virtual bool KeepsVersions() const { return false; }
  virtual void SetNextComment(std::string /*comment*/) {}

  // Waits until what was written is complete in the store (a versioned
  // database records its versions after the saves return). Throws
  // TInOutError naming what could not be completed.
  virtual void Settle() {}

  // Where the passport is, as messages to the user name it: its directory
  // with a trailing separator.
  virtual std::string Location(const std::string& id) const = 0;
  std::string FileLocation(const std::string& id, TPassportFile file) const {
    return Location(id) + PassportFileName(file);
  }
};

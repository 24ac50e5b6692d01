#pragma once
// The plain database folder: a directory of passport directories, each
// passport's files read and written in place. Passport ids are the names of
// the passport directories ("svo12"); a store of no database folder ("") takes
// ids as passport directories themselves, as the tool's commands name a
// passport by its directory.
#include <functional>

#include "PassportStore.h"

class TFolderStore : public TPassportStore {
 public:
  // Makes the editing lock of one passport directory; the locks live beside
  // the window system, which knows the running processes' rules for them.
  using TLockMaker = std::function<std::unique_ptr<TStoreLock>(const std::string& passportDir)>;

  explicit TFolderStore(std::string database = std::string(), TLockMaker lockMaker = TLockMaker());

  const std::string& Database() const { return Database_; }

  // The passport directories that hold info.txt or map.txt, as ids (their
  // names), in number order; the rest of the "svo" directories as skipped.
  TPassportList List() const override;
  std::optional<std::string> Read(const std::string& id, TPassportFile file, TMissingFile missing) override;
  void Write(const std::string& id, TPassportFile file, const std::string& bytes) override;
  TRevision Revision(const std::string& id, TPassportFile file) const override;
  // nullptr when the store was made without a lock maker.
  std::unique_ptr<TStoreLock> Lock(const std::string& id) override;
  std::string Location(const std::string& id) const override;

 private:
  std::string Database_;
  TLockMaker LockMaker_;
};

// One passport file read as the folder store reads it: a missing file in an
// existing directory is nothing (created empty first with CreateEmpty); a
// missing directory is error 3. Throws TInOutError.
std::optional<std::string> ReadFolderFile(const std::string& path, TMissingFile missing);
// The revision of a file on disk: a regular file's size and modification
// time, or that there is none.
TRevision FileRevision(const std::string& path);

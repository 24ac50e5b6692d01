#pragma once
// The versioned database as a store of passports: the files are the plain
// folder's, written the same way; each save is then recorded as a version
// of that passport alone.
#include <memory>
#include <optional>
#include <string>

#include "Record.h"
#include "Repository.h"
#include "VersionRecorder.h"
#include "store/FolderStore.h"

class TVersionedStore : public TPassportStore {
 public:
  TVersionedStore(TDbRepository repo, TFolderStore::TLockMaker lockMaker, TRecordOptions options);
  // Records the versions after the saves return, on a thread of its own
  // (the windows: an engineer's save is as quick as in a plain folder).
  void RecordAfterSaves(TVersionRecorder::TFailureHandler onFailure);

  TPassportList List() const override { return Folder_.List(); }
  std::optional<std::string> Read(const std::string& id, TPassportFile file, TMissingFile missing) override {
    return Folder_.Read(id, file, missing);
  }
  // Writes the file as the plain folder does, then records the passport
  // (or asks the recorder to). The file stays written when the recording
  // fails (the error says so); the next sync or `db commit` records it.
  void Write(const std::string& id, TPassportFile file, const std::string& bytes) override;
  // Waits for the versions still being recorded.
  void Settle() override;
  TRevision Revision(const std::string& id, TPassportFile file) const override { return Folder_.Revision(id, file); }
  std::unique_ptr<TStoreLock> Lock(const std::string& id) override { return Folder_.Lock(id); }
  std::string Location(const std::string& id) const override { return Folder_.Location(id); }

  bool KeepsVersions() const override { return true; }
  // The comment the engineer gave in the save question, for the next save only.
  void SetNextComment(std::string comment) override { NextComment_ = std::move(comment); }
  // The author of the versions of the saves from now on.
  void SetAuthor(TAuthor author);
  const TDbRepository& Repository() const { return Repo_; }

 private:
  TDbRepository Repo_;
  TFolderStore Folder_;
  TRecordOptions Options_;
  std::string NextComment_;
  // Declared last: stopped (its queue recorded) before the rest goes.
  std::unique_ptr<TVersionRecorder> Recorder_;
};

// The store of a database folder: the versioned one when the folder is the
// top of a git work tree (a sync stopped half-way is finished first), else
// the plain folder.
// With `afterSaves`, a versioned store records its versions after the saves
// return, reporting failures there (see TVersionedStore::RecordAfterSaves).
std::shared_ptr<TPassportStore> OpenDatabaseStore(
    const std::string& database, TFolderStore::TLockMaker lockMaker = TFolderStore::TLockMaker(),
    TRecordOptions options = TRecordOptions(),
    std::optional<TVersionRecorder::TFailureHandler> afterSaves = std::nullopt);

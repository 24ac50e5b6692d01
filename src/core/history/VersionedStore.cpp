#include "VersionedStore.h"

#include "Sync.h"
#include "platform/TextFile.h"

TVersionedStore::TVersionedStore(TDbRepository repo, TFolderStore::TLockMaker lockMaker, TRecordOptions options)
    : Repo_(std::move(repo)), Folder_(Repo_.Database(), std::move(lockMaker)), Options_(std::move(options)) {}

void TVersionedStore::RecordAfterSaves(TVersionRecorder::TFailureHandler onFailure) {
  if (!Recorder_) Recorder_ = std::make_unique<TVersionRecorder>(Repo_.Database(), Options_, std::move(onFailure));
}

void TVersionedStore::SetAuthor(TAuthor author) {
  if (Recorder_) Recorder_->SetAuthor(author);
  Options_.Author = std::move(author);
}

void TVersionedStore::Settle() {
  if (Recorder_) Recorder_->Settle();
}

void TVersionedStore::Write(const std::string& id, TPassportFile file, const std::string& bytes) {
  Folder_.Write(id, file, bytes);
  if (Recorder_) {
    Recorder_->Request(id, NextComment_, FileLocation(id, file));
    NextComment_.clear();
    return;
  }
  TRecordOptions options = Options_;
  options.Comment = std::move(NextComment_);
  NextComment_.clear();
  try {
    RecordPassport(Repo_, id, options);
  } catch (const TGitError& e) {
    throw TInOutError(kIoWriteFault, FileLocation(id, file) + " сохранён, но его версия не записана: " + e.what());
  }
}

std::shared_ptr<TPassportStore> OpenDatabaseStore(const std::string& database, TFolderStore::TLockMaker lockMaker,
                                                  TRecordOptions options,
                                                  std::optional<TVersionRecorder::TFailureHandler> afterSaves) {
  if (!database.empty()) {
    if (std::optional<TDbRepository> repo = TDbRepository::Open(database)) {
      try {
        RecoverInterruptedSync(*repo);
      } catch (const std::exception&) {
        // The next sync finishes it; the passports open all the same.
      }
      auto store = std::make_shared<TVersionedStore>(std::move(*repo), std::move(lockMaker), std::move(options));
      if (afterSaves) store->RecordAfterSaves(std::move(*afterSaves));
      return store;
    }
  }
  return std::make_shared<TFolderStore>(database, std::move(lockMaker));
}

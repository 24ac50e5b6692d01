#include "VersionedStore.h"

#include "Sync.h"
#include "platform/TextFile.h"

TVersionedStore::TVersionedStore(TDbRepository repo, TFolderStore::TLockMaker lockMaker, TRecordOptions options)
    : Repo_(std::move(repo)), Folder_(Repo_.Database(), std::move(lockMaker)), Options_(std::move(options)) {}

void TVersionedStore::Write(const std::string& id, TPassportFile file, const std::string& bytes) {
  Folder_.Write(id, file, bytes);
  TRecordOptions options = Options_;
  options.Comment = std::move(NextComment_);
  NextComment_.clear();
  try {
    RecordPassport(Repo_, id, options);
  } catch (const TGitError& e) {
    throw TInOutError(kIoWriteFault, FileLocation(id, file) + " is saved, but its version is not recorded: " + e.what());
  }
}

std::shared_ptr<TPassportStore> OpenDatabaseStore(const std::string& database, TFolderStore::TLockMaker lockMaker,
                                                  TRecordOptions options) {
  if (!database.empty()) {
    if (std::optional<TDbRepository> repo = TDbRepository::Open(database)) {
      try {
        RecoverInterruptedSync(*repo);
      } catch (const std::exception&) {
        // The next sync finishes it; the passports open all the same.
      }
      return std::make_shared<TVersionedStore>(std::move(*repo), std::move(lockMaker), std::move(options));
    }
  }
  return std::make_shared<TFolderStore>(database, std::move(lockMaker));
}

#include "OpenPassport.h"

#include "FolderStore.h"
#include "model/SVObject.h"
#include "plan/SVInfo.h"

namespace {

// A passport object not opened through a store reads and writes the files
// of its own directory.
void BindToFolder(TSVObject& scheme) {
  if (scheme.Store) return;
  scheme.Store = std::make_shared<TFolderStore>();
  scheme.StoreId = scheme.Dir;
}

void ReadFromStore(TSVObject& scheme, TMissingFile missing) {
  TPassportStore& store = *scheme.Store;
  const std::string& id = scheme.StoreId;
  scheme.Info->FileName = store.FileLocation(id, TPassportFile::Info);
  scheme.Info->FileMissing = !store.Revision(id, TPassportFile::Info).Exists;
  scheme.LoadFrom([&] { return store.Read(id, TPassportFile::Info, missing); },
                  [&] { return store.Read(id, TPassportFile::Map, missing); });
}

}  // namespace

TLoadedPassport OpenPassport(const std::shared_ptr<TPassportStore>& store, const std::string& id,
                             TMissingFile missing, TReadMessages messages) {
  TLoadedPassport p;
  std::unique_ptr<TThreadMessageCapture> capture;
  if (messages == TReadMessages::Kept) capture = std::make_unique<TThreadMessageCapture>();
  p.Scheme = std::make_unique<TSVObject>(store->Location(id));
  p.Scheme->Store = store;
  p.Scheme->StoreId = id;
  ReadFromStore(*p.Scheme, missing);
  if (capture) p.Messages = std::move(capture->Messages);
  return p;
}

TLoadedPassport OpenPassportDir(const std::string& dir, TReadMessages messages) {
  return OpenPassport(std::make_shared<TFolderStore>(), dir, TMissingFile::ReadEmpty, messages);
}

std::unique_ptr<TSVObject> OpenPassportInfo(const std::shared_ptr<TPassportStore>& store, const std::string& id) {
  auto scheme = std::make_unique<TSVObject>(store->Location(id));
  scheme->Store = store;
  scheme->StoreId = id;
  scheme->Info->FileName = store->FileLocation(id, TPassportFile::Info);
  scheme->Info->FileMissing = !store->Revision(id, TPassportFile::Info).Exists;
  scheme->Info->LoadFrom([&] { return store->Read(id, TPassportFile::Info, TMissingFile::ReadEmpty); });
  return scheme;
}

void ReadPassportAgain(TSVObject& scheme, TMissingFile missing) {
  BindToFolder(scheme);
  ReadFromStore(scheme, missing);
}

bool ReadInfoFile(TSVInfo& info, TMissingFile missing) {
  info.FileMissing = !FileRevision(info.FileName).Exists;
  return info.LoadFrom([&] { return ReadFolderFile(info.FileName, missing); });
}

TRevision PassportRevision(const TSVObject& scheme, TPassportFile file) {
  if (scheme.Store) return scheme.Store->Revision(scheme.StoreId, file);
  return FileRevision(scheme.Dir + PassportFileName(file));
}

#include "FolderStore.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstdio>

#include "platform/ProgramDir.h"
#include "platform/TextFile.h"

const char* PassportFileName(TPassportFile file) { return file == TPassportFile::Info ? "info.txt" : "map.txt"; }

std::optional<std::string> ReadFolderFile(const std::string& path, TMissingFile missing) {
  if (FileExists(path)) return ReadFileBytes(path);
  const std::size_t sep = path.find_last_of("/\\");
  const std::string dir = sep == std::string::npos ? std::string(".") : path.substr(0, sep + 1);
  if (!DirectoryExists(dir)) throw TInOutError(kIoPathNotFound, "no directory " + dir);
  if (missing == TMissingFile::CreateEmpty) {
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f || std::fclose(f) != 0)
      throw TInOutError(errno == EACCES ? kIoAccessDenied : kIoPathNotFound, "cannot create " + path);
  }
  return std::nullopt;
}

TRevision FileRevision(const std::string& path) {
  TRevision r;
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return r;
  r.Exists = true;
  r.Size = static_cast<std::int64_t>(st.st_size);
  r.Node = static_cast<std::uint64_t>(st.st_ino);
#if defined(__APPLE__)
  r.ModifiedNs = static_cast<std::int64_t>(st.st_mtimespec.tv_sec) * 1000000000 + st.st_mtimespec.tv_nsec;
#elif defined(_WIN32)
  r.ModifiedNs = static_cast<std::int64_t>(st.st_mtime) * 1000000000;
#else
  r.ModifiedNs = static_cast<std::int64_t>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
#endif
  return r;
}

TFolderStore::TFolderStore(std::string database, TLockMaker lockMaker)
    : Database_(database.empty() ? std::string() : WithTrailingSep(database)), LockMaker_(std::move(lockMaker)) {}

TPassportList TFolderStore::List() const {
  TPassportList list;
  TDatabaseScan scan = ScanDatabase(Database_);
  for (const std::string& dir : scan.Passports) {
    // "<database>svo12/" → "svo12"
    list.Passports.push_back(dir.substr(Database_.size(), dir.size() - Database_.size() - 1));
  }
  list.Skipped = std::move(scan.Skipped);
  return list;
}

std::string TFolderStore::Location(const std::string& id) const { return WithTrailingSep(Database_ + id); }

std::optional<std::string> TFolderStore::Read(const std::string& id, TPassportFile file, TMissingFile missing) {
  return ReadFolderFile(FileLocation(id, file), missing);
}

void TFolderStore::Write(const std::string& id, TPassportFile file, const std::string& bytes) {
  WriteFileAtomically(FileLocation(id, file), bytes);
}

TRevision TFolderStore::Revision(const std::string& id, TPassportFile file) const {
  return FileRevision(FileLocation(id, file));
}

std::unique_ptr<TStoreLock> TFolderStore::Lock(const std::string& id) {
  return LockMaker_ ? LockMaker_(Location(id)) : nullptr;
}

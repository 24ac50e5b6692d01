#include "UserDatabase.h"

#include <filesystem>
#include <system_error>

#include "ProgramDir.h"

namespace fs = std::filesystem;

std::string UserDatabaseDir(const std::string& documentsDir) { return JoinPath(documentsDir, "svpass/Data/"); }

bool CopyDatabaseOnce(const std::string& from, const std::string& to) {
  std::error_code ec;
  fs::path target(to);
  if (!target.has_filename()) target = target.parent_path();  // "…/Data/" names "…/Data"
  if (fs::exists(target, ec)) return fs::is_directory(target, ec);
  if (!fs::is_directory(from, ec)) return false;

  fs::create_directories(target.parent_path(), ec);
  const fs::path partial = target.string() + ".partial";
  fs::remove_all(partial, ec);
  ec.clear();
  fs::copy(from, partial, fs::copy_options::recursive, ec);
  // The installed sample is read-only; the user's copy is theirs to edit.
  for (auto it = fs::recursive_directory_iterator(partial, ec); !ec && it != fs::recursive_directory_iterator();
       it.increment(ec))
    fs::permissions(it->path(),
                    it->is_directory(ec) ? fs::perms::owner_all : fs::perms::owner_read | fs::perms::owner_write,
                    fs::perm_options::add, ec);
  if (!ec) fs::permissions(partial, fs::perms::owner_all, fs::perm_options::add, ec);
  if (!ec) fs::rename(partial, target, ec);
  if (ec) {
    std::error_code ignored;
    fs::remove_all(partial, ignored);
    return false;
  }
  return true;
}

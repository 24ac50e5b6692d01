#include "PassportFolder.h"

#include <filesystem>
#include <system_error>

#include "platform/TextFile.h"
#include "store/FolderStore.h"

bool ReadPassportFolder(const std::string& dir, TPassportFiles& out, std::string& error) {
  namespace fs = std::filesystem;
  std::error_code ec;
  if (!fs::is_directory(fs::u8path(dir), ec)) {
    error = dir + ": no such passport directory";
    return false;
  }
  std::string path = dir;
  while (path.size() > 1 && (path.back() == '/' || path.back() == '\\')) path.pop_back();
  const std::size_t sep = path.find_last_of("/\\");
  out.id = sep == std::string::npos ? path : path.substr(sep + 1);
  path += '/';
  const char* reading = "info.txt";
  try {
    out.info = ReadFolderFile(path + "info.txt", TMissingFile::ReadEmpty);
    reading = "map.txt";
    out.map = ReadFolderFile(path + "map.txt", TMissingFile::ReadEmpty);
  } catch (const TInOutError& e) {
    error = path + reading + ": cannot be read (" + e.what() + ")";
    return false;
  }
  if (!out.info && !out.map) {
    error = dir + ": no info.txt and no map.txt: not a passport";
    return false;
  }
  return true;
}

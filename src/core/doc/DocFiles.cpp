#include "DocFiles.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>

#if !defined(_WIN32)
#include <unistd.h>
#endif

namespace {

std::string Reason(int err) { return err ? std::strerror(err) : "неизвестная ошибка"; }

}  // namespace

std::string ReadDocFile(const std::string& path) {
  std::error_code ec;
  if (std::filesystem::is_directory(path, ec))
    throw TDocError("Не удалось прочитать файл " + path + ": это каталог");
  errno = 0;
  std::FILE* f = std::fopen(path.c_str(), "rb");
  if (!f) throw TDocError("Не удалось открыть файл " + path + ": " + Reason(errno));
  std::string bytes;
  char buf[65536];
  std::size_t n;
  while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) bytes.append(buf, n);
  const bool failed = std::ferror(f) != 0;
  const int err = errno;
  std::fclose(f);
  if (failed) throw TDocError("Не удалось прочитать файл " + path + ": " + Reason(err));
  return bytes;
}

void WriteDocFile(const std::string& path, const std::string& bytes) {
  const std::string tmp = path + ".tmp~";
  errno = 0;
  std::FILE* f = std::fopen(tmp.c_str(), "wb");
  if (!f) throw TDocError("Не удалось записать файл " + path + ": " + Reason(errno));
  bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
  ok = std::fflush(f) == 0 && ok;
#if !defined(_WIN32)
  ok = ::fsync(fileno(f)) == 0 && ok;
#endif
  int err = errno;
  ok = std::fclose(f) == 0 && ok;
  if (ok && std::rename(tmp.c_str(), path.c_str()) != 0) {
    ok = false;
    err = errno;
  }
  if (!ok) {
    std::remove(tmp.c_str());
    throw TDocError("Не удалось записать файл " + path + ": " + Reason(err));
  }
}

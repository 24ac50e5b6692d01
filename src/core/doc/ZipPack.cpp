// libzip packs the archives: a maintained library that writes both stored
// and deflated entries in the order they are added, so OpenDocument's
// `mimetype` can come first and uncompressed, and that packs into a buffer
// in memory, which the atomic document writer then puts on disk.
#include "ZipPack.h"

#include <zip.h>

#include <cstdio>
#include <ctime>

#include "DocFiles.h"

namespace {

constexpr zip_uint32_t kDeflateLevel = 1;
constexpr std::size_t kSmallestDeflated = 4096;

// Every entry gets the same date, so the same document packs to the same
// bytes: 1 January 2000, 00:00 local time.
std::time_t FixedTime() {
  std::tm t{};
  t.tm_year = 100;
  t.tm_mday = 1;
  t.tm_isdst = -1;
  return std::mktime(&t);
}

class TZipFailure {
 public:
  explicit TZipFailure(std::string why) : Why(std::move(why)) {}
  std::string Why;
};

std::string ReadAll(zip_source_t* src) {
  if (zip_source_open(src) < 0) throw TZipFailure(zip_error_strerror(zip_source_error(src)));
  std::string bytes;
  char buf[65536];
  zip_int64_t n;
  while ((n = zip_source_read(src, buf, sizeof buf)) > 0) bytes.append(buf, static_cast<std::size_t>(n));
  const bool failed = n < 0;
  zip_source_close(src);
  if (failed) throw TZipFailure(zip_error_strerror(zip_source_error(src)));
  return bytes;
}

}  // namespace

std::string PackZip(const std::vector<TZipEntry>& entries, const std::string& path) {
  zip_error_t error;
  zip_error_init(&error);
  zip_source_t* buffer = zip_source_buffer_create(nullptr, 0, 0, &error);
  if (!buffer) {
    const std::string why = zip_error_strerror(&error);
    zip_error_fini(&error);
    throw TDocError("Не удалось записать файл " + path + ": " + why);
  }
  try {
    zip_t* archive = zip_open_from_source(buffer, ZIP_TRUNCATE, &error);
    if (!archive) throw TZipFailure(zip_error_strerror(&error));
    // The buffer outlives the archive: its bytes are read after closing.
    zip_source_keep(buffer);
    const std::time_t when = FixedTime();
    for (const TZipEntry& e : entries) {
      zip_source_t* data = zip_source_buffer(archive, e.Bytes.data(), e.Bytes.size(), 0);
      const zip_int64_t index = data ? zip_file_add(archive, e.Name.c_str(), data, ZIP_FL_ENC_UTF_8) : -1;
      // The fastest deflate level: the XML of a passport is repetitive and
      // shrinks to a few per cent anyway, and libzip's default (the best
      // compression) made the export half as slow again to save about a
      // kilobyte. Parts of a few hundred bytes are stored: deflating each
      // costs more (a fresh compressor's tables) than the bytes it saves.
      const bool store = e.Stored || e.Bytes.size() < kSmallestDeflated;
      if (index < 0 ||
          zip_set_file_compression(archive, static_cast<zip_uint64_t>(index), store ? ZIP_CM_STORE : ZIP_CM_DEFLATE,
                                   kDeflateLevel) < 0 ||
          zip_file_set_mtime(archive, static_cast<zip_uint64_t>(index), when, 0) < 0) {
        if (data && index < 0) zip_source_free(data);
        const std::string why = zip_strerror(archive);
        zip_discard(archive);
        throw TZipFailure(why);
      }
    }
    if (zip_close(archive) < 0) {
      const std::string why = zip_strerror(archive);
      zip_discard(archive);
      throw TZipFailure(why);
    }
    std::string bytes = ReadAll(buffer);
    zip_source_free(buffer);
    zip_error_fini(&error);
    return bytes;
  } catch (const TZipFailure& f) {
    zip_source_free(buffer);
    zip_error_fini(&error);
    throw TDocError("Не удалось записать файл " + path + ": " + f.Why);
  }
}

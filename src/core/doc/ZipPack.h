#pragma once
// The zip container of the office formats (.docx, .odt), packed in memory so
// the file itself is written atomically like every other document.
#include <string>
#include <vector>

struct TZipEntry {
  std::string Name;
  std::string Bytes;
  // Kept uncompressed: the OpenDocument `mimetype`, which readers look for
  // as plain bytes at a fixed offset of the file. Small parts are stored
  // anyway.
  bool Stored = false;
};

// The archive of the entries, in their order. Throws TDocError naming
// `path` (the file the archive is for) when the packing fails.
std::string PackZip(const std::vector<TZipEntry>& entries, const std::string& path);

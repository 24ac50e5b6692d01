#pragma once

#include <optional>
#include <string>

// The stored bytes of one passport at one moment: its working folder, or one of its
// versions in a versioned database. Comparison, history and restore all speak in these,
// byte for byte, so nothing is re-saved through the writers on the way.
struct TPassportFiles {
  std::string id;                   // the passport's folder name, e.g. "svo7"
  std::optional<std::string> map;   // map.txt; nothing when the file is absent
  std::optional<std::string> info;  // info.txt; nothing when the file is absent
};

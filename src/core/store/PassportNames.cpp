#include "PassportNames.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

namespace fs = std::filesystem;

namespace {

std::string WithSlash(const std::string& database) {
  std::string base = database;
  if (!base.empty() && base.back() != '/' && base.back() != '\\') base += '/';
  return base;
}

}  // namespace

long long PassportNumber(const std::string& name) {
  if (name.size() < 4 || name.compare(0, 3, "svo") != 0) return -1;
  long long n = 0;
  std::size_t i = 3;
  for (; i < name.size() && std::isdigit(static_cast<unsigned char>(name[i])) && i < 12; ++i) n = n * 10 + (name[i] - '0');
  return i == 3 ? -1 : n;
}

bool IsPassportDir(const std::string& dir) {
  std::error_code ec;
  const fs::path d(dir);
  return fs::is_regular_file(d / "info.txt", ec) || fs::is_regular_file(d / "map.txt", ec);
}

std::vector<std::string> PassportDirs(const std::string& database) {
  struct TEntry {
    long long Number;
    std::string Name;
  };
  std::vector<TEntry> found;
  std::error_code ec;
  for (fs::directory_iterator it(database, ec), end; !ec && it != end; it.increment(ec)) {
    std::error_code ec2;
    if (!it->is_directory(ec2)) continue;
    const std::string name = it->path().filename().string();
    const long long n = PassportNumber(name);
    if (n >= 0) found.push_back({n, name});
  }
  std::sort(found.begin(), found.end(),
            [](const TEntry& a, const TEntry& b) { return a.Number != b.Number ? a.Number < b.Number : a.Name < b.Name; });
  const std::string base = WithSlash(database);
  std::vector<std::string> dirs;
  for (const TEntry& e : found) dirs.push_back(base + e.Name + "/");
  return dirs;
}

TDatabaseScan ScanDatabase(const std::string& database) {
  TDatabaseScan scan;
  for (const std::string& d : PassportDirs(database)) {
    if (IsPassportDir(d))
      scan.Passports.push_back(d);
    else
      scan.Skipped.push_back({d, TSkipReason::NoFiles});
  }
  const std::string base = WithSlash(database);
  std::vector<TSkippedDir> named;
  std::error_code ec;
  for (fs::directory_iterator it(database, ec), end; !ec && it != end; it.increment(ec)) {
    std::error_code ec2;
    if (!it->is_directory(ec2)) continue;
    const std::string name = it->path().filename().string();
    if (name.size() < 3 || PassportNumber(name) >= 0) continue;
    std::string head = name.substr(0, 3);
    for (char& c : head) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (head != "svo") continue;
    named.push_back({base + name + "/", name.compare(0, 3, "svo") == 0 ? TSkipReason::NoNumber : TSkipReason::NameCase});
  }
  std::sort(named.begin(), named.end(), [](const TSkippedDir& a, const TSkippedDir& b) { return a.Dir < b.Dir; });
  scan.Skipped.insert(scan.Skipped.end(), named.begin(), named.end());
  return scan;
}

const char* SkipReasonText(TSkipReason reason) {
  switch (reason) {
    case TSkipReason::NameCase:
      return "not a passport name: \"svo\" is matched in lower case";
    case TSkipReason::NoNumber:
      return "not a passport name: no digit after \"svo\"";
    case TSkipReason::NoFiles:
      return "neither info.txt nor map.txt in it";
  }
  return "";
}

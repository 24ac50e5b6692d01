#include "ProgramDir.h"

#include <unistd.h>

#include <climits>
#include <filesystem>
#include <system_error>

namespace {
std::string gProgramDir = "./";
bool gInstalled = false;

// The folders the program reads beside itself; any one of them marks a home.
constexpr const char* kHomeFolders[] = {"Data", "help", "cursors", "icons", "wav", "template"};

bool IsDirectory(const std::string& path) {
  std::error_code ec;
  return std::filesystem::is_directory(path, ec);
}
}  // namespace

const std::string& ProgramDir() { return gProgramDir; }

void SetProgramDir(const std::string& dir) { gProgramDir = WithTrailingSep(dir); }

std::string ExecutableDir() {
  char buf[PATH_MAX];
  const ssize_t n = ::readlink("/proc/self/exe", buf, sizeof buf - 1);
  if (n <= 0) return "./";
  std::string p(buf, static_cast<std::size_t>(n));
  const auto slash = p.rfind('/');
  return slash == std::string::npos ? "./" : p.substr(0, slash + 1);
}

std::string WithTrailingSep(const std::string& dir) {
  if (dir.empty()) return "./";
  return dir.back() == kPathSep ? dir : dir + kPathSep;
}

std::string JoinPath(const std::string& a, const std::string& b) {
  if (a.empty()) return b;
  std::string rest = b;
  while (!rest.empty() && rest.front() == kPathSep) rest.erase(0, 1);
  return WithTrailingSep(a) + rest;
}

std::string ProgramHomeFor(const std::string& executableDir) {
  const std::string beside = WithTrailingSep(executableDir);
  for (const char* folder : kHomeFolders)
    if (IsDirectory(beside + folder)) return beside;
  const std::string shared = (std::filesystem::path(beside) / "../share/svpass/").lexically_normal().string();
  return IsDirectory(shared) ? shared : beside;
}

void LocateProgramHome(const std::string& executableDir) {
  const std::string home = ProgramHomeFor(executableDir);
  gInstalled = home != WithTrailingSep(executableDir);
  SetProgramDir(home);
}

bool ProgramInstalled() { return gInstalled; }

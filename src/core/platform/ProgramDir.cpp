#include "ProgramDir.h"

#include <unistd.h>

#include <climits>

namespace {
std::string gProgramDir = "./";
}

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

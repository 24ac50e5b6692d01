#include "GitHandles.h"

#include <mutex>

void EnsureGitLibrary() {
  static std::once_flag once;
  std::call_once(once, [] { git_libgit2_init(); });
}

std::string GitLastError() {
  const git_error* e = git_error_last();
  return e && e->message ? e->message : "unknown error";
}

void GitCheck(int rc, const std::string& what) {
  if (rc < 0) throw TGitError(rc, what + ": " + GitLastError());
}

#include "GitHandles.h"

#include <mutex>

void EnsureGitLibrary() {
  static std::once_flag once;
  std::call_once(once, [] {
    git_libgit2_init();
    // The root tree of a database names every passport (some 60 KB for 2 000
    // of them): kept parsed between the saves and the steps of a sync.
    git_libgit2_opts(GIT_OPT_SET_CACHE_OBJECT_LIMIT, GIT_OBJECT_TREE, static_cast<size_t>(1) << 20);
  });
}

std::string GitLastError() {
  const git_error* e = git_error_last();
  return e && e->message ? e->message : "unknown error";
}

void GitCheck(int rc, const std::string& what) {
  if (rc < 0) throw TGitError(rc, what + ": " + GitLastError());
}

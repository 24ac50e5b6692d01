#pragma once
// Owning handles of libgit2's objects, so that every path out of a function,
// an exception included, frees what it took; and the one way a failed call
// of the library becomes an error of the program.
#include <git2.h>

#include <memory>
#include <stdexcept>
#include <string>

// A failure of the versioned database, with libgit2's own explanation.
class TGitError : public std::runtime_error {
 public:
  TGitError(int code, const std::string& what) : std::runtime_error(what), Code(code) {}
  int Code;
};

// Starts libgit2 once for the life of the process.
void EnsureGitLibrary();
// Throws TGitError saying `what` and libgit2's last error when `rc` < 0.
void GitCheck(int rc, const std::string& what);
// The text of libgit2's last error, or "unknown error".
std::string GitLastError();

template <typename T, void (*Free)(T*)>
struct TGitDeleter {
  void operator()(T* p) const {
    if (p) Free(p);
  }
};
template <typename T, void (*Free)(T*)>
using TGitPtr = std::unique_ptr<T, TGitDeleter<T, Free>>;

using TRepoPtr = TGitPtr<git_repository, git_repository_free>;
using TCommitPtr = TGitPtr<git_commit, git_commit_free>;
using TTreePtr = TGitPtr<git_tree, git_tree_free>;
using TTreeEntryPtr = TGitPtr<git_tree_entry, git_tree_entry_free>;
using TBlobPtr = TGitPtr<git_blob, git_blob_free>;
using TRefPtr = TGitPtr<git_reference, git_reference_free>;
using TIndexPtr = TGitPtr<git_index, git_index_free>;
using TSignaturePtr = TGitPtr<git_signature, git_signature_free>;
using TTreeBuilderPtr = TGitPtr<git_treebuilder, git_treebuilder_free>;
using TRemotePtr = TGitPtr<git_remote, git_remote_free>;
using TRevwalkPtr = TGitPtr<git_revwalk, git_revwalk_free>;
using TStatusListPtr = TGitPtr<git_status_list, git_status_list_free>;
using TObjectPtr = TGitPtr<git_object, git_object_free>;

// A git_strarray filled by the library.
struct TGitStrArray {
  git_strarray Value{nullptr, 0};
  ~TGitStrArray() { git_strarray_dispose(&Value); }
};

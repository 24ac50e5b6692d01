#pragma once
// Talking to the shared copy of a database: credentials come from the ssh
// agent or from git's own credential helpers, asked each time and never kept
// by the program.
#include <string>

#include "GitHandles.h"

struct TCredentialState {
  int SshTries = 0;
  int HelperTries = 0;
  // Set when the other side refused to update a reference.
  std::string Rejected;
};

// Callbacks with the credential lookup and the refusal report wired in.
git_remote_callbacks RemoteCallbacks(TCredentialState& state);

// The user name and password git's credential helpers give for `url`
// (`git credential fill`, never prompting); false when they give none.
bool CredentialFromHelpers(const std::string& url, const std::string& userFromUrl, std::string& user,
                           std::string& password);

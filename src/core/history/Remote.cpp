#include "Remote.h"

#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <sstream>

namespace {

// "https://host:port/path" → protocol, host (with port), path, as git's
// credential protocol takes them.
void SplitUrl(const std::string& url, std::string& protocol, std::string& host, std::string& path) {
  const std::size_t colon = url.find("://");
  protocol = colon == std::string::npos ? "https" : url.substr(0, colon);
  std::string rest = colon == std::string::npos ? url : url.substr(colon + 3);
  const std::size_t at = rest.find('@');
  const std::size_t slash = rest.find('/');
  if (at != std::string::npos && (slash == std::string::npos || at < slash)) rest = rest.substr(at + 1);
  const std::size_t s = rest.find('/');
  host = rest.substr(0, s);
  path = s == std::string::npos ? std::string() : rest.substr(s + 1);
}

// Runs `git credential fill` with `input`, gives what it printed.
bool RunCredentialFill(const std::string& input, std::string& output) {
  int in[2], out[2];
  if (::pipe(in) != 0) return false;
  if (::pipe(out) != 0) {
    ::close(in[0]);
    ::close(in[1]);
    return false;
  }
  const pid_t pid = ::fork();
  if (pid < 0) return false;
  if (pid == 0) {
    ::dup2(in[0], 0);
    ::dup2(out[1], 1);
    ::close(in[1]);
    ::close(out[0]);
    ::setenv("GIT_TERMINAL_PROMPT", "0", 1);
    ::execlp("git", "git", "credential", "fill", static_cast<char*>(nullptr));
    ::_exit(127);
  }
  ::close(in[0]);
  ::close(out[1]);
  bool ok = ::write(in[1], input.data(), input.size()) == static_cast<ssize_t>(input.size());
  ::close(in[1]);
  char buf[4096];
  ssize_t n;
  while ((n = ::read(out[0], buf, sizeof buf)) > 0) output.append(buf, static_cast<std::size_t>(n));
  ::close(out[0]);
  int status = 0;
  ::waitpid(pid, &status, 0);
  return ok && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

int Credentials(git_credential** out, const char* url, const char* userFromUrl, unsigned int allowed, void* payload) {
  auto* state = static_cast<TCredentialState*>(payload);
  const std::string user = userFromUrl && *userFromUrl ? userFromUrl : "git";
  if ((allowed & GIT_CREDENTIAL_SSH_KEY) && state->SshTries++ == 0)
    return git_credential_ssh_key_from_agent(out, user.c_str());
  if ((allowed & GIT_CREDENTIAL_USERNAME) && state->SshTries <= 1) return git_credential_username_new(out, user.c_str());
  if ((allowed & GIT_CREDENTIAL_USERPASS_PLAINTEXT) && state->HelperTries++ == 0) {
    std::string name, password;
    if (CredentialFromHelpers(url ? url : "", userFromUrl ? userFromUrl : "", name, password))
      return git_credential_userpass_plaintext_new(out, name.c_str(), password.c_str());
  }
  git_error_set_str(GIT_ERROR_NET, "no credentials from the ssh agent or git's credential helpers");
  return GIT_EAUTH;
}

int PushRefusal(const char* refname, const char* status, void* payload) {
  if (status) static_cast<TCredentialState*>(payload)->Rejected = std::string(refname) + ": " + status;
  return 0;
}

}  // namespace

bool CredentialFromHelpers(const std::string& url, const std::string& userFromUrl, std::string& user,
                           std::string& password) {
  std::string protocol, host, path;
  SplitUrl(url, protocol, host, path);
  std::ostringstream in;
  in << "protocol=" << protocol << "\nhost=" << host << "\n";
  if (!path.empty()) in << "path=" << path << "\n";
  if (!userFromUrl.empty()) in << "username=" << userFromUrl << "\n";
  in << "\n";
  std::string out;
  if (!RunCredentialFill(in.str(), out)) return false;
  std::istringstream lines(out);
  for (std::string line; std::getline(lines, line);) {
    if (line.rfind("username=", 0) == 0) user = line.substr(9);
    if (line.rfind("password=", 0) == 0) password = line.substr(9);
  }
  return !user.empty() || !password.empty();
}

git_remote_callbacks RemoteCallbacks(TCredentialState& state) {
  git_remote_callbacks cb{};
  git_remote_init_callbacks(&cb, GIT_REMOTE_CALLBACKS_VERSION);
  cb.credentials = Credentials;
  cb.push_update_reference = PushRefusal;
  cb.payload = &state;
  return cb;
}

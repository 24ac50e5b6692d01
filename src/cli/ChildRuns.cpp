#include "ChildRuns.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <map>

extern char** environ;

namespace {

std::string SelfPath() {
  char buf[PATH_MAX];
  const ssize_t n = readlink("/proc/self/exe", buf, sizeof buf - 1);
  return n > 0 ? std::string(buf, static_cast<std::size_t>(n)) : std::string("svpass-cli");
}

// An unnamed file for a child's messages: it goes away with its last
// descriptor, whatever happens to this process.
int CaptureFile() {
  const char* tmp = std::getenv("TMPDIR");
  std::string name = std::string(tmp && *tmp ? tmp : "/tmp") + "/svpass-cli-XXXXXX";
  const int fd = mkostemp(name.data(), O_CLOEXEC);
  if (fd >= 0) unlink(name.c_str());
  return fd;
}

std::string ReadAll(int fd) {
  std::string text;
  if (lseek(fd, 0, SEEK_SET) != 0) return text;
  char buf[8192];
  for (ssize_t n; (n = read(fd, buf, sizeof buf)) > 0;) text.append(buf, static_cast<std::size_t>(n));
  return text;
}

struct TRunning {
  std::size_t Index;
  int Capture;
};

}  // namespace

void RunChildren(const std::vector<TChildRun>& runs, int jobs,
                 const std::function<void(std::size_t, const TChildResult&)>& done) {
  const std::string self = SelfPath();
  std::map<pid_t, TRunning> running;
  std::size_t next = 0;
  while (next < runs.size() || !running.empty()) {
    while (next < runs.size() && static_cast<int>(running.size()) < jobs) {
      const std::size_t index = next++;
      const TChildRun& run = runs[index];
      const int capture = CaptureFile();
      if (capture < 0) {
        done(index, TChildResult{-1, 0, std::string("cannot make a file for messages: ") + std::strerror(errno)});
        continue;
      }
      std::vector<std::string> words{"svpass-cli"};
      words.insert(words.end(), run.Args.begin(), run.Args.end());
      std::vector<char*> argv;
      for (std::string& w : words) argv.push_back(w.data());
      argv.push_back(nullptr);

      posix_spawn_file_actions_t actions;
      posix_spawn_file_actions_init(&actions);
      posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
      if (run.StdoutFile.empty())
        posix_spawn_file_actions_adddup2(&actions, capture, 1);
      else
        posix_spawn_file_actions_addopen(&actions, 1, run.StdoutFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0666);
      posix_spawn_file_actions_adddup2(&actions, capture, 2);
      pid_t pid = 0;
      const int err = posix_spawn(&pid, self.c_str(), &actions, nullptr, argv.data(), environ);
      posix_spawn_file_actions_destroy(&actions);
      if (err != 0) {
        close(capture);
        const std::string what = run.StdoutFile.empty() ? "cannot start " + self : "cannot write " + run.StdoutFile;
        done(index, TChildResult{-1, 0, what + ": " + std::strerror(err) + "\n"});
        continue;
      }
      running[pid] = TRunning{index, capture};
    }
    if (running.empty()) continue;
    int status = 0;
    const pid_t pid = waitpid(-1, &status, 0);
    if (pid < 0) {
      if (errno == EINTR) continue;
      // No child is left to wait for: report the ones we lost track of.
      for (const auto& [lost, r] : running) {
        done(r.Index, TChildResult{-1, 0, ReadAll(r.Capture) + "lost the child process\n"});
        close(r.Capture);
      }
      running.clear();
      continue;
    }
    const auto it = running.find(pid);
    if (it == running.end()) continue;
    TChildResult result;
    if (WIFEXITED(status)) {
      result.Code = WEXITSTATUS(status);
    } else if (WIFSIGNALED(status)) {
      result.Signal = WTERMSIG(status);
    }
    result.Output = ReadAll(it->second.Capture);
    close(it->second.Capture);
    const std::size_t index = it->second.Index;
    running.erase(it);
    done(index, result);
  }
}

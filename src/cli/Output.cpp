#include "Output.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iostream>

#include "Usage.h"

namespace {

// Standard output fails for good once: one line says so.
bool StdoutFailureSaid = false;

std::string Reason(int err) { return err ? std::strerror(err) : "write error"; }

bool WriteStdout(const std::string& bytes) {
  errno = 0;
  std::cout.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  std::cout.flush();
  return static_cast<bool>(std::cout) && std::fflush(stdout) == 0 && !std::ferror(stdout);
}

bool WriteFile(const std::string& path, const std::string& bytes, int& err) {
  const std::string tmp = path + ".tmp~";
  errno = 0;
  std::FILE* f = std::fopen(tmp.c_str(), "wb");
  if (!f) {
    err = errno;
    return false;
  }
  bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
  ok = std::fflush(f) == 0 && ok;
  err = errno;
  ok = std::fclose(f) == 0 && ok;
  if (!ok && !err) err = errno;
  if (ok && std::rename(tmp.c_str(), path.c_str()) != 0) {
    ok = false;
    err = errno;
  }
  if (!ok) std::remove(tmp.c_str());
  return ok;
}

}  // namespace

std::string TargetName(const std::string& path) { return path == "-" ? "standard output" : path; }

void ReportWriteFailure(const std::string& command, const std::string& path, int err) {
  if (path == "-") {
    if (StdoutFailureSaid) return;
    StdoutFailureSaid = true;
  }
  CliError(command) << "cannot write " << TargetName(path) << ": " << Reason(err) << '\n';
}

bool WriteOutput(const std::string& command, const std::string& path, const std::string& bytes) {
  int err = 0;
  if (path == "-") {
    if (WriteStdout(bytes)) return true;
    err = errno;
  } else if (WriteFile(path, bytes, err)) {
    return true;
  }
  ReportWriteFailure(command, path, err);
  return false;
}

bool CloseStandardOutput(const std::string& command) {
  errno = 0;
  std::cout.flush();
  bool ok = static_cast<bool>(std::cout) && std::fflush(stdout) == 0 && !std::ferror(stdout);
  int err = errno;
  if (std::fclose(stdout) != 0) {
    if (ok) err = errno;
    ok = false;
  }
  if (!ok) ReportWriteFailure(command, "-", err);
  return ok;
}

TPartialFile::~TPartialFile() {
  if (!Path_.empty() && Path_ != "-") std::remove(Path_.c_str());
}

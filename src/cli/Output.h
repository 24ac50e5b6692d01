#pragma once
// Writing the tool's results so that a script can trust them: every write is
// checked, standard output included; a file that could not be written whole
// never stays behind (the old one, if any, is kept); "-" names standard
// output wherever a file is taken. A failure is one line on stderr naming
// the target: "svpass-cli: COMMAND: cannot write TARGET: REASON".
#include <string>

// "standard output" for "-", else the path.
std::string TargetName(const std::string& path);
// Writes the bytes to the file (through a temporary beside it, renamed over
// it when complete) or, for "-", to standard output, flushed.
bool WriteOutput(const std::string& command, const std::string& path, const std::string& bytes);
// Says that TARGET could not be written, with the reason of errno (once for
// standard output, however often it fails).
void ReportWriteFailure(const std::string& command, const std::string& path, int err);
// Flushes and closes standard output at the end of a run; false (and the
// failure said once) when something written to it was lost.
bool CloseStandardOutput(const std::string& command);
// A file the command created and has not finished: removed on destruction
// unless Keep() was called.
class TPartialFile {
 public:
  explicit TPartialFile(std::string path) : Path_(std::move(path)) {}
  ~TPartialFile();
  TPartialFile(const TPartialFile&) = delete;
  TPartialFile& operator=(const TPartialFile&) = delete;
  void Keep() { Path_.clear(); }

 private:
  std::string Path_;
};

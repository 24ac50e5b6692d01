#pragma once
// Helpers shared by the core tests.
#include <string>

// A fresh empty directory under the system temp directory, removed when the
// object goes away.
class TTempDir {
 public:
  TTempDir();
  ~TTempDir();
  TTempDir(const TTempDir&) = delete;
  TTempDir& operator=(const TTempDir&) = delete;
  // With a trailing separator.
  const std::string& Path() const { return Path_; }
  std::string File(const std::string& name) const { return Path_ + name; }

 private:
  std::string Path_;
};

// Writes bytes to a file, creating it.
void WriteBytes(const std::string& path, const std::string& bytes);
std::string ReadBytes(const std::string& path);
// Lines joined with CR LF, with a CR LF after the last one.
std::string CrLf(std::initializer_list<std::string> lines);
class TSVItem;
// The item's own lines as its writer stores them in map.txt.
std::string Saved(TSVItem& item);

// A file of the repository.
std::string SourcePath(const std::string& relative);

// What one run of the command-line tool gave: its exit status (-1 when it
// did not exit by itself) and both of its streams.
struct TToolRun {
  int Code = -1;
  std::string Out;
  std::string Err;
};
// Runs svpass-cli with `args`, a shell command line of its arguments (quote
// paths yourself).
TToolRun RunTool(const std::string& args);

#pragma once
// Whole-file reading and atomic writing for documents, with failures that
// name the file and the system's reason.
#include <stdexcept>
#include <string>

// A document that cannot be read, written or executed; the text is for the
// user and names the file or the command.
class TDocError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

std::string ReadDocFile(const std::string& path);
// Writes a temporary file beside `path` and renames it over it, so the
// target is either the old file or the whole new one.
void WriteDocFile(const std::string& path, const std::string& bytes);

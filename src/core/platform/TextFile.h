#pragma once
// Reading and writing the passport's text files (Windows-1251, CR LF).
//
// The reader follows the token rules the passport files were designed for:
// a number read skips blanks and line ends and takes one blank-delimited
// token; a number read at the end of the file gives 0 without an error; a
// token that is not a number is an input/output error 106. Reals always use
// "." as the decimal point, whatever the locale.
#include <cstdint>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

// An input/output failure with the system error number users are shown.
class TInOutError : public std::runtime_error {
 public:
  TInOutError(int code, const std::string& what) : std::runtime_error(what), Code(code) {}
  int Code;
};

constexpr int kIoFileNotFound = 2;
constexpr int kIoPathNotFound = 3;
constexpr int kIoAccessDenied = 5;
constexpr int kIoReadFault = 100;
constexpr int kIoWriteFault = 101;
constexpr int kIoInvalidNumber = 106;

class TTextReader {
 public:
  // Reads the whole file. Throws TInOutError (2 when it does not exist).
  explicit TTextReader(const std::string& path);
  // Reads from bytes already in memory.
  static TTextReader FromBytes(std::string bytes);

  bool Eof() const { return Pos_ >= Data_.size(); }
  // At the end of the file or of the current line (before CR or LF).
  bool Eoln() const;

  std::int64_t ReadInt();
  double ReadReal();
  // The rest of the current line without its line end, decoded to UTF-8;
  // the position moves to the start of the next line.
  std::string ReadLine();
  // Skips the rest of the current line and its line end.
  void SkipLine();
  // One raw byte of the file, decoded to UTF-8 (line ends included as "\r"
  // and "\n"). At the end of the file: "\x1A", the end-of-file character.
  std::string ReadChar();
  // The raw byte at the position, or -1 at the end; does not move.
  int PeekByte() const;

  std::size_t Position() const { return Pos_; }

 private:
  TTextReader() = default;
  // The next blank-delimited token, a view into the file's bytes.
  std::string_view NextToken();
  std::string Data_;
  std::size_t Pos_ = 0;
};

// Collects the lines of a file and writes it in one step: a temporary file
// beside the target, flushed, then renamed over it, so a failed write never
// leaves a half-written passport.
class TTextWriter {
 public:
  // Text in UTF-8; encoded to Windows-1251.
  void Write(const std::string& text);
  void WriteLine(const std::string& text);
  void WriteLine() { Bytes_ += "\r\n"; }
  void WriteInt(std::int64_t v);
  void WriteIntLine(std::int64_t v);
  // Raw bytes, written as they are.
  void WriteRaw(const std::string& bytes) { Bytes_ += bytes; }

  const std::string& Bytes() const { return Bytes_; }
  // Throws TInOutError when the file cannot be written; the old file stays.
  void SaveAtomically(const std::string& path) const;

 private:
  std::string Bytes_;
};

bool FileExists(const std::string& path);

bool DirectoryExists(const std::string& path);
// Reads a whole file as bytes. Throws TInOutError.
std::string ReadFileBytes(const std::string& path);
// Writes a file in one step: a temporary file beside it, flushed, then
// renamed over it. Throws TInOutError; the old file then stays as it was.
void WriteFileAtomically(const std::string& path, const std::string& bytes);

// Where the readers of the passport files take their bytes from (a store of
// passports): the file's bytes, nothing when it is not there (read as an
// empty file). Called inside the reader, so that a file that cannot be read
// is reported as the reader's own error. Throws TInOutError.
using TFileSource = std::function<std::optional<std::string>()>;
// Where the writers put their bytes. Throws TInOutError.
using TFileSink = std::function<void(const std::string& bytes)>;

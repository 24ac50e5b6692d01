#include "TextFile.h"

#include <sys/stat.h>

#include <cerrno>
#include <charconv>
#include <cstdio>
#include <sstream>

#include "Codec1251.h"

#if defined(_WIN32)
#include <io.h>
#else
#include <unistd.h>
#endif

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\x1A' || c == '\f' || c == '\v'; }

}  // namespace

std::string ReadFileBytes(const std::string& path) {
  // A directory opens for reading on some systems and then reads as empty.
  if (DirectoryExists(path)) throw TInOutError(kIoAccessDenied, "is a directory: " + path);
  std::FILE* f = std::fopen(path.c_str(), "rb");
  if (!f) {
    const int code = (errno == EACCES) ? kIoAccessDenied : kIoFileNotFound;
    throw TInOutError(code, "cannot open " + path);
  }
  // Straight into the string, in blocks: no second copy of a large scheme.
  std::string bytes;
  struct stat st {};
  if (::fstat(fileno(f), &st) == 0 && st.st_size > 0) bytes.reserve(static_cast<std::size_t>(st.st_size));
  char block[1 << 16];
  std::size_t n = 0;
  while ((n = std::fread(block, 1, sizeof block, f)) > 0) bytes.append(block, n);
  const bool failed = std::ferror(f) != 0;
  std::fclose(f);
  if (failed) throw TInOutError(kIoReadFault, "cannot read " + path);
  return bytes;
}

bool FileExists(const std::string& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool DirectoryExists(const std::string& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

TTextReader::TTextReader(const std::string& path) : Data_(ReadFileBytes(path)) {}

TTextReader TTextReader::FromBytes(std::string bytes) {
  TTextReader r;
  r.Data_ = std::move(bytes);
  return r;
}

bool TTextReader::Eoln() const {
  return Eof() || Data_[Pos_] == '\r' || Data_[Pos_] == '\n';
}

int TTextReader::PeekByte() const {
  return Eof() ? -1 : static_cast<unsigned char>(Data_[Pos_]);
}

std::string_view TTextReader::NextToken() {
  while (Pos_ < Data_.size() && IsBlank(Data_[Pos_])) ++Pos_;
  const std::size_t start = Pos_;
  while (Pos_ < Data_.size() && !IsBlank(Data_[Pos_])) ++Pos_;
  return std::string_view(Data_).substr(start, Pos_ - start);
}

std::int64_t TTextReader::ReadInt() {
  const std::string_view tok = NextToken();
  if (tok.empty()) return 0;
  std::size_t i = 0;
  bool neg = false;
  if (tok[i] == '+' || tok[i] == '-') {
    neg = tok[i] == '-';
    ++i;
  }
  int base = 10;
  if (i < tok.size() && tok[i] == '$') {
    base = 16;
    ++i;
  } else if (i + 1 < tok.size() && tok[i] == '0' && (tok[i + 1] == 'x' || tok[i + 1] == 'X')) {
    base = 16;
    i += 2;
  }
  std::uint64_t v = 0;
  const char* first = tok.data() + i;
  const char* last = tok.data() + tok.size();
  const auto res = std::from_chars(first, last, v, base);
  if (first == last || res.ec != std::errc() || res.ptr != last || v > (std::uint64_t{1} << 62))
    throw TInOutError(kIoInvalidNumber, "invalid numeric format: " + std::string(tok));
  const auto sv = static_cast<std::int64_t>(v);
  return neg ? -sv : sv;
}

double TTextReader::ReadReal() {
  const std::string_view tok = NextToken();
  if (tok.empty()) return 0.0;
  // Every coordinate of a scheme passes here, so the usual plain decimal is
  // converted in one pass. from_chars would also take "inf" or "nan", which
  // are no numbers of these files: a token not starting with a digit, a
  // point or a minus and a digit or point goes the checked way below.
  const char* end = tok.data() + tok.size();
  const auto digitOrPoint = [](char c) { return (c >= '0' && c <= '9') || c == '.'; };
  if (digitOrPoint(tok[0]) || (tok[0] == '-' && tok.size() > 1 && digitOrPoint(tok[1]))) {
    double fast = 0.0;
    const auto res = std::from_chars(tok.data(), end, fast);
    if (res.ec == std::errc() && res.ptr == end) return fast;
  }
  // The checked way: a hand-written grammar, so a stray "," or "1.2.3" is an
  // error whatever the locale.
  std::size_t i = 0;
  if (tok[i] == '+' || tok[i] == '-') ++i;
  std::size_t digits = 0;
  while (i < tok.size() && tok[i] >= '0' && tok[i] <= '9') ++i, ++digits;
  if (i < tok.size() && tok[i] == '.') {
    ++i;
    while (i < tok.size() && tok[i] >= '0' && tok[i] <= '9') ++i, ++digits;
  }
  if (digits > 0 && i < tok.size() && (tok[i] == 'e' || tok[i] == 'E')) {
    std::size_t j = i + 1;
    if (j < tok.size() && (tok[j] == '+' || tok[j] == '-')) ++j;
    std::size_t ed = 0;
    while (j < tok.size() && tok[j] >= '0' && tok[j] <= '9') ++j, ++ed;
    if (ed > 0) i = j;
  }
  if (digits == 0 || i != tok.size()) throw TInOutError(kIoInvalidNumber, "invalid numeric format: " + std::string(tok));
  // Every coordinate of a scheme passes here: convert without building a
  // stream (and its locale) per number. Only a value beyond the range of a
  // double takes the stream, which gives the largest finite value or 0.
  double v = 0.0;
  const char* first = tok.data() + (tok[0] == '+' ? 1 : 0);
  const auto res = std::from_chars(first, end, v);
  if (res.ec == std::errc() && res.ptr == end) return v;
  std::istringstream ss{std::string(tok)};
  ss.imbue(std::locale::classic());
  v = 0.0;
  ss >> v;
  return v;
}

std::string TTextReader::ReadLine() {
  const std::size_t start = Pos_;
  while (Pos_ < Data_.size() && Data_[Pos_] != '\r' && Data_[Pos_] != '\n') ++Pos_;
  std::string line = Decode1251(std::string_view(Data_).substr(start, Pos_ - start));
  SkipLine();
  return line;
}

void TTextReader::SkipLine() {
  while (Pos_ < Data_.size() && Data_[Pos_] != '\r' && Data_[Pos_] != '\n') ++Pos_;
  if (Pos_ < Data_.size() && Data_[Pos_] == '\r') ++Pos_;
  if (Pos_ < Data_.size() && Data_[Pos_] == '\n') ++Pos_;
}

std::string TTextReader::ReadChar() {
  if (Eof()) return "\x1A";
  return Decode1251(std::string_view(Data_).substr(Pos_++, 1));
}

void TTextWriter::Write(const std::string& text) { Bytes_ += Encode1251(text); }

void TTextWriter::WriteLine(const std::string& text) {
  Write(text);
  Bytes_ += "\r\n";
}

void TTextWriter::WriteInt(std::int64_t v) { Bytes_ += std::to_string(v); }

void TTextWriter::WriteIntLine(std::int64_t v) {
  WriteInt(v);
  Bytes_ += "\r\n";
}

void TTextWriter::SaveAtomically(const std::string& path) const { WriteFileAtomically(path, Bytes_); }

void WriteFileAtomically(const std::string& path, const std::string& bytes) {
  const std::string tmp = path + ".tmp~";
  std::FILE* f = std::fopen(tmp.c_str(), "wb");
  if (!f) throw TInOutError(errno == EACCES ? kIoAccessDenied : kIoFileNotFound, "cannot create " + tmp);
  bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
  ok = std::fflush(f) == 0 && ok;
#if !defined(_WIN32)
  ok = ::fsync(fileno(f)) == 0 && ok;
#endif
  ok = std::fclose(f) == 0 && ok;
  if (!ok || std::rename(tmp.c_str(), path.c_str()) != 0) {
    std::remove(tmp.c_str());
    throw TInOutError(kIoWriteFault, "cannot write " + path);
  }
}

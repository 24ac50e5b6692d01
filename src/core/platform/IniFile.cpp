#include "IniFile.h"

#include <algorithm>
#include <cctype>
#include <charconv>

#include "Codec1251.h"
#include "TextFile.h"

namespace {

std::string Trim(const std::string& s) {
  std::size_t b = 0, e = s.size();
  while (b < e && (s[b] == ' ' || s[b] == '\t')) ++b;
  while (e > b && (s[e - 1] == ' ' || s[e - 1] == '\t')) --e;
  return s.substr(b, e - b);
}

// Case-insensitive for ASCII and for Cyrillic letters in UTF-8 (the code page
// the names come from has both cases of both alphabets).
std::string Fold(const std::string& s) {
  std::u32string cps = Utf8ToCodePoints(s);
  for (auto& c : cps) {
    if (c >= 'a' && c <= 'z') c = c - 'a' + 'A';
    else if (c >= 0x0430 && c <= 0x044F) c -= 0x20;
    else if (c >= 0x0450 && c <= 0x045F) c -= 0x50;
  }
  std::string out;
  for (char32_t c : cps) out += std::to_string(static_cast<unsigned long>(c)) + ',';
  return out;
}

bool IsSectionLine(const std::string& line, std::string* name) {
  const std::string t = Trim(line);
  if (t.size() < 2 || t.front() != '[') return false;
  const auto close = t.find(']');
  if (close == std::string::npos) return false;
  if (name) *name = Trim(t.substr(1, close - 1));
  return true;
}

bool KeyOfLine(const std::string& line, std::string* key, std::string* value) {
  const std::string t = Trim(line);
  if (t.empty() || t[0] == ';') return false;
  const auto eq = t.find('=');
  if (eq == std::string::npos) return false;
  if (key) *key = Trim(t.substr(0, eq));
  if (value) *value = Trim(t.substr(eq + 1));
  return true;
}

}  // namespace

TIniFile::TIniFile(std::string path) : Path_(std::move(path)) { Reload(); }

void TIniFile::Reload() {
  Lines_.clear();
  ReadLines(Lines_);
}

bool TIniFile::ReadLines(std::vector<std::string>& lines) const {
  std::string bytes;
  try {
    bytes = ReadFileBytes(Path_);
  } catch (const TInOutError&) {
    return false;
  }
  lines.clear();
  std::size_t start = 0;
  while (start < bytes.size()) {
    std::size_t end = bytes.find_first_of("\r\n", start);
    if (end == std::string::npos) end = bytes.size();
    lines.push_back(Decode1251(std::string_view(bytes).substr(start, end - start)));
    if (end < bytes.size() && bytes[end] == '\r') ++end;
    if (end < bytes.size() && bytes[end] == '\n') ++end;
    start = end;
  }
  return true;
}

void TIniFile::RefreshBeforeWrite() {
  // After a failed write the session holds values the file lacks, and a file
  // that cannot be read holds nothing: either way the next write starts from
  // what the session holds, so no value whose write failed is dropped.
  if (Unsaved_) return;
  std::vector<std::string> lines;
  if (ReadLines(lines)) Lines_ = std::move(lines);
}

TIniFile::Found TIniFile::Find(const std::string& section, const std::string& key) const {
  Found f;
  const std::string fs = Fold(Trim(section));
  const std::string fk = Fold(Trim(key));
  for (int i = 0; i < static_cast<int>(Lines_.size()); ++i) {
    std::string name;
    if (IsSectionLine(Lines_[i], &name)) {
      if (f.SectionLine >= 0) {
        f.SectionEnd = i;
        return f;
      }
      if (Fold(name) == fs) f.SectionLine = i;
      continue;
    }
    if (f.SectionLine >= 0 && f.KeyLine < 0) {
      std::string k;
      if (KeyOfLine(Lines_[i], &k, nullptr) && Fold(k) == fk) f.KeyLine = i;
    }
  }
  if (f.SectionLine >= 0) f.SectionEnd = static_cast<int>(Lines_.size());
  return f;
}

std::string TIniFile::ReadString(const std::string& section, const std::string& key, const std::string& def) const {
  const Found f = Find(section, key);
  if (f.KeyLine < 0) return def;
  std::string value;
  KeyOfLine(Lines_[f.KeyLine], nullptr, &value);
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
    value = value.substr(1, value.size() - 2);
  return value;
}

int TIniFile::ReadInteger(const std::string& section, const std::string& key, int def) const {
  const std::string s = ReadString(section, key, "");
  if (s.empty()) return def;
  int v = 0;
  const char* first = s.data();
  if (*first == '+') ++first;
  const auto res = std::from_chars(first, s.data() + s.size(), v);
  if (res.ec != std::errc() || res.ptr != s.data() + s.size()) return def;
  return v;
}

bool TIniFile::ReadBool(const std::string& section, const std::string& key, bool def) const {
  return ReadInteger(section, key, def ? 1 : 0) != 0;
}

bool TIniFile::ValueExists(const std::string& section, const std::string& key) const {
  return Find(section, key).KeyLine >= 0;
}

bool TIniFile::SectionExists(const std::string& section) const { return Find(section, "").SectionLine >= 0; }

std::vector<std::string> TIniFile::ReadSection(const std::string& section) const {
  std::vector<std::string> keys;
  const Found f = Find(section, "");
  if (f.SectionLine < 0) return keys;
  for (int i = f.SectionLine + 1; i < f.SectionEnd; ++i) {
    std::string k;
    if (KeyOfLine(Lines_[i], &k, nullptr)) keys.push_back(k);
  }
  return keys;
}

bool TIniFile::WriteString(const std::string& section, const std::string& key, const std::string& value) {
  // Another window's TIniFile over the same file may have written since this
  // one read it; starting from the file as it is now keeps its keys.
  RefreshBeforeWrite();
  const Found f = Find(section, key);
  const std::string line = key + "=" + value;
  if (f.KeyLine >= 0) {
    Lines_[f.KeyLine] = line;
  } else if (f.SectionLine >= 0) {
    // After the section's last non-blank line, so blank separators stay put.
    int at = f.SectionEnd;
    while (at - 1 > f.SectionLine && Trim(Lines_[at - 1]).empty()) --at;
    Lines_.insert(Lines_.begin() + at, line);
  } else {
    if (!Lines_.empty() && !Trim(Lines_.back()).empty()) Lines_.emplace_back();
    Lines_.push_back("[" + section + "]");
    Lines_.push_back(line);
  }
  return Flush();
}

bool TIniFile::WriteInteger(const std::string& section, const std::string& key, int value) {
  return WriteString(section, key, std::to_string(value));
}

bool TIniFile::WriteBool(const std::string& section, const std::string& key, bool value) {
  return WriteString(section, key, value ? "1" : "0");
}

bool TIniFile::DeleteKey(const std::string& section, const std::string& key) {
  RefreshBeforeWrite();
  const Found f = Find(section, key);
  if (f.KeyLine < 0) return true;
  Lines_.erase(Lines_.begin() + f.KeyLine);
  return Flush();
}

bool TIniFile::Flush() {
  TTextWriter w;
  for (const auto& l : Lines_) w.WriteLine(l);
  try {
    w.SaveAtomically(Path_);
  } catch (const TInOutError&) {
    Unsaved_ = true;
    return false;
  }
  Unsaved_ = false;
  return true;
}

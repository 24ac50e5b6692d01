#pragma once
// An INI file with the semantics of the Windows profile functions: section
// and key names compare without regard to case, values are kept as text
// ("3,0" stays "3,0"), missing keys give the caller's default, and writing a
// key keeps every other line of the file as it was. Each write goes straight
// to disk, so nothing is lost if the program stops afterwards.
#include <string>
#include <vector>

class TIniFile {
 public:
  explicit TIniFile(std::string path);

  const std::string& FileName() const { return Path_; }

  std::string ReadString(const std::string& section, const std::string& key, const std::string& def) const;
  // The decimal value, or def when the key is missing or not an integer.
  int ReadInteger(const std::string& section, const std::string& key, int def) const;
  bool ReadBool(const std::string& section, const std::string& key, bool def) const;
  bool ValueExists(const std::string& section, const std::string& key) const;
  bool SectionExists(const std::string& section) const;
  // The keys of a section in file order.
  std::vector<std::string> ReadSection(const std::string& section) const;

  // Each write reads the file afresh and changes only its own line, so two
  // windows writing different keys never undo each other. Returns false
  // when the file cannot be written.
  bool WriteString(const std::string& section, const std::string& key, const std::string& value);
  bool WriteInteger(const std::string& section, const std::string& key, int value);
  bool WriteBool(const std::string& section, const std::string& key, bool value);
  bool DeleteKey(const std::string& section, const std::string& key);

  // Re-reads the file from disk.
  void Reload();

 private:
  struct Found {
    int SectionLine = -1;  // index of the "[section]" line
    int SectionEnd = -1;   // index after the section's last line
    int KeyLine = -1;      // index of the "key=" line
  };
  Found Find(const std::string& section, const std::string& key) const;
  bool ReadLines(std::vector<std::string>& lines) const;
  void RefreshBeforeWrite();
  bool Flush();

  std::string Path_;
  std::vector<std::string> Lines_;  // UTF-8, without line ends
  bool Unsaved_ = false;            // a write failed: Lines_ is newer than the file
};

// config.ini: every read on a hostile file, then a write of one key that
// must read back as written and leave every other key of the section and of
// the program's own sections as it was.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "FuzzSupport.h"
#include "platform/IniFile.h"

namespace {

// Names the program could write: letters, digits and inner blanks.
std::string CleanName(const std::string& raw) {
  static const char kAlphabet[] = "abcXYZ019_ .-";
  std::string s;
  for (const char c : raw) s += kAlphabet[static_cast<unsigned char>(c) % (sizeof kAlphabet - 1)];
  while (!s.empty() && s.back() == ' ') s.pop_back();
  while (!s.empty() && s.front() == ' ') s.erase(s.begin());
  return s;
}

std::string CleanValue(const std::string& raw) {
  static const char kAlphabet[] = "0123456789,;=[]abc \\/:-";
  std::string s;
  for (const char c : raw) s += kAlphabet[static_cast<unsigned char>(c) % (sizeof kAlphabet - 1)];
  while (!s.empty() && s.back() == ' ') s.pop_back();
  while (!s.empty() && s.front() == ' ') s.erase(s.begin());
  return s;
}

std::string AsciiUpper(std::string s) {
  for (char& c : s)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return s;
}

using TSnapshot = std::map<std::string, std::vector<std::string>>;

// The keys of each section in order with their values, leaving out one key.
TSnapshot Snapshot(const TIniFile& ini, const std::vector<std::string>& sections, const std::string& section,
                   const std::string& key) {
  TSnapshot snap;
  for (const std::string& s : sections) {
    std::vector<std::string>& row = snap[s];
    for (const std::string& k : ini.ReadSection(s)) {
      if (AsciiUpper(s) == AsciiUpper(section) && AsciiUpper(k) == AsciiUpper(key)) continue;
      row.push_back(k + "=" + ini.ReadString(s, k, "<missing>"));
    }
  }
  return snap;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  Messages();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider in(data, size);
  const std::string section = CleanName(in.ConsumeRandomLengthString(12));
  const std::string key = CleanName(in.ConsumeRandomLengthString(12));
  const std::string value = CleanValue(in.ConsumeRandomLengthString(24));
  const std::string path = ScratchDir("ini") + "config.ini";
  WriteFile(path, in.ConsumeRemainingBytesAsString());

  TIniFile ini(path);
  const std::vector<std::string> sections = {section, "DataBase", "map", "Page", "Compl_Form"};
  for (const std::string& s : sections) {
    ini.SectionExists(s);
    for (const std::string& k : ini.ReadSection(s)) {
      ini.ReadString(s, k, "");
      ini.ReadInteger(s, k, 7);
      ini.ReadBool(s, k, true);
      ini.ValueExists(s, k);
    }
  }
  if (section.empty() || key.empty()) return 0;

  const TSnapshot before = Snapshot(ini, sections, section, key);
  if (!ini.WriteString(section, key, value)) FuzzFail("a key could not be written");
  if (ini.ReadString(section, key, "<missing>") != value) FuzzFail("a written key reads back otherwise");
  const TIniFile reread(path);
  if (reread.ReadString(section, key, "<missing>") != value) FuzzFail("a written key reads back otherwise from disk");
  if (Snapshot(reread, sections, section, key) != before) FuzzFail("writing a key changed another key");

  TIniFile deleting(path);
  deleting.DeleteKey(section, key);
  if (Snapshot(TIniFile(path), sections, section, key) != before) FuzzFail("deleting a key changed another key");
  return 0;
}

#include "CliArgs.h"

#include <charconv>

#include "platform/TextFile.h"

bool ParseInt(const std::string& s, int lo, int hi, std::optional<int>& out) {
  int v = 0;
  const auto res = std::from_chars(s.data(), s.data() + s.size(), v);
  if (s.empty() || res.ec != std::errc() || res.ptr != s.data() + s.size() || v < lo || v > hi) return false;
  out = v;
  return true;
}

bool ParseReal(const std::string& s, std::optional<double>& out) {
  if (s.empty() || s.find_first_of(" \t\r\n") != std::string::npos) return false;
  try {
    out = TTextReader::FromBytes(s).ReadReal();
    return true;
  } catch (const TInOutError&) {
    return false;
  }
}

#include "UserNumbers.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <system_error>

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// to_chars never consults the locale, unlike printf and strtod, which a Qt
// program runs under the user's own (a Russian one already writes a comma).
std::string ToChars(double value, std::chars_format format, int precision) {
  // The largest double has 309 integer digits.
  char buf[400];
  const std::to_chars_result r = std::to_chars(buf, buf + sizeof buf, value, format, precision);
  std::string s(buf, r.ec == std::errc() ? r.ptr : buf);
  std::replace(s.begin(), s.end(), '.', ',');
  // A small negative value that rounds to zero is zero to the reader.
  if (s.size() > 1 && s[0] == '-' &&
      std::all_of(s.begin() + 1, s.end(), [](char c) { return c == '0' || c == ','; }))
    s.erase(0, 1);
  return s;
}

// The longest number at the start of `s` from `pos`: its value and the
// position after it; false when no digit is there.
bool ScanReal(const std::string& s, std::size_t& pos, double& value) {
  std::size_t p = pos;
  std::string plain;
  if (p < s.size() && (s[p] == '+' || s[p] == '-')) {
    if (s[p] == '-') plain += '-';
    ++p;
  }
  bool digits = false, separator = false;
  for (; p < s.size(); ++p) {
    if (IsDigit(s[p])) {
      plain += s[p];
      digits = true;
    } else if ((s[p] == ',' || s[p] == '.') && !separator) {
      plain += '.';
      separator = true;
    } else {
      break;
    }
  }
  if (!digits) return false;
  double v = 0;
  const std::from_chars_result r =
      std::from_chars(plain.data(), plain.data() + plain.size(), v, std::chars_format::fixed);
  if (r.ec != std::errc() || r.ptr != plain.data() + plain.size() || !std::isfinite(v)) return false;
  value = v;
  pos = p;
  return true;
}

}  // namespace

std::string FormatUserFixed(double value, int decimals) {
  return ToChars(value, std::chars_format::fixed, std::clamp(decimals, 0, 30));
}

std::string FormatUserTrimmed(double value, int decimals) {
  std::string s = FormatUserFixed(value, decimals);
  // Only the decimals lose their zeros: 1000 stays 1000.
  if (s.find(',') == std::string::npos) return s;
  while (s.back() == '0') s.pop_back();
  if (s.back() == ',') s.pop_back();
  return s;
}

std::string FormatUserGeneral(double value, int significant) {
  return ToChars(value, std::chars_format::general, std::clamp(significant, 1, 17));
}

bool ParseUserReal(const std::string& text, double& value) {
  std::size_t b = 0, e = text.size();
  while (b < e && IsBlank(text[b])) ++b;
  while (e > b && IsBlank(text[e - 1])) --e;
  const std::string s = text.substr(b, e - b);
  std::size_t pos = 0;
  double v = 0;
  if (!ScanReal(s, pos, v) || pos != s.size()) return false;
  value = v;
  return true;
}

bool ParseLeadingUserReal(const std::string& text, double& value, std::size_t* end) {
  std::size_t pos = 0;
  while (pos < text.size() && IsBlank(text[pos])) ++pos;
  if (!ScanReal(text, pos, value)) return false;
  if (end) *end = pos;
  return true;
}

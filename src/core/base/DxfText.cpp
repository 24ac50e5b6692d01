// The text of a DXF drawing as the user should read it.
#include <cstdint>

#include "DxfBaseReader.h"
#include "platform/Codec1251.h"

namespace {

bool ValidUtf8(const std::string& s) {
  std::size_t i = 0;
  while (i < s.size()) {
    const auto c = static_cast<unsigned char>(s[i]);
    int extra = c < 0x80 ? 0 : (c & 0xE0) == 0xC0 ? 1 : (c & 0xF0) == 0xE0 ? 2 : (c & 0xF8) == 0xF0 ? 3 : -1;
    if (extra < 0 || i + static_cast<std::size_t>(extra) >= s.size()) return false;
    for (int k = 1; k <= extra; ++k)
      if ((static_cast<unsigned char>(s[i + static_cast<std::size_t>(k)]) & 0xC0) != 0x80) return false;
    i += static_cast<std::size_t>(extra) + 1;
  }
  return true;
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// \U+0416 → Ж; the specials of TEXT: %%c ⌀, %%d °, %%p ±, %%% %; the
// underline and overline switches %%u, %%o are dropped.
std::string ResolveEscapes(const std::string& s) {
  std::string out;
  out.reserve(s.size());
  for (std::size_t i = 0; i < s.size(); ++i) {
    if (s[i] == '\\' && i + 6 < s.size() && (s[i + 1] == 'U' || s[i + 1] == 'u') && s[i + 2] == '+') {
      char32_t cp = 0;
      bool ok = true;
      for (std::size_t k = 3; k < 7; ++k) {
        const int d = HexDigit(s[i + k]);
        if (d < 0) ok = false;
        cp = cp * 16 + static_cast<char32_t>(d < 0 ? 0 : d);
      }
      if (ok) {
        AppendUtf8(out, cp);
        i += 6;
        continue;
      }
    }
    if (s[i] == '%' && i + 2 < s.size() && s[i + 1] == '%') {
      const char c = s[i + 2];
      const char* sign = c == 'c' || c == 'C' ? "⌀" : c == 'd' || c == 'D' ? "°" : c == 'p' || c == 'P' ? "±"
                         : c == '%'                                          ? "%"
                         : c == 'u' || c == 'U' || c == 'o' || c == 'O'     ? ""
                                                                            : nullptr;
      if (sign) {
        out += sign;
        i += 2;
        continue;
      }
    }
    out += s[i];
  }
  return out;
}

}  // namespace

std::string DecodeDxfText(const std::string& raw, const std::string& codePage, bool utf8) {
  bool plain = true;
  for (const char c : raw)
    if (static_cast<unsigned char>(c) >= 0x80) plain = false;
  std::string text;
  if (plain || utf8) {
    text = raw;
  } else if (codePage == "ANSI_1251") {
    text = Decode1251(raw);
  } else if (codePage == "ANSI_1252" || codePage == "ISO8859-1") {
    for (const char c : raw) AppendUtf8(text, static_cast<unsigned char>(c));
  } else {
    // A drawing that does not say (or says something else): UTF-8 when the
    // bytes are, else the Cyrillic code page of the passports themselves.
    text = ValidUtf8(raw) ? raw : Decode1251(raw);
  }
  return ResolveEscapes(text);
}

std::vector<std::string> MTextLines(const std::string& text) {
  std::vector<std::string> lines(1);
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '{' || c == '}') continue;
    if (c != '\\' || i + 1 >= text.size()) {
      lines.back() += c;
      continue;
    }
    const char code = text[++i];
    switch (code) {
      case 'P':
        lines.emplace_back();
        break;
      case '~':
        lines.back() += ' ';
        break;
      case '\\':
      case '{':
      case '}':
        lines.back() += code;
        break;
      case 'S': {
        // A stacked fraction: \S1^2; or \S1/2; reads 1/2.
        const std::size_t end = text.find(';', i);
        std::string part = text.substr(i + 1, end == std::string::npos ? std::string::npos : end - i - 1);
        for (char& ch : part)
          if (ch == '^' || ch == '#') ch = '/';
        lines.back() += part;
        i = end == std::string::npos ? text.size() : end;
        break;
      }
      case 'A': case 'C': case 'c': case 'F': case 'f': case 'H': case 'h':
      case 'Q': case 'q': case 'T': case 't': case 'W': case 'w': case 'p': {
        // Alignment, colour, font, height, slant, tracking, width,
        // paragraph: a value up to ';', nothing to show.
        const std::size_t end = text.find(';', i);
        i = end == std::string::npos ? text.size() : end;
        break;
      }
      default:
        // \L \l \O \o \K \k \N and the like switch a style: dropped.
        break;
    }
  }
  return lines;
}

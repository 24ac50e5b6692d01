#include "SvgText.h"

#include <charconv>
#include <cmath>
#include <cstdint>

#include "platform/Codec1251.h"

namespace {

constexpr std::uint32_t kReplacement = 0xFFFD;

// The code point at text[i] and the bytes it takes; a malformed, overlong or
// truncated sequence gives the replacement character for its first byte.
std::uint32_t DecodeAt(std::string_view text, std::size_t i, std::size_t& used) {
  const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
  const unsigned char b0 = byte(i);
  used = 1;
  if (b0 < 0x80) return b0;
  int extra = 0;
  std::uint32_t cp = 0, min = 0;
  if ((b0 & 0xE0) == 0xC0) {
    extra = 1, cp = b0 & 0x1F, min = 0x80;
  } else if ((b0 & 0xF0) == 0xE0) {
    extra = 2, cp = b0 & 0x0F, min = 0x800;
  } else if ((b0 & 0xF8) == 0xF0) {
    extra = 3, cp = b0 & 0x07, min = 0x10000;
  } else {
    return kReplacement;
  }
  if (i + static_cast<std::size_t>(extra) >= text.size()) return kReplacement;
  for (int k = 1; k <= extra; ++k) {
    const unsigned char b = byte(i + static_cast<std::size_t>(k));
    if ((b & 0xC0) != 0x80) return kReplacement;
    cp = (cp << 6) | (b & 0x3F);
  }
  // Overlong forms, surrogates and what lies beyond Unicode are no
  // characters: each of their bytes is replaced.
  if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return kReplacement;
  used = static_cast<std::size_t>(extra) + 1;
  return cp;
}

bool XmlAllows(std::uint32_t cp) {
  if (cp < 0x20) return cp == 0x9 || cp == 0xA || cp == 0xD;
  if (cp >= 0xD800 && cp <= 0xDFFF) return false;
  return cp != 0xFFFE && cp != 0xFFFF;
}

}  // namespace

std::string SvgNumber(double v) {
  if (!std::isfinite(v)) return "0";
  char buf[64];
  const auto res = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed, 3);
  std::string s(buf, res.ptr);
  if (s.find('.') != std::string::npos) {
    while (s.back() == '0') s.pop_back();
    if (s.back() == '.') s.pop_back();
  }
  if (s == "-0") s = "0";
  return s;
}

std::string SvgColor(TColor c) {
  static const char kHex[] = "0123456789abcdef";
  std::string s = "#";
  for (int v : {ColorR(c), ColorG(c), ColorB(c)}) {
    s += kHex[(v >> 4) & 0xF];
    s += kHex[v & 0xF];
  }
  return s;
}

std::string XmlEscape(std::string_view text) {
  std::string out;
  out.reserve(text.size() + 8);
  for (std::size_t i = 0; i < text.size();) {
    std::size_t used = 1;
    std::uint32_t cp = DecodeAt(text, i, used);
    i += used;
    if (!XmlAllows(cp)) cp = kReplacement;
    switch (cp) {
      case '&': out += "&amp;"; break;
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      case '"': out += "&quot;"; break;
      case '\'': out += "&apos;"; break;
      case '\t': out += "&#9;"; break;
      case '\n': out += "&#10;"; break;
      case '\r': out += "&#13;"; break;
      default: AppendUtf8(out, cp);
    }
  }
  return out;
}

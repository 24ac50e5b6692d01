#include "XmlText.h"

#include "platform/Codec1251.h"

bool IsTextChar(char32_t cp) {
  if (cp < 0x20 || cp == 0x7F) return false;
  if (cp >= 0xD800 && cp <= 0xDFFF) return false;
  if (cp == 0xFFFE || cp == 0xFFFF) return false;
  return cp <= 0x10FFFF;
}

void AppendXmlChar(std::string& out, char32_t cp) {
  switch (cp) {
    case '&': out += "&amp;"; return;
    case '<': out += "&lt;"; return;
    case '>': out += "&gt;"; return;
    case '"': out += "&quot;"; return;
    case '\'': out += "&apos;"; return;
    default: AppendUtf8(out, cp);
  }
}

void AppendXmlText(std::string& out, std::string_view utf8) {
  for (const char32_t cp : Utf8ToCodePoints(utf8))
    if (IsTextChar(cp)) AppendXmlChar(out, cp);
}

std::string TwipsAsPoints(int twips) {
  if (twips < 0) twips = 0;
  // A twip is a twentieth of a point: five hundredths.
  const int hundredths = twips * 5;
  std::string s = std::to_string(hundredths / 100) + ".";
  const int frac = hundredths % 100;
  if (frac < 10) s += '0';
  s += std::to_string(frac);
  return s + "pt";
}

#pragma once
// The pieces of an SVG file's text: numbers, colours and XML-escaped texts.
#include <string>
#include <string_view>

#include "platform/Types.h"

// A coordinate with at most three decimals, no trailing zeros, "." as the
// decimal point whatever the locale, and no "-0".
std::string SvgNumber(double v);
// "#RRGGBB" of a 0x00BBGGRR colour.
std::string SvgColor(TColor c);
// Text fit for an attribute value or element content of an XML 1.0 file,
// whatever the bytes: markup characters and quotes become entities, tab and
// line ends character references (so that they survive attribute
// normalisation), and what XML cannot hold at all (other control
// characters, bytes that are not UTF-8, surrogates, U+FFFE and U+FFFF)
// becomes U+FFFD, the replacement character.
std::string XmlEscape(std::string_view text);

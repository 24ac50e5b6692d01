#pragma once
// Passport texts in the XML of the office formats: escaped, and cleared of
// what XML 1.0 cannot carry at all (control characters, unpaired surrogates,
// U+FFFE and U+FFFF), which no word processor would read back.
#include <string>
#include <string_view>

// Whether the character may stand in a paragraph's text. Tabs are not: each
// format writes them as an element of its own.
bool IsTextChar(char32_t cp);
// Appends one character escaped for element text and for attribute values
// in double or single quotes.
void AppendXmlChar(std::string& out, char32_t cp);
// Appends text escaped, leaving out every character that is not IsTextChar.
void AppendXmlText(std::string& out, std::string_view utf8);
// A length in twips as points with two decimals ("12.35pt"); integers only,
// so the user's locale never puts a comma into the number.
std::string TwipsAsPoints(int twips);

#pragma once
// Passport files are Windows-1251; text in memory is UTF-8. The mapping is
// lossless for every byte, so a file read and written back keeps its bytes.
#include <cstddef>
#include <string>
#include <string_view>

std::string Decode1251(std::string_view bytes);
// Characters the code page cannot hold become '?'.
std::string Encode1251(std::string_view utf8);
// The byte of one code point, or -1 when the code page has none.
int EncodeChar1251(char32_t cp);

// Character (not byte) counts, for the limits users see ("5 characters").
std::size_t Utf8Length(std::string_view utf8);
std::string Utf8Left(std::string_view utf8, std::size_t count);
std::u32string Utf8ToCodePoints(std::string_view utf8);
// Appends the UTF-8 bytes of one code point.
void AppendUtf8(std::string& out, char32_t cp);

#pragma once
// Numbers as the user reads and types them in the windows: a decimal comma,
// "29,5", whatever locale the C library was given. A number the user types
// may use the comma or the point. The files keep their own formats (map.txt
// and info.txt use the point) and do not go through here.
#include <string>

// `value` with exactly `decimals` decimals (0 to 30), rounded as printf
// rounds the exact binary value: 2.345 gives "2,35", 0.125 with two "0,12".
std::string FormatUserFixed(double value, int decimals);
// The same with the trailing zeros of the decimals and then a bare comma
// dropped: 0.75 with three decimals gives "0,75", 1 gives "1".
std::string FormatUserTrimmed(double value, int decimals);
// The general format of printf's %g with at most `significant` significant
// digits (1 to 17): 12.5 gives "12,5", 123.456 with five "123,46".
std::string FormatUserGeneral(double value, int significant);

// A whole text typed as a number: blanks around it, an optional sign, digits
// with at most one "," or "." among or around them. An empty text, anything
// else in it (a second separator, letters, an exponent, "inf", "nan") or a
// value beyond the range of a double gives false and leaves `value` alone.
bool ParseUserReal(const std::string& text, double& value);
// The number a text starts with, blanks before it skipped: "125 %" gives 125,
// "0,75x" and "0.75x" give 0.75. False when the text starts with no number.
// `end`, when given, receives the position after the number.
bool ParseLeadingUserReal(const std::string& text, double& value, std::size_t* end = nullptr);

#pragma once
// The lines of an ASCII DXF file: a group code, then its value, each on a
// line of its own. Values are written so that no value can end its line
// early or change what the next line means.
#include <cstdint>
#include <string>
#include <string_view>

// A text value from outside (a passport's label) as it may stand in a DXF
// file of code page ANSI_1251: Windows-1251 bytes ('?' for a character the
// code page has not), every control character and line break a blank, a
// caret and a double percent sign kept literal (a caret starts a control
// character and "%%" a special character in a CAD text: "^ " is a caret,
// "%%%" a percent sign), and at most
// `maxBytes` bytes, cut at a whole character of its own escapes.
std::string DxfText(std::string_view utf8, std::size_t maxBytes);

class TDxfGroups {
 public:
  explicit TDxfGroups(std::string& out) : Out_(out) {}
  // A value known to be one plain line (a name of the file's own making).
  void Name(int code, std::string_view value);
  void Int(int code, long long value);
  // Up to four decimals, no trailing zeros, never an exponent.
  void Real(int code, double value);
  void Handle(int code, std::uint32_t handle);
  // A point: x under `code`, y under code + 10, z (0) under code + 20.
  void Point(int code, double x, double y);
  void Point2(int code, double x, double y);

 private:
  void Code(int code);
  std::string& Out_;
};

// A DXF real with up to four decimals and no exponent.
std::string DxfReal(double value);

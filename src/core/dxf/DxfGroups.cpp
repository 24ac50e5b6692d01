#include "DxfGroups.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <vector>

#include "platform/Codec1251.h"

namespace {

// Line ends of the files CAD programs on Windows write; every reader takes them.
constexpr const char* kEol = "\r\n";

}  // namespace

std::string DxfText(std::string_view utf8, std::size_t maxBytes) {
  const std::string bytes = Encode1251(utf8);
  std::string out;
  out.reserve(bytes.size());
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    const unsigned char c = static_cast<unsigned char>(bytes[i]);
    std::string piece(1, static_cast<char>(c));
    if (c < 0x20 || c == 0x7F)
      piece = " ";
    else if (c == '^')
      piece = "^ ";
    else if (c == '%' && i + 1 < bytes.size() && bytes[i + 1] == '%')
      piece = "%%%%%%", ++i;
    if (out.size() + piece.size() > maxBytes) break;
    out += piece;
  }
  return out;
}

namespace {

// Appends a real with up to four decimals, no trailing zeros, no exponent.
// A drawing of ten thousand items has hundreds of thousands of them: whole
// numbers, most of them, take the short way.
void AppendReal(std::string& out, double value) {
  if (!std::isfinite(value) || std::fabs(value) >= 1e15) value = 0;
  char buf[64];
  const double whole = std::nearbyint(value);
  if (std::fabs(value - whole) < 5e-5) {
    const auto r = std::to_chars(buf, buf + sizeof buf, static_cast<long long>(whole));
    out.append(buf, r.ptr);
    return;
  }
  auto r = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed, 4);
  char* end = r.ptr;
  while (end[-1] == '0') --end;
  if (end[-1] == '.') --end;
  if (end - buf == 2 && buf[0] == '-' && buf[1] == '0') {
    out += '0';
    return;
  }
  out.append(buf, end);
}

// "  0\r\n" … "999\r\n", and wider codes as they come.
const std::string& CodeLine(int code) {
  static const std::vector<std::string> lines = [] {
    std::vector<std::string> v(1072);
    char buf[16];
    for (int c = 0; c < 1072; ++c) {
      std::snprintf(buf, sizeof buf, "%3d", c);
      v[static_cast<std::size_t>(c)] = std::string(buf) + kEol;
    }
    return v;
  }();
  static const std::string bad = std::string("999") + kEol;
  return code >= 0 && code < 1072 ? lines[static_cast<std::size_t>(code)] : bad;
}

}  // namespace

std::string DxfReal(double value) {
  std::string s;
  AppendReal(s, value);
  return s;
}

void TDxfGroups::Code(int code) { Out_ += CodeLine(code); }

void TDxfGroups::Name(int code, std::string_view value) {
  Code(code);
  Out_ += value;
  Out_ += kEol;
}

void TDxfGroups::Int(int code, long long value) {
  Code(code);
  char buf[32];
  const auto r = std::to_chars(buf, buf + sizeof buf, value);
  Out_.append(buf, r.ptr);
  Out_ += kEol;
}

void TDxfGroups::Real(int code, double value) {
  Code(code);
  AppendReal(Out_, value);
  Out_ += kEol;
}

void TDxfGroups::Handle(int code, std::uint32_t handle) {
  static const char digits[] = "0123456789ABCDEF";
  char buf[8];
  int n = 8;
  do {
    buf[--n] = digits[handle & 0xF];
    handle >>= 4;
  } while (handle != 0);
  Code(code);
  Out_.append(buf + n, buf + 8);
  Out_ += kEol;
}

void TDxfGroups::Point(int code, double x, double y) {
  Point2(code, x, y);
  Code(code + 20);
  Out_ += '0';
  Out_ += kEol;
}

void TDxfGroups::Point2(int code, double x, double y) {
  Real(code, x);
  Real(code + 10, y);
}

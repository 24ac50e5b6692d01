#include "DxfGroups.h"

#include <cmath>
#include <cstdio>

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

std::string DxfReal(double value) {
  if (!std::isfinite(value)) value = 0;
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.4f", value);
  std::string s = buf;
  while (s.back() == '0') s.pop_back();
  if (s.back() == '.') s.pop_back();
  if (s == "-0") s = "0";
  return s;
}

void TDxfGroups::Code(int code) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "%3d", code);
  Out_ += buf;
  Out_ += kEol;
}

void TDxfGroups::Name(int code, std::string_view value) {
  Code(code);
  Out_ += value;
  Out_ += kEol;
}

void TDxfGroups::Int(int code, long long value) { Name(code, std::to_string(value)); }

void TDxfGroups::Real(int code, double value) { Name(code, DxfReal(value)); }

void TDxfGroups::Handle(int code, std::uint32_t handle) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "%X", handle);
  Name(code, buf);
}

void TDxfGroups::Point(int code, double x, double y) {
  Point2(code, x, y);
  Name(code + 20, "0");
}

void TDxfGroups::Point2(int code, double x, double y) {
  Real(code, x);
  Real(code + 10, y);
}

#pragma once
// Value types shared by the drawing seam and the scheme model.
#include <cstdint>

// A colour as the scheme files and the item code think of it: 0x00BBGGRR.
using TColor = std::uint32_t;

constexpr TColor clBlack = 0x000000;
constexpr TColor clWhite = 0xFFFFFF;
constexpr TColor clRed = 0x0000FF;
constexpr TColor clBlue = 0xFF0000;
constexpr TColor clSilver = 0xC0C0C0;
constexpr TColor clGray = 0x808080;

constexpr int ColorR(TColor c) { return static_cast<int>(c & 0xFF); }
constexpr int ColorG(TColor c) { return static_cast<int>((c >> 8) & 0xFF); }
constexpr int ColorB(TColor c) { return static_cast<int>((c >> 16) & 0xFF); }
constexpr TColor MakeColor(int r, int g, int b) {
  return static_cast<TColor>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}

// An integer screen point.
struct TPoint {
  int x = 0;
  int y = 0;
  friend bool operator==(TPoint a, TPoint b) { return a.x == b.x && a.y == b.y; }
  friend bool operator!=(TPoint a, TPoint b) { return !(a == b); }
};

struct TSize {
  int cx = 0;
  int cy = 0;
  friend bool operator==(TSize a, TSize b) { return a.cx == b.cx && a.cy == b.cy; }
};

// An integer screen rectangle. Valid when Right >= Left and Bottom >= Top.
struct TRect {
  int Left = 0;
  int Top = 0;
  int Right = 0;
  int Bottom = 0;
  friend bool operator==(const TRect& a, const TRect& b) {
    return a.Left == b.Left && a.Top == b.Top && a.Right == b.Right && a.Bottom == b.Bottom;
  }
  friend bool operator!=(const TRect& a, const TRect& b) { return !(a == b); }
};

// A real-valued (world) point.
struct TRealPoint {
  double x = 0.0;
  double y = 0.0;
};

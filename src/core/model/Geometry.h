#pragma once
// Free geometry on screen rectangles, screen points and world points, shared
// by every item class. All of it is allocation-free and never fails:
// degenerate input gives the documented fallback.
#include <string>

#include "platform/Canvas.h"
#include "platform/Types.h"

constexpr double kPi = 3.14159265358979323846;

// Rounds to the nearest integer, halves to the even neighbour. Values beyond
// the int range (or NaN) are clamped, so a corrupt coordinate can never make
// the conversion undefined.
int Round(double v);

// The neutral value of rectangle unions, and the bounds of an item with no extent.
constexpr TRect kEmptyRect{100, 100, 0, 0};
constexpr TRect kNoExtent{10, 10, 0, 0};

bool IsValidRect(const TRect& r);
TRect UnionRects(const TRect& a, const TRect& b);
TRect IntersectRects(const TRect& a, const TRect& b);
bool RectsMeet(const TRect& a, const TRect& b);
int RectWidth(const TRect& r);
int RectHeight(const TRect& r);
TRect RectFromPoints(int x1, int y1, int x2, int y2);
void SplitRect(const TRect& r, TRect& first, TRect& second);

int MinInt(int a, int b);
int MaxInt(int a, int b);
double MaxReal(double a, double b);

double PointDistance(TPoint p, TPoint q);
double Distance(double x1, double y1, double x2, double y2);
bool InRange(double a, double b, double x);
bool RangesOverlap(double a, double b, double c, double d);
bool PointInRect(int x, int y, const TRect& r);
// The screen point s lies within `tolerance` pixels of (x, y) in both axes.
bool NearScreenPoint(TPoint s, int x, int y, int tolerance);
bool SegmentMeetsRect(const TRect& r, int x1, int y1, int x2, int y2);
TRealPoint NearestPointOnSegment(double px, double py, double ax, double ay, double bx, double by);
// length * (P2 - P1) / |P2 - P1|; (length, 0) when the points coincide.
void DirectionVector(double x1, double y1, double x2, double y2, double length, double& dx, double& dy);
// A point given in the frame whose along-axis is (dx, dy) and whose
// across-axis is that vector turned a quarter turn towards +y.
TPoint LocalToScreen(double ox, double oy, double dx, double dy, double across, double along);
// Direction of P2 - P1 in [0, 2*pi) from +x towards +y; a zero vector gives pi/2.
double VectorAngle(double x1, double y1, double x2, double y2);
bool AngleWithin(double a, double lo, double hi);
double Cross(double a, double b, double c, double d);
// Circle through three points; collinear points give centre (0, 0), radius 0.
void CircleThrough(double x1, double y1, double x2, double y2, double x3, double y3, double& cx, double& cy,
                   double& r);
void SwapReal(double& a, double& b);
void SwapInt(int& a, int& b);

void SetBrush(TCanvas& canvas, TColor color, TBrushStyle style);
void SetPen(TCanvas& canvas, TColor color, TPenMode mode, int width, TPenStyle style);

// A coordinate as stored in the scheme file: fixed, 5 decimals, "." as the
// point, trailing zeros and a trailing point removed (125.5, 100, -0.25, 0).
std::string FormatCoord(double x);

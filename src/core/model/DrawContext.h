#pragma once
// The view transform and output settings through which every item draws,
// hit-tests and selects. The same item code serves the viewer, the editor,
// the preview and the printer; only the context differs.
#include <array>
#include <functional>

#include "platform/Canvas.h"
#include "platform/Types.h"

class TDrawContext {
 public:
  double OriginX = 0;
  double OriginY = 0;
  // Radians; positive turns world +X towards screen +Y.
  double Angle = 0;
  double CosAngle = 0;
  double SinAngle = 0;
  double BaseScale = 0;
  // Magnification of the scheme ("Увеличение схемы").
  double Zoom = 0;
  // Magnification of conventional signs ("Увеличение условных знаков").
  double SignScale = 0;
  // A copy of the passport's real scale kept with the view.
  double ObjectScale = 0;
  int HitTolerance = 0;
  int BaseImageX = 0;
  int BaseImageY = 0;
  bool ColorPrint = false;
  bool GrayBorder = false;
  // Device pixels per screen pixel; pens of printed items are scaled by it.
  double LineFactor = 0;
  TCanvas* Canvas = nullptr;

  void WorldToScreen(double x, double y, int& sx, int& sy) const;
  TPoint WorldToScreen(double x, double y) const;
  // The screen point of the world point (x + dx*SignScale/Zoom, y + dy*SignScale/Zoom):
  // (dx, dy) is a symbol dimension that keeps its size whatever the zoom.
  void WorldOffsetToScreen(double x, double y, double dx, double dy, int& sx, int& sy) const;
  TPoint WorldOffsetToScreen(double x, double y, double dx, double dy) const;
  void ScreenToWorld(int sx, int sy, double& x, double& y) const;
  TRealPoint ScreenToWorld(int sx, int sy) const;

  void Normalize();
  void SetSignScale(double value) { SignScale = value; }
  void MoveOriginDown(double n) { OriginY += n; }
  void MoveOriginUp(double n) { OriginY -= n; }
  void MoveOriginRight(double n) { OriginX += n; }
  void MoveOriginLeft(double n) { OriginX -= n; }
  // Zooms about the centre of the canvas; ignored unless 0.05 < z < 21.
  void ZoomAtCentre(double z);
  // Zooms keeping the scheme point at screen (x, y) where it is, as the
  // mouse wheel does; the same limits.
  void ZoomAt(double z, double x, double y);
  // Centres `source` in `target` and scales it to fit.
  void FitRect(const TRect& source, const TRect& target);
  // Fits a scheme whose bounds depend on the zoom (symbols and labels keep
  // their size on screen): first into `outer`, then into `inner` again and
  // again until the zoom changes by less than 0.1 % (at most eight passes).
  // `bounds` gives the scheme's screen bounds at the current view.
  void FitSettled(const std::function<TRect()>& bounds, const TRect& outer, const TRect& inner);
  // Turns and rescales the scheme so that the scheme segment P0P1 takes the
  // direction and length of the screen segment P2P3 (the first four points).
  void AlignBySegments(const std::array<TPoint, 100>& points);
};

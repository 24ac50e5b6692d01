#pragma once
// How a scheme window moves its view with the mouse and the keys: the mouse
// modes of the tool buttons (pan, the zoom-in rectangle, zoom-out), the
// wheel, the zoom steps of the keys, and the scrolling that starts while the
// cursor rests near an edge of the paint box. The viewer and the editor each
// own one over their view context. What a window draws meanwhile (the frame
// of a zoom-in drag) and what else follows the view (the editor's placement
// in progress) stays the window's.
//
// The two windows differ in one point only, the edge timer's life (see
// TNavigatorStyle); every step, limit and threshold is the same in both.
#include <optional>

#include "model/DrawContext.h"

enum class TNavMode { Pointer, PanReady, Panning, ZoomInReady, ZoomInDragging, ZoomOut };
enum class TNavEdge { None, Up, Left, Down, Right };

struct TNavigatorStyle {
  // Whether the edge timer keeps ticking while the cursor is on the paint
  // box but away from its edges. The viewer's does, until a tick finds the
  // cursor off the paint box; the editor's stops at once and is started
  // again by the next move near an edge. Either way the scheme scrolls only
  // after the delay counted from the latest move near an edge.
  bool TickAwayFromEdges = true;
};

// What one tick of the edge timer did.
struct TEdgeTick {
  // The timer should tick again.
  bool KeepTicking = false;
  // Pixels the scheme moved on the screen; both 0 when it did not move.
  int Dx = 0;
  int Dy = 0;
  bool Scrolled() const { return Dx != 0 || Dy != 0; }
};

class TViewNavigator {
 public:
  // The band along the paint box's sides where the cursor scrolls, the step
  // of one scroll, and the ticks of the 50 ms timer before the first step.
  static constexpr int kEdgeBand = 10;
  static constexpr int kEdgeStep = 5;
  static constexpr int kEdgeDelayTicks = 5;
  static constexpr int kEdgeTickMs = 50;
  // A zoom-in drag at least this long (from press to release, in pixels)
  // frames the part to show; a shorter one counts as a click.
  static constexpr double kFrameDrag = 10;
  // A click of the zoom-in tool and the keypad's plus; the keypad's minus.
  static constexpr double kZoomInStep = 1.5;
  static constexpr double kKeyZoomOut = 2.0 / 3;
  // One notch of the wheel.
  static constexpr double kWheelStep = 1.25;
  // The zooms the view takes: strictly between these.
  static constexpr double kMinZoom = 0.05;
  static constexpr double kMaxZoom = 21;

  // The view must outlive the navigator.
  explicit TViewNavigator(TDrawContext& view, TNavigatorStyle style = {});

  TNavMode Mode() const { return Mode_; }
  // The tool buttons: any mode from any mode.
  void SetMode(TNavMode mode) { Mode_ = mode; }

  // --- the mouse, in paint-box pixels -----------------------------------
  // Press: remembers the point; pan ready starts panning, zoom-in ready
  // starts the frame, zoom-out zooms out about the centre by two thirds
  // (above the lowest zoom only). True when the view changed.
  bool Press(TPoint p);
  // Move over a `width` × `height` paint box: notes the edge the cursor is
  // near (restarting the delay when it is near one); while panning the
  // scheme follows the cursor. True while panning (the window repaints).
  bool Move(TPoint p, int width, int height);
  // Release: panning returns to pan ready; the zoom-in frame returns to
  // zoom-in ready and shows the framed part in the whole paint box, or for
  // a short drag zooms in by half about the centre. True when a drag ended.
  bool Release(TPoint p, int width, int height);
  // The press that started the drag.
  TPoint DragStart() const { return DragStart_; }
  // The zoom-in frame from the press to `p`.
  TRect Frame(TPoint p) const;

  // --- wheel and keys ---------------------------------------------------
  // The zoom after `steps` notches (away from the user: in), or nothing
  // when it falls outside the view's zooms: then nothing changes.
  std::optional<double> WheelZoom(int steps) const;
  // Zooms by the notches keeping the scheme point under (x, y) there.
  // True when the view changed.
  bool Wheel(double x, double y, int steps);
  // The keys' zoom about the centre of the canvas by `factor`.
  void KeyZoom(double factor);

  // --- edge scrolling ---------------------------------------------------
  TNavEdge Edge() const { return Edge_; }
  // The latest move asked for the edge timer.
  bool EdgeTimerWanted() const { return Edge_ != TNavEdge::None; }
  // One tick of the edge timer with the cursor at (x, y); `box` is the
  // paint box (edges included). After the delay the scheme moves by one
  // step to show more of it beyond the edge.
  TEdgeTick EdgeTick(int x, int y, const TRect& box);

 private:
  TDrawContext& View_;
  TNavigatorStyle Style_;
  TNavMode Mode_ = TNavMode::Pointer;
  TPoint DragStart_;
  TNavEdge Edge_ = TNavEdge::None;
  int EdgeTicks_ = 0;
};

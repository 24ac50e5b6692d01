#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/RecordingCanvas.h"
#include "view/ViewNavigator.h"

namespace {

constexpr int kW = 400;
constexpr int kH = 300;

const TNavigatorStyle kViewer{true};
const TNavigatorStyle kEditor{false};

struct TWindow {
  const char* Name;
  TNavigatorStyle Style;
};
const TWindow kWindows[] = {{"viewer", kViewer}, {"editor", kEditor}};

// A 400 × 300 paint box with the view at `zoom` and origin (ox, oy).
struct TBox {
  TRecordingCanvas Canvas{TRect{0, 0, kW, kH}};
  TDrawContext View;
  TBox(double zoom, double ox, double oy) {
    View.Canvas = &Canvas;
    View.Zoom = zoom;
    View.Normalize();
    View.OriginX = ox;
    View.OriginY = oy;
  }
};

}  // namespace

// Press, one move and release in each mouse mode. The expected views are
// worked out by hand from the fit (centre of the frame to the centre of the
// box, then scaled by the ratio of the longer side) and the zoom about the
// centre (200, 150).
TEST(ViewNavigator, MouseModesGiveTheSameViewInBothWindows) {
  struct TCase {
    const char* Name;
    TNavMode Mode;
    double Zoom, Ox, Oy;
    TPoint Press, Release;
    double WantZoom, WantOx, WantOy;
    TNavMode WantMode;
  };
  const TCase cases[] = {
      // Frame (40,30)-(240,80): centre (140,55) to (200,150), width 200 of
      // 400 rules: zoom 2, origin 200 + (60 − 200)·2, 150 + (95 − 150)·2.
      {"wide frame", TNavMode::ZoomInReady, 1, 0, 0, {40, 30}, {240, 80}, 2, -80, 40, TNavMode::ZoomInReady},
      // The same frame dragged from its other corner.
      {"frame dragged up-left", TNavMode::ZoomInReady, 1, 0, 0, {240, 80}, {40, 30}, 2, -80, 40,
       TNavMode::ZoomInReady},
      // Frame (100,92)-(106,100), 10.0 pixels long: it frames. Centre
      // (103,96) to (200,150) gives origin (97,54); height 8 of 300 rules,
      // zoom 0.5·37.5 = 18.75, origin 200 − 103·37.5, 150 − 96·37.5.
      {"6x8 drag frames", TNavMode::ZoomInReady, 0.5, 0, 0, {100, 100}, {106, 92}, 18.75, -3662.5, -3450,
       TNavMode::ZoomInReady},
      // 8 × 8 is 11.3 pixels long: it frames too. Frame (100,100)-(108,108),
      // centre (104,104) to (200,150) gives origin (96,46), zoom 0.5·300/8.
      {"8x8 drag frames", TNavMode::ZoomInReady, 0.5, 0, 0, {108, 108}, {100, 100}, 18.75, 200 - 104 * 37.5,
       150 - 104 * 37.5, TNavMode::ZoomInReady},
      // 7 × 7 is 9.9 pixels long: a click, zoom ×1.5 about the centre, not
      // about the cursor: origin 0 + (0 − 200)·0.5, (0 − 150)·0.5.
      {"7x7 drag is a click", TNavMode::ZoomInReady, 0.5, 0, 0, {100, 100}, {107, 107}, 0.75, -100, -75,
       TNavMode::ZoomInReady},
      // Zoom-out: two thirds about the centre: 10 + (10 − 200)·(−1/3).
      {"zoom out", TNavMode::ZoomOut, 0.5, 10, 20, {300, 40}, {300, 40}, 0.5 * 2 / 3, 10 + 190.0 / 3,
       20 + 130.0 / 3, TNavMode::ZoomOut},
      // At 0.05 nothing; at 0.06 the two thirds (0.04) are refused.
      {"zoom out at the limit", TNavMode::ZoomOut, 0.05, 10, 20, {300, 40}, {300, 40}, 0.05, 10, 20,
       TNavMode::ZoomOut},
      {"zoom out refused", TNavMode::ZoomOut, 0.06, 10, 20, {300, 40}, {300, 40}, 0.06, 10, 20, TNavMode::ZoomOut},
      // Pan: the scheme follows the cursor, (80,60) then (70,65) from (50,50).
      {"pan", TNavMode::PanReady, 1, 7, 9, {50, 50}, {70, 65}, 1, 27, 24, TNavMode::PanReady},
      // The pointer leaves the view alone.
      {"pointer", TNavMode::Pointer, 1, 7, 9, {50, 50}, {70, 65}, 1, 7, 9, TNavMode::Pointer},
  };
  for (const TWindow& w : kWindows)
    for (const TCase& c : cases) {
      SCOPED_TRACE(std::string(w.Name) + ": " + c.Name);
      TBox box(c.Zoom, c.Ox, c.Oy);
      TViewNavigator nav(box.View, w.Style);
      nav.SetMode(c.Mode);
      nav.Press(c.Press);
      if (c.Mode == TNavMode::PanReady) {
        EXPECT_EQ(nav.Mode(), TNavMode::Panning);
        EXPECT_TRUE(nav.Move(TPoint{80, 60}, kW, kH));
      }
      if (c.Mode == TNavMode::ZoomInReady) {
        EXPECT_EQ(nav.Mode(), TNavMode::ZoomInDragging);
        EXPECT_FALSE(nav.Move(TPoint{150, 150}, kW, kH));
      }
      nav.Move(c.Release, kW, kH);
      nav.Release(c.Release, kW, kH);
      EXPECT_EQ(nav.Mode(), c.WantMode);
      EXPECT_NEAR(box.View.Zoom, c.WantZoom, 1e-12);
      EXPECT_NEAR(box.View.OriginX, c.WantOx, 1e-9);
      EXPECT_NEAR(box.View.OriginY, c.WantOy, 1e-9);
    }
}

TEST(ViewNavigator, TheFrameRunsFromThePressToTheCursor) {
  TBox box(1, 0, 0);
  TViewNavigator nav(box.View);
  nav.SetMode(TNavMode::ZoomInReady);
  nav.Press(TPoint{240, 30});
  const TRect r = nav.Frame(TPoint{40, 80});
  EXPECT_EQ(r.Left, 40);
  EXPECT_EQ(r.Top, 30);
  EXPECT_EQ(r.Right, 240);
  EXPECT_EQ(r.Bottom, 80);
}

// The wheel keeps the scheme point under the cursor; notches beyond the
// view's zooms change nothing.
TEST(ViewNavigator, TheWheelZoomsAboutAnOffCentrePointWithinTheLimits) {
  struct TCase {
    double Zoom;
    int Steps;
    bool Changes;
    double WantZoom, WantOx, WantOy;
  };
  // Cursor at (300, 60), origin (0, 0): origin = cursor − cursor·(z/zoom).
  const TCase cases[] = {
      {1, 2, true, 1.5625, 300 - 300 * 1.5625, 60 - 60 * 1.5625},
      {1, -1, true, 0.8, 300 - 300 * 0.8, 60 - 60 * 0.8},
      // 0.1 / 1.25³ = 0.0512 is taken, 0.1 / 1.25⁴ = 0.04096 is not.
      {0.1, -3, true, 0.0512, 300 - 300 * 0.512, 60 - 60 * 0.512},
      {0.1, -4, false, 0.1, 0, 0},
      // 16.9 · 1.25 = 21.125 is beyond the largest zoom.
      {16.9, 1, false, 16.9, 0, 0},
  };
  for (const TWindow& w : kWindows)
    for (const TCase& c : cases) {
      SCOPED_TRACE(std::string(w.Name) + " zoom " + std::to_string(c.Zoom) + " steps " + std::to_string(c.Steps));
      TBox box(c.Zoom, 0, 0);
      TViewNavigator nav(box.View, w.Style);
      EXPECT_EQ(nav.Wheel(300, 60, c.Steps), c.Changes);
      EXPECT_NEAR(box.View.Zoom, c.WantZoom, 1e-12);
      EXPECT_NEAR(box.View.OriginX, c.WantOx, 1e-9);
      EXPECT_NEAR(box.View.OriginY, c.WantOy, 1e-9);
    }
}

TEST(ViewNavigator, TheEdgeUnderTheCursorLaterTestsWinning) {
  struct TCase {
    TPoint At;
    TNavEdge Want;
  };
  const TCase cases[] = {
      {{3, 150}, TNavEdge::Left},   {{9, 150}, TNavEdge::Left},  {{10, 150}, TNavEdge::None},
      {{391, 150}, TNavEdge::Right}, {{390, 150}, TNavEdge::None}, {{200, 9}, TNavEdge::Up},
      {{200, 291}, TNavEdge::Down},  {{3, 3}, TNavEdge::Up},       {{397, 297}, TNavEdge::Down},
      {{200, 150}, TNavEdge::None},
  };
  TBox box(1, 0, 0);
  TViewNavigator nav(box.View);
  for (const TCase& c : cases) {
    nav.Move(c.At, kW, kH);
    EXPECT_EQ(nav.Edge(), c.Want) << c.At.x << "," << c.At.y;
    EXPECT_EQ(nav.EdgeTimerWanted(), c.Want != TNavEdge::None);
  }
}

// Resting near an edge scrolls from the sixth tick after the latest move
// there; the step shows more of the scheme beyond that edge.
TEST(ViewNavigator, EdgeScrollingCountsTicksFromTheLatestMoveNearAnEdge) {
  const TRect area{0, 0, kW, kH};
  for (const TWindow& w : kWindows) {
    SCOPED_TRACE(w.Name);
    TBox box(1, 100, 50);
    TViewNavigator nav(box.View, w.Style);
    nav.Move(TPoint{3, 150}, kW, kH);
    for (int i = 0; i < 4; ++i) EXPECT_TRUE(nav.EdgeTick(3, 150, area).KeepTicking);
    // A move along the edge starts the count again.
    nav.Move(TPoint{4, 160}, kW, kH);
    for (int i = 0; i < 5; ++i) {
      const TEdgeTick t = nav.EdgeTick(4, 160, area);
      EXPECT_TRUE(t.KeepTicking);
      EXPECT_FALSE(t.Scrolled()) << "tick " << i + 1;
    }
    EXPECT_EQ(box.View.OriginX, 100);
    TEdgeTick t = nav.EdgeTick(4, 160, area);
    EXPECT_EQ(t.Dx, 5);
    EXPECT_EQ(t.Dy, 0);
    EXPECT_EQ(box.View.OriginX, 105);
    EXPECT_EQ(box.View.OriginY, 50);
    nav.EdgeTick(4, 160, area);
    EXPECT_EQ(box.View.OriginX, 110);

    // The bottom edge: the scheme moves up.
    nav.Move(TPoint{200, 296}, kW, kH);
    for (int i = 0; i < 5; ++i) nav.EdgeTick(200, 296, area);
    EXPECT_EQ(box.View.OriginY, 50);
    t = nav.EdgeTick(200, 296, area);
    EXPECT_EQ(t.Dx, 0);
    EXPECT_EQ(t.Dy, -5);
    EXPECT_EQ(box.View.OriginX, 110);
    EXPECT_EQ(box.View.OriginY, 45);

    // Away from the edges nothing moves; the viewer's timer ticks on, the
    // editor's stops.
    nav.Move(TPoint{200, 150}, kW, kH);
    for (int i = 0; i < 8; ++i) {
      t = nav.EdgeTick(200, 150, area);
      EXPECT_EQ(t.KeepTicking, w.Style.TickAwayFromEdges);
      EXPECT_FALSE(t.Scrolled());
    }
    // The top and right edges.
    nav.Move(TPoint{200, 2}, kW, kH);
    for (int i = 0; i < 6; ++i) t = nav.EdgeTick(200, 2, area);
    EXPECT_EQ(t.Dy, 5);
    nav.Move(TPoint{395, 100}, kW, kH);
    for (int i = 0; i < 6; ++i) t = nav.EdgeTick(395, 100, area);
    EXPECT_EQ(t.Dx, -5);
    EXPECT_EQ(box.View.OriginX, 105);
    EXPECT_EQ(box.View.OriginY, 50);

    // Off the paint box (its edges belong to it) the timer stops and the
    // edge is forgotten.
    EXPECT_TRUE(nav.EdgeTick(kW, 100, area).KeepTicking);
    t = nav.EdgeTick(kW + 1, 100, area);
    EXPECT_FALSE(t.KeepTicking);
    EXPECT_FALSE(t.Scrolled());
    EXPECT_EQ(nav.Edge(), TNavEdge::None);
  }
}

// The keys zoom about the canvas centre by their factor.
TEST(ViewNavigator, KeysZoomAboutTheCentre) {
  TBox box(0.9, 40, -20);
  TViewNavigator nav(box.View);
  nav.KeyZoom(TViewNavigator::kZoomInStep);
  EXPECT_NEAR(box.View.Zoom, 1.35, 1e-12);
  // 40 + (40 − 200)·0.5, −20 + (−20 − 150)·0.5.
  EXPECT_NEAR(box.View.OriginX, -40, 1e-9);
  EXPECT_NEAR(box.View.OriginY, -105, 1e-9);
  nav.KeyZoom(TViewNavigator::kKeyZoomOut);
  EXPECT_NEAR(box.View.Zoom, 0.9, 1e-12);
  EXPECT_NEAR(box.View.OriginX, 40, 1e-9);
  EXPECT_NEAR(box.View.OriginY, -20, 1e-9);
}

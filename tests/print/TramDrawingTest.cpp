// The tram-head connection drawings: the areas the schemes take and the
// drawing of one head with its lamps and their labels.
#include <gtest/gtest.h>

#include "PrintFixture.h"
#include "plan/Tramscheme.h"
#include "print/TramDrawing.h"

namespace {

TEST(TramSchemeAreas, SplitTheBodyIntoHalvesAndQuartersByCount) {
  // 1000 x 600 splits into left and right halves at 500; a half, 500 x 600,
  // into an upper and a lower quarter at 300.
  const TRect body{0, 0, 1000, 600};
  struct TCase {
    int Count;
    std::vector<TRect> Areas;
  } cases[] = {
      {0, {}},
      {1, {{0, 0, 1000, 600}}},
      {2, {{0, 0, 500, 600}, {500, 0, 1000, 600}}},
      {3, {{0, 0, 500, 300}, {0, 300, 500, 600}, {500, 0, 1000, 600}}},
      {4, {{0, 0, 500, 300}, {0, 300, 500, 600}, {500, 0, 1000, 300}, {500, 300, 1000, 600}}},
      {5, {}},
  };
  for (const auto& c : cases) EXPECT_EQ(TramSchemeAreas(body, c.Count), c.Areas) << c.Count;
}

TEST(TramSchemeDrawing, OneSchemeDrawsItsHeadLampsAndLabelledLeadersAroundTheCentre) {
  TTramscheme schemes;
  schemes.Count = 1;
  schemes.Schemes[1].Name = "Г 1";
  schemes.Schemes[1].Lamps[1] = {0, 5};
  schemes.Schemes[1].Lamps[2] = {3, 7};
  schemes.Schemes[1].Lamps[3] = {2, 12};
  schemes.Schemes[1].Lamps[4] = {1, 3};
  TRecordingCanvas canvas;
  // 10 pixels a millimetre; centre C = (500, 300), P = C + (0, -80).
  DrawTramSchemes(canvas, TRect{0, 0, 1000, 600}, 10, schemes, true);

  const auto polygons = canvas.OpsOf(TCanvasOpKind::Polygon);
  ASSERT_EQ(polygons.size(), 1u);
  EXPECT_EQ(polygons[0].Points,
            (std::vector<TPoint>{{350, 220}, {350, 320}, {450, 420}, {550, 420}, {650, 320}, {650, 220}}));
  // Pen 0.25 mm = 2.5 pixels, rounded half to even.
  EXPECT_EQ(polygons[0].Pen.Width, 2);
  EXPECT_EQ(polygons[0].Brush.Color, clWhite);

  // Lamps of diameter 83.33 around P + (-100, 50), (100, 50), (0, 50), (0, 150).
  const auto ellipses = canvas.OpsOf(TCanvasOpKind::Ellipse);
  ASSERT_EQ(ellipses.size(), 4u);
  const TPoint boxes[4][2] = {{{358, 228}, {442, 312}},
                              {{558, 228}, {642, 312}},
                              {{458, 228}, {542, 312}},
                              {{458, 328}, {542, 412}}};
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(ellipses[i].Points[0], boxes[i][0]) << i;
    EXPECT_EQ(ellipses[i].Points[1], boxes[i][1]) << i;
  }

  // Leaders from the label boxes to the lamps, relative to C in millimetres.
  const auto leaders = canvas.OpsOf(TCanvasOpKind::Polyline);
  ASSERT_EQ(leaders.size(), 4u);
  const std::vector<TPoint> expectedLeaders[4] = {{{150, 170}, {380, 170}, {400, 270}},
                                                  {{150, 400}, {390, 400}, {500, 270}},
                                                  {{850, 170}, {620, 170}, {600, 270}},
                                                  {{820, 420}, {610, 420}, {500, 370}}};
  for (int i = 0; i < 4; ++i) EXPECT_EQ(leaders[i].Points, expectedLeaders[i]) << i;

  EXPECT_EQ(canvas.Texts(), (std::vector<std::string>{"Г 1", "Красн. 5н", "Фаза", "Зелен. 12н", "Жёлт. 3н"}));
  // Label 2 ("Фаза", 4 characters of 20 pixels) centred in its box
  // -35..-11 by 5..10 mm: x 150..390, y 350..400, in a 40-pixel font.
  for (const auto& op : canvas.OpsOf(TCanvasOpKind::Text))
    if (op.Text == "Фаза") {
      EXPECT_EQ(op.Points[0], (TPoint{230, 355}));
    }
  EXPECT_EQ(DottedFrames(canvas), (std::vector<TRect>{{0, 0, 1000, 600}}));
}

}  // namespace

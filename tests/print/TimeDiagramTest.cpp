// The time diagram: phase columns shared out by main and intermediate
// seconds, and every bar of a direction's row coloured by the signal it shows.
#include <gtest/gtest.h>

#include <algorithm>

#include "PrintFixture.h"
#include "print/TimeDiagram.h"

namespace {

constexpr TColor kGreen = 0x60FF60, kYellow = 0x20FFFF, kRed = 0x0000FF;

TEST(DiagramColumns, IntermediateTimesOfThreeZeroAndSixShareSixtyPercentBySeconds) {
  // Label column 100 of 1100: 1000 to share. Main parts 400 / 3 = 133.33
  // each; 600 / 9 s = 66.67 a second, so 200, 0 and 400 for the three
  // intermediate parts.
  const auto cols = DiagramColumns(100, 1100, 100, {3, 0, 6});
  ASSERT_EQ(cols.size(), 3u);
  const double expected[3][3] = {{200, 333.333, 533.333}, {533.333, 666.667, 666.667}, {666.667, 800, 1200}};
  for (int k = 0; k < 3; ++k) {
    EXPECT_NEAR(cols[k].MainLeft, expected[k][0], 1e-3) << k;
    EXPECT_NEAR(cols[k].MainRight, expected[k][1], 1e-3) << k;
    EXPECT_NEAR(cols[k].InterRight, expected[k][2], 1e-3) << k;
  }
  EXPECT_NEAR(cols[2].InterRight - cols[2].MainRight, 2 * (cols[0].InterRight - cols[0].MainRight), 1e-6);
}

TEST(DiagramColumns, WithoutAnyIntermediateTimeTheMainPartsShareTheWholeWidth) {
  const auto cols = DiagramColumns(50, 650, 50, {0, 0});
  ASSERT_EQ(cols.size(), 2u);
  EXPECT_DOUBLE_EQ(cols[0].MainLeft, 100);
  EXPECT_DOUBLE_EQ(cols[0].MainRight, 400);
  EXPECT_DOUBLE_EQ(cols[0].InterRight, 400);
  EXPECT_DOUBLE_EQ(cols[1].MainLeft, 400);
  EXPECT_DOUBLE_EQ(cols[1].MainRight, 700);
  EXPECT_DOUBLE_EQ(cols[1].InterRight, 700);
  EXPECT_TRUE(DiagramColumns(0, 500, 50, {}).empty());
}

struct TSegmentCase {
  const char* Name;
  const char* PhaseList;
  int TGreen, TGreenFlash, TYellow, TRed, TRedYellow, Inter;
  std::vector<TBarSegment> Expected;
};

TEST(IntermediateSegments, FollowTheThresholdsOfClosingAndOpeningDirections) {
  // Phase 1 of 2; the next phase is 2.
  const TSegmentCase cases[] = {
      {"closing 9/6/3 in 9 s: no steady green", "1", 9, 6, 3, 0, 0, 9,
       {{3, kGreen, true}, {3, kYellow, false}, {3, kRed, false}}},
      {"closing 9/6/3 in 12 s", "1", 9, 6, 3, 0, 0, 12,
       {{3, kGreen, false}, {3, kGreen, true}, {3, kYellow, false}, {3, kRed, false}}},
      {"opening red 4, red-yellow 2 in 9 s", "2", 0, 0, 0, 4, 2, 9,
       {{5, kRed, false}, {2, kYellow, false}, {2, kGreen, false}}},
      {"opening with red equal to red-yellow", "2", 0, 0, 0, 3, 3, 7, {{4, kRed, false}, {3, kGreen, false}}},
      {"open in both", "1,2", 9, 6, 3, 0, 0, 7, {{7, kGreen, false}}},
      {"closed in both", "", 9, 6, 3, 2, 1, 5, {{5, kRed, false}}},
      // Flashing starting above green: what the heads show, green then
      // yellow, still filling the whole intermediate time.
      {"closing with flashing above green", "1", 9, 12, 3, 0, 0, 10,
       {{1, kGreen, false}, {6, kYellow, false}, {3, kRed, false}}},
      // Red ending 8 s before a 5-s intermediate time: yellow until the
      // last 2 s, never beyond the part.
      {"opening with red above the intermediate time", "2", 0, 0, 0, 8, 2, 5, {{3, kYellow, false}, {2, kGreen, false}}},
  };
  for (const auto& c : cases) {
    TSVNapr d;
    d.SetPhaseList(c.PhaseList);
    d.TGreen = static_cast<std::uint16_t>(c.TGreen);
    d.TGreenFlash = static_cast<std::uint16_t>(c.TGreenFlash);
    d.TYellow = static_cast<std::uint16_t>(c.TYellow);
    d.TRed = static_cast<std::uint16_t>(c.TRed);
    d.TRedYellow = static_cast<std::uint16_t>(c.TRedYellow);
    const auto got = IntermediateSegments(d, 1, 2, c.Inter);
    ASSERT_EQ(got.size(), c.Expected.size()) << c.Name;
    for (std::size_t i = 0; i < got.size(); ++i) {
      EXPECT_EQ(got[i].Seconds, c.Expected[i].Seconds) << c.Name << " #" << i;
      EXPECT_EQ(got[i].Color, c.Expected[i].Color) << c.Name << " #" << i;
      EXPECT_EQ(got[i].Flashing, c.Expected[i].Flashing) << c.Name << " #" << i;
    }
  }
}

// Three phases with intermediate times 3, 0 and 6, one direction open in
// each, drawn at 10 pixels a millimetre into a body 1180 wide: label column
// 180, then 133.33 per main part and 66.67 per intermediate second.
class DiagramDrawing : public ::testing::Test {
 protected:
  void SetUp() override {
    f.SetPhases({12, 20, 15});
    f.SetDirections({{"1", 3, 2, 1, 2, 1}, {"2", 0, 0, 0, 4, 4}, {"3", 6, 3, 2, 3, 1}});
    const TPhaseLengths lengths{0, 12, 21, 15, 0, 0, 0, 0};
    DrawTimeDiagram(canvas, TRect{0, 0, 1180, 1000}, 10, f.Info(), *f.Scheme->Time, lengths);
  }
  TPrintFixture f;
  TRecordingCanvas canvas{TRect{0, 0, 1200, 1000}};
};

std::vector<TRect> Bars(const TRecordingCanvas& c, int top, int bottom) {
  std::vector<TRect> out;
  for (const auto& op : c.OpsOf(TCanvasOpKind::FillRect))
    if (op.Points[0].y == top && op.Points[1].y == bottom)
      out.push_back(TRect{op.Points[0].x, static_cast<int>(op.Brush.Color), op.Points[1].x, 0});
  return out;
}

TEST_F(DiagramDrawing, EveryBarOfTheFirstRowSpansItsSecondsInItsColour) {
  // Row height min(180, (1000 - 110) / 3) = 180: row 1 ends at 290, its
  // bars 13 high. Left/colour/right per bar, in drawing order:
  //   phase 1 main green 180..313.33; closing with green 3 = I: flashing
  //   1 s (second half 346.67..380), yellow 1 s, red 1 s up to 513.33;
  //   phase 2 main red 513.33..646.67, no intermediate part;
  //   phase 3 main red ..780; opening into phase 1 over 6 s: red 4 s to
  //   1046.67, yellow 1 s to 1113.33, green 1 s to 1180.
  const std::vector<TRect> expected = {
      {180, static_cast<int>(kGreen), 313, 0},  {347, static_cast<int>(kGreen), 380, 0},
      {380, static_cast<int>(kYellow), 447, 0}, {447, static_cast<int>(kRed), 513, 0},
      {513, static_cast<int>(kRed), 647, 0},    {647, static_cast<int>(kRed), 780, 0},
      {780, static_cast<int>(kRed), 1047, 0},   {1047, static_cast<int>(kYellow), 1113, 0},
      {1113, static_cast<int>(kGreen), 1180, 0},
  };
  EXPECT_EQ(Bars(canvas, 277, 290), expected);
}

TEST_F(DiagramDrawing, AFlashingStretchFillsOnlyTheSecondHalfOfEachSecond) {
  // Row 3 ends at 650. Phase 3: closing, green 6 = I, flashing 6 -> 3 over
  // 780..980, then yellow 1 s and red 2 s.
  const std::vector<TRect> bars = Bars(canvas, 637, 650);
  const std::vector<TRect> tail(bars.end() - 5, bars.end());
  const std::vector<TRect> expected = {
      {813, static_cast<int>(kGreen), 847, 0},  {880, static_cast<int>(kGreen), 913, 0},
      {947, static_cast<int>(kGreen), 980, 0},  {980, static_cast<int>(kYellow), 1047, 0},
      {1047, static_cast<int>(kRed), 1180, 0},
  };
  EXPECT_EQ(tail, expected);
}

TEST_F(DiagramDrawing, HeadersLinesAndLabelsNameEveryPhaseAndDirection) {
  const auto texts = canvas.Texts();
  // Main and intermediate labels of each row come first; the headers after.
  for (const char* t : {"Фаза 1", "12 с", "Фаза 2", "21 с", "Фаза 3", "15 с", "1 напр.", "2 напр.", "3 напр."})
    EXPECT_EQ(std::count(texts.begin(), texts.end(), t), 1) << t;
  // Phase 2 has no intermediate part to head.
  EXPECT_EQ(std::count(texts.begin(), texts.end(), "Т пром"), 2);
  EXPECT_EQ(std::count(texts.begin(), texts.end(), "3 с"), 1);
  EXPECT_EQ(std::count(texts.begin(), texts.end(), "6 с"), 1);
  // Lines: the label column at 180, the ends of 313, 513, 647, 780, 1180,
  // all from 0 to 110 + 540 + 20; and the header line at 110.
  std::vector<int> verticals;
  for (const auto& op : canvas.OpsOf(TCanvasOpKind::Line)) {
    if (op.Points[0].x == op.Points[1].x) {
      EXPECT_EQ(op.Points[0].y, 0);
      EXPECT_EQ(op.Points[1].y, 670);
      verticals.push_back(op.Points[0].x);
    } else {
      EXPECT_EQ(op.Points[0], (TPoint{0, 110}));
      EXPECT_EQ(op.Points[1], (TPoint{1180, 110}));
    }
  }
  EXPECT_EQ(verticals, (std::vector<int>{180, 313, 513, 647, 780, 1180}));
}

TEST(DiagramWithoutPhases, DrawsItsHeaderLineLabelColumnAndRowLabelsOnly) {
  TPrintFixture f;
  f.SetDirections({{"", 3, 2, 1, 0, 0}});
  TRecordingCanvas canvas;
  DrawTimeDiagram(canvas, TRect{0, 0, 800, 600}, 10, f.Info(), *f.Scheme->Time, TPhaseLengths{});
  EXPECT_TRUE(canvas.OpsOf(TCanvasOpKind::FillRect).empty());
  EXPECT_EQ(canvas.OpsOf(TCanvasOpKind::Line).size(), 2u);
  EXPECT_EQ(canvas.Texts(), (std::vector<std::string>{"1 напр."}));
}

}  // namespace

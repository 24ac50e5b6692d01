// The device-context rules every canvas back end shares, worked out by hand:
// which pixels a box covers, where an arc starts and how far it sweeps,
// how big a font is, where a text's baseline lies.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "platform/CanvasConventions.h"
#include "platform/TextMeasure.h"

namespace {

struct TBoxCase {
  const char* Name;
  int L, T, R, B;
  std::optional<TOutlineBox> Expected;
};

struct TArcCase {
  const char* Name;
  int L, T, R, B, X3, Y3, X4, Y4;
  bool Drawn;
  double Left, Top, Width, Height, Start, Sweep;
};

}  // namespace

TEST(CanvasConventions, BoxesLeaveOutTheirRightAndBottomEdgeWhateverTheOrderOfTheirCorners) {
  const std::vector<TBoxCase> cases = {
      {"wide and low", 10, 20, 40, 25, TOutlineBox{10, 20, 29, 4}},
      {"corners swapped both ways", 40, 25, 10, 20, TOutlineBox{10, 20, 29, 4}},
      {"only x swapped", 40, 20, 10, 27, TOutlineBox{10, 20, 29, 6}},
      {"one pixel wide", 5, 6, 6, 10, TOutlineBox{5, 6, 0, 3}},
      {"negative corners", -7, -3, 2, 9, TOutlineBox{-7, -3, 8, 11}},
      {"no width", 5, 5, 5, 9, std::nullopt},
      {"no height", 3, 7, 9, 7, std::nullopt},
  };
  for (const auto& c : cases) {
    const auto box = ExclusiveBox(c.L, c.T, c.R, c.B);
    ASSERT_EQ(box.has_value(), c.Expected.has_value()) << c.Name;
    if (!box) continue;
    EXPECT_EQ(box->Left, c.Expected->Left) << c.Name;
    EXPECT_EQ(box->Top, c.Expected->Top) << c.Name;
    EXPECT_EQ(box->Width, c.Expected->Width) << c.Name;
    EXPECT_EQ(box->Height, c.Expected->Height) << c.Name;
  }
}

TEST(CanvasConventions, ArcsRunCounterClockwiseFromTheStartRayToTheEndRay) {
  // Box 10..210 × 20..120: the rays start at (110, 70), the ellipse's half
  // axes are 99.5 and 49.5. The ray towards (+100, +50) (down and right)
  // meets it at the parameter atan2(−50·99.5, 100·49.5) = −45.1443°.
  const std::vector<TArcCase> cases = {
      {"circle, 3 o'clock to noon", 0, 0, 100, 100, 100, 50, 50, 0, true, 0, 0, 99, 99, 0, 90},
      {"circle, noon to 3 o'clock goes the long way", 0, 0, 100, 100, 50, 0, 100, 50, true, 0, 0, 99, 99, 90, 270},
      {"ellipse, lower right to 9 o'clock", 10, 20, 210, 120, 210, 120, 10, 70, true, 10, 20, 199, 99, -45.1443,
       225.1443},
      {"ellipse, 9 o'clock (−180°) to lower right", 10, 20, 210, 120, 10, 70, 210, 120, true, 10, 20, 199, 99, -180,
       134.8557},
      {"corners swapped", 210, 120, 10, 20, 210, 120, 10, 70, true, 10, 20, 199, 99, -45.1443, 225.1443},
      {"equal rays give the whole ellipse", 0, 0, 100, 60, 100, 30, 300, 30, true, 0, 0, 99, 59, 0, 360},
      {"a ray point at the centre counts as 3 o'clock", 0, 0, 100, 100, 50, 50, 50, 100, true, 0, 0, 99, 99, 0, 270},
      {"two pixels wide is drawn", 10, 20, 12, 120, 12, 70, 10, 70, true, 10, 20, 1, 99, 0, 180},
      {"one pixel wide is not", 10, 20, 11, 120, 12, 70, 10, 70, false, 0, 0, 0, 0, 0, 0},
      {"one pixel high is not", 10, 20, 110, 21, 12, 70, 10, 70, false, 0, 0, 0, 0, 0, 0},
  };
  for (const auto& c : cases) {
    const auto arc = ArcGeometry(c.L, c.T, c.R, c.B, c.X3, c.Y3, c.X4, c.Y4);
    ASSERT_EQ(arc.has_value(), c.Drawn) << c.Name;
    if (!arc) continue;
    EXPECT_DOUBLE_EQ(arc->Left, c.Left) << c.Name;
    EXPECT_DOUBLE_EQ(arc->Top, c.Top) << c.Name;
    EXPECT_DOUBLE_EQ(arc->Width, c.Width) << c.Name;
    EXPECT_DOUBLE_EQ(arc->Height, c.Height) << c.Name;
    EXPECT_NEAR(arc->Start, c.Start, 1e-3) << c.Name;
    EXPECT_NEAR(arc->Sweep, c.Sweep, 1e-3) << c.Name;
  }
}

TEST(CanvasConventions, ANegativeFontHeightIsTheEmAPositiveOneTheCellAndZeroASixteenPixelCell) {
  struct TCase {
    int Height;
    double CellAt100;
    int Pixels;
  };
  const std::vector<TCase> cases = {
      {-13, 111.7, 13},  // the character height, whatever the face
      {-13, 0, 13},
      {20, 115, 17},     // 2000 / 115 = 17.39
      {20, 111.7, 18},   // 2000 / 111.7 = 17.905
      {0, 111.7, 14},    // 1600 / 111.7 = 14.32
      {20, 0, 20},       // a face without proportions: the cell as em
      {1, 300, 1},       // never below one pixel
  };
  for (const auto& c : cases)
    EXPECT_EQ(FontPixelSize(c.Height, c.CellAt100), c.Pixels) << c.Height << " at " << c.CellAt100;
}

TEST(CanvasConventions, EscapementTurnsCounterClockwiseAndAlignmentPlacesTheBaseline) {
  EXPECT_DOUBLE_EQ(TextRotation(900), -90.0);
  EXPECT_DOUBLE_EQ(TextRotation(-450), 45.0);
  EXPECT_DOUBLE_EQ(TextRotation(15), -1.5);
  EXPECT_DOUBLE_EQ(TextRotation(0), 0.0);

  const TTextOffset centre = TextOffset(TTextAlign::CenterTop, 31, 12);
  EXPECT_EQ(centre.Dx, -15);
  EXPECT_EQ(centre.BaselineDy, 12);
  const TTextOffset left = TextOffset(TTextAlign::LeftTop, 31, 12);
  EXPECT_EQ(left.Dx, 0);
  EXPECT_EQ(left.BaselineDy, 12);
  const TTextOffset base = TextOffset(TTextAlign::BaselineLeft, 31, 12);
  EXPECT_EQ(base.Dx, 0);
  EXPECT_EQ(base.BaselineDy, 0);
}

TEST(CanvasConventions, PensXorAndFaces) {
  EXPECT_EQ(PenPixelWidth(TPen{clWhite, 0}), 1);
  EXPECT_EQ(PenPixelWidth(TPen{clWhite, 3}), 3);
  EXPECT_TRUE(PenDotted(TPen{clWhite, 1, TPenStyle::Dot}));
  EXPECT_TRUE(PenDotted(TPen{clWhite, 0, TPenStyle::Dot}));
  EXPECT_FALSE(PenDotted(TPen{clWhite, 2, TPenStyle::Dot}));
  EXPECT_FALSE(PenDotted(TPen{clWhite, 1, TPenStyle::Solid}));

  // The placement feedback over the scheme's dark grey.
  EXPECT_EQ(XorOver(0x10FFFF, 0x404040), 0x50BFBFu);
  EXPECT_EQ(XorOver(0x123456, 0xFFFFFF), 0xEDCBA9u);
  EXPECT_EQ(XorOver(0xFF000000u | 0x0000FF, 0x000000), 0x0000FFu);

  EXPECT_EQ(StandInFace("  Arial Cyr "), "Liberation Sans");
  EXPECT_EQ(StandInFace(""), "Liberation Sans");
  EXPECT_EQ(StandInFace("Times New Roman CYR"), "Liberation Serif");
  EXPECT_EQ(StandInFace("courier new"), "Liberation Mono");
  EXPECT_EQ(StandInFace("Verdana"), "Verdana");
}

TEST(ApproxTextMeasure, CountsCharactersNotBytesAtLiberationSansProportions) {
  TApproxTextMeasure measure;
  TFontDesc font;
  font.Height = -20;
  const TFontMetrics m = measure.Metrics(font);
  EXPECT_EQ(m.PixelSize, 20);
  EXPECT_EQ(m.Ascent, 18);   // 0.905 · 20 = 18.1
  EXPECT_EQ(m.Height, 23);   // 1.117 · 20 = 22.34, up
  const TSize cyrillic = measure.TextExtent(font, "Привет");  // six letters, twelve bytes
  EXPECT_EQ(cyrillic.cx, 66);
  EXPECT_EQ(cyrillic.cy, 23);
  font.Height = -11;
  EXPECT_EQ(measure.TextExtent(font, "abc").cx, 19);  // 3 · 11 · 0.55 = 18.15, up
  font.Height = 25;  // a 25-pixel cell: em 2500 / 111.7 = 22.38 → 22
  EXPECT_EQ(measure.Metrics(font).PixelSize, 22);
  EXPECT_EQ(measure.TextExtent(font, "").cx, 0);
}

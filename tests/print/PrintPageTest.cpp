// The printed page through the print dialog's model: where the header, the
// phase pictures and the date go, and what printing leaves behind.
#include <gtest/gtest.h>

#include <algorithm>

#include "PrintFixture.h"
#include "print/PrintFormModel.h"

namespace {

struct TTextAt {
  std::string Text;
  TPoint At;
  int Height;
};

std::vector<TTextAt> TextsAt(const TRecordingCanvas& c) {
  std::vector<TTextAt> out;
  for (const auto& op : c.OpsOf(TCanvasOpKind::Text)) out.push_back({op.Text, op.Points[0], op.Font.Height});
  return out;
}

// A page drawn as the preview draws it, one paper pixel per preview pixel,
// so every length is 100 pixels a centimetre.
class PageDrawing : public ::testing::Test {
 protected:
  void Prepare(int width, int height) {
    f.SetPhases({10, 20, 30});
    f.Scheme->Time->SetPhase(1);
    ASSERT_TRUE(print.Prepare(*f.Scheme, nullptr, CentimetrePrinter(width, height), "01.02.2026 г."));
    print.ZoomDivisor = 1;
    canvas.SetClipRect(TRect{0, 0, width, height});
  }
  TPrintFixture f;
  TPrintFormModel print;
  TRecordingCanvas canvas;
};

TEST_F(PageDrawing, TwoPhasesOnABodyWiderThanHighStandSideBySide) {
  // Paper 2100 x 1000: page 300..2000 by 150..850, header to 300, so the
  // body is 1700 x 550 and splits at x 1150. Caption bands 90 high.
  Prepare(2100, 1000);
  print.Content.TwoPhases = true;
  print.Content.FirstPhase = 2;
  print.Content.SecondPhase = 3;
  print.DrawPreview(*f.Scheme, canvas);
  const std::vector<TRect> expected = {{300, 300, 1150, 760},  {300, 760, 1150, 850}, {1150, 300, 2000, 760},
                                       {1150, 760, 2000, 850}, {300, 150, 2000, 300}, {300, 300, 2000, 850}};
  EXPECT_EQ(DottedFrames(canvas), expected);
  // "Фаза № 2": 8 characters of 35 pixels centred in 300..1150 and in the
  // 90-pixel band below 760.
  const auto texts = TextsAt(canvas);
  const auto caption = std::find_if(texts.begin(), texts.end(), [](const TTextAt& t) { return t.Text == "Фаза № 2"; });
  ASSERT_NE(caption, texts.end());
  EXPECT_EQ(caption->At, (TPoint{585, 770}));
  EXPECT_EQ(caption->Height, 70);
}

TEST_F(PageDrawing, TwoPhasesOnABodyHigherThanWideStandOneAboveTheOther) {
  // Paper 1000 x 2100: body 300..900 by 300..1950 splits at y 1125.
  Prepare(1000, 2100);
  print.Content.TwoPhases = true;
  print.DrawPreview(*f.Scheme, canvas);
  const std::vector<TRect> expected = {{300, 300, 900, 1035},  {300, 1035, 900, 1125}, {300, 1125, 900, 1860},
                                       {300, 1860, 900, 1950}, {300, 150, 900, 300},   {300, 300, 900, 1950}};
  EXPECT_EQ(DottedFrames(canvas), expected);
}

TEST_F(PageDrawing, TitleLinesAreCentredInTheHeaderAndTheDateRightAlignedBelowTheBody) {
  Prepare(2100, 1000);
  print.Content.Title = "AB\r\nCDEF";
  print.DrawPreview(*f.Scheme, canvas);
  const auto texts = TextsAt(canvas);
  ASSERT_GE(texts.size(), 4u);
  // Font 7 mm = 70 pixels, 35 per character: 70 and 140 wide in 300..2000.
  EXPECT_EQ(texts[0].Text, "AB");
  EXPECT_EQ(texts[0].At, (TPoint{1115, 150}));
  EXPECT_EQ(texts[1].Text, "CDEF");
  EXPECT_EQ(texts[1].At, (TPoint{1080, 220}));
  EXPECT_EQ(texts[2].Text, "Фаза № 1");
  // 26 characters of 25 pixels against the right edge 2000, at the bottom edge.
  EXPECT_EQ(texts.back().Text, "Дата печати: 01.02.2026 г.");
  EXPECT_EQ(texts.back().At, (TPoint{1350, 850}));
  EXPECT_EQ(texts.back().Height, 50);

  canvas.Clear();
  print.Content.NoDate = true;
  print.Margins.Footer = 0;
  print.DrawPreview(*f.Scheme, canvas);
  // No caption without a caption band, no date when it is switched off.
  EXPECT_EQ(canvas.Texts(), (std::vector<std::string>{"AB", "CDEF"}));
}

TEST_F(PageDrawing, PrintingPhasesTwoAndThreeLeavesTheClockAtThreeAndDrawsNoFrames) {
  Prepare(2100, 1000);
  print.Content.TwoPhases = true;
  print.Content.FirstPhase = 2;
  print.Content.SecondPhase = 3;
  print.DrawPrinted(*f.Scheme, canvas);
  EXPECT_EQ(f.Scheme->Time->Phase, 3);
  // 30 s main time, no intermediate time: the clock is at the phase's start.
  EXPECT_DOUBLE_EQ(f.Scheme->Time->Remaining, 30);
  const auto texts = canvas.Texts();
  EXPECT_EQ(std::count(texts.begin(), texts.end(), "Фаза № 2"), 1);
  EXPECT_EQ(std::count(texts.begin(), texts.end(), "Фаза № 3"), 1);
  EXPECT_TRUE(DottedFrames(canvas).empty());
  EXPECT_TRUE(print.Content.Frames);
}

TEST(PrintDialog, PreparingResetsZoomSignScaleAndPhasesFromTheClock) {
  TPrintFixture f;
  f.SetPhases({10, 20, 30});
  f.Scheme->Time->SetPhase(3);
  TPrintFormModel print;
  print.ZoomDivisor = 3;
  print.SignDivisor = 2;
  TPrinterMetrics printer = CentimetrePrinter(2100, 2970);
  printer.DpiX = 600;
  printer.DpiY = 300;
  ASSERT_TRUE(print.Prepare(*f.Scheme, nullptr, printer, "x"));
  EXPECT_DOUBLE_EQ(print.ZoomDivisor, 30);  // 600 * 6 / 120
  EXPECT_DOUBLE_EQ(print.SignDivisor, 1);
  EXPECT_EQ(print.Content.FirstPhase, 3);
  EXPECT_EQ(print.Content.SecondPhase, 1);
  EXPECT_FALSE(print.Content.TwoPhases);
  EXPECT_TRUE(print.Content.Frames);
  EXPECT_FALSE(print.Content.NoDate);
  EXPECT_EQ(print.ZoomLabel(), "3,3333%");
  EXPECT_EQ(print.PaperSize(), (TSize{70, 99}));
}

TEST(PrintDialog, ThePrintedSchemeKeepsThePassportsRealScaleAsTheViewerShowsIt) {
  TPrintFixture f;
  f.Info().RealScale = 2.5;
  TPrintFormModel print;
  ASSERT_TRUE(print.Prepare(*f.Scheme, nullptr, CentimetrePrinter(2100, 2970), "x"));
  EXPECT_DOUBLE_EQ(print.Preview.ObjectScale, 2.5);
  EXPECT_DOUBLE_EQ(print.PrinterContext(nullptr).ObjectScale, 2.5);
}

TEST(PrintDialog, SignAndZoomButtonsScaleTheirDivisors) {
  TPrintFixture f;
  TPrintFormModel print;
  TPrinterMetrics printer = CentimetrePrinter(2100, 2970);
  printer.DpiX = 600;
  printer.DpiY = 300;
  ASSERT_TRUE(print.Prepare(*f.Scheme, nullptr, printer, "x"));
  print.SetupPreview(nullptr);
  // At divisor 1 signs are 300 / (30 * 120) = 1/12 of a preview pixel unit.
  EXPECT_DOUBLE_EQ(print.Preview.SignScale, 300.0 / 3600);
  for (int i = 0; i < 3; ++i) EXPECT_TRUE(print.PressButton("A+"));
  EXPECT_NEAR(print.SignDivisor, 125.0 / 216, 1e-12);
  print.SetupPreview(nullptr);
  EXPECT_NEAR(print.Preview.SignScale, 1.728 * 300.0 / 3600, 1e-12);
  EXPECT_EQ(print.SignScaleLabel(), "172,8%");
  // Pixels per millimetre follow the smaller resolution: 300 / 25.4 / 30.
  EXPECT_NEAR(print.Preview.LineFactor, 300 / 25.4 / 30, 1e-12);
  EXPECT_TRUE(print.PressButton("A-"));
  EXPECT_NEAR(print.SignDivisor, 125.0 / 216 * 1.2, 1e-12);

  EXPECT_TRUE(print.PressButton("-"));
  EXPECT_NEAR(print.ZoomDivisor, 42, 1e-12);
  EXPECT_EQ(print.ZoomLabel(), "2,381%");
  EXPECT_TRUE(print.PressButton("+"));
  EXPECT_NEAR(print.ZoomDivisor, 30, 1e-12);
  EXPECT_FALSE(print.PressButton("Печатать"));

  // The printer's context is the preview's scaled up by the divisor.
  print.Preview.OriginX = 12.5;
  print.Preview.OriginY = -4;
  print.Preview.Zoom = 0.75;
  print.Preview.ColorPrint = true;
  const TDrawContext p = print.PrinterContext(nullptr);
  EXPECT_NEAR(p.OriginX, 375, 1e-9);
  EXPECT_NEAR(p.OriginY, -120, 1e-9);
  EXPECT_NEAR(p.Zoom, 22.5, 1e-9);
  EXPECT_NEAR(p.LineFactor, 300 / 25.4, 1e-9);
  EXPECT_NEAR(p.SignScale, print.Preview.SignScale * 30, 1e-12);
  EXPECT_TRUE(p.ColorPrint);
  EXPECT_FALSE(p.GrayBorder);
}

}  // namespace

// Page rectangles from margins measured on the paper, and the margins as
// config.ini and the dialogs hold them.
#include <gtest/gtest.h>

#include "PrintFixture.h"
#include "platform/IniFile.h"
#include "platform/Messages.h"

namespace {

TEST(PageRects, MarginsAreMeasuredFromThePaperEdgeAndStayInsideThePrintableArea) {
  // 600 dpi A4: 236.22 pixels a centimetre. The printer cannot mark 100
  // pixels on the left, 120 at the top, and stops at x 4850 and y 6900.
  TPrinterMetrics printer;
  printer.DpiX = printer.DpiY = 600;
  printer.PaperWidth = 4961;
  printer.PaperHeight = 7016;
  printer.Printable = TRect{100, 120, 4850, 6900};
  // Left 3 cm = 708.66 from the edge, 608.66 from the printable corner.
  // Right: 4961 - 236.22 = 4724.78, inside 4850; - 100 = 4624.78.
  // Top 1.5 cm = 354.33 - 120 = 234.33. Bottom: 7016 - 354.33 = 6661.67 - 120.
  // Header 354.33 tall, footer 0.9 cm = 212.6.
  const TPageRects r = PageRects(kPrintMargins, printer, TPoint{100, 120}, 1.0);
  EXPECT_EQ(r.Page, (TRect{609, 234, 4625, 6542}));
  EXPECT_EQ(r.Header, (TRect{609, 234, 4625, 588}));
  EXPECT_EQ(r.Body, (TRect{609, 588, 4625, 6542}));
  EXPECT_EQ(r.FooterHeight, 213);

  // Margins narrower than the unprintable strips give way to them: 0.2 cm
  // is 47 pixels, less than each strip.
  const TPageMargins thin{0.2, 0.2, 0.2, 0.2, 1.0, 0.0};
  const TPageRects t = PageRects(thin, printer, TPoint{100, 120}, 1.0);
  EXPECT_EQ(t.Page, (TRect{0, 0, 4750, 6780}));

  // The preview shows the whole paper at a divisor of 30.
  const TPageRects p = PageRects(kPrintMargins, printer, TPoint{0, 0}, 30.0);
  // 708.66 / 30 = 23.62; 4724.78 / 30 = 157.49; 354.33 / 30 = 11.81;
  // 6661.67 / 30 = 222.06; header 11.81 -> 12; footer 212.6 / 30 = 7.09.
  EXPECT_EQ(p.Page, (TRect{24, 12, 157, 222}));
  EXPECT_EQ(p.Header, (TRect{24, 12, 157, 24}));
  EXPECT_EQ(p.FooterHeight, 7);
}

TEST(Margins, TextsAreDecimalNumbersWithACommaOrAPoint) {
  struct TCase {
    const char* Text;
    bool Ok;
    double Value;
  } cases[] = {
      {"1,5", true, 1.5}, {"1.25", true, 1.25}, {" 2 ", true, 2.0},   {"0,9", true, 0.9},  {"", false, 0},
      {"  ", false, 0},   {"1,5,0", false, 0},  {"abc", false, 0},    {"1,5см", false, 0}, {"nan", false, 0},
      {"1e3", false, 0},  {"-", false, 0},      {"3,0", true, 3.0},
  };
  for (const auto& c : cases) {
    double v = -7;
    EXPECT_EQ(ParseMargin(c.Text, v), c.Ok) << c.Text;
    if (c.Ok) {
      EXPECT_DOUBLE_EQ(v, c.Value) << c.Text;
    }
  }
}

TEST(Margins, GeneralFormatKeepsFiveSignificantDigitsWithAComma) {
  EXPECT_EQ(FormatGeneral5(1.5), "1,5");
  EXPECT_EQ(FormatGeneral5(3.0), "3");
  EXPECT_EQ(FormatGeneral5(100 / 1.4), "71,429");
  EXPECT_EQ(FormatGeneral5(100.0 / 30), "3,3333");
  EXPECT_EQ(FormatGeneral5(172.8), "172,8");
}

TEST(Margins, ConfigValuesWithCommasAreReadAndABrokenOneStopsTheReadingAfterItsMessage) {
  TTempDir dir;
  WriteBytes(dir.File("config.ini"), CrLf({"[Page]", "leftmargin=2,5", "rightmargin=1.25", "topmargin= 2 ",
                                          "bottommargin=1,5cm", "TopColon=4"}));
  TIniFile config(dir.File("config.ini"));
  TPageMargins m{9, 9, 9, 9, 9, 9};
  TMessageCapture capture;
  EXPECT_FALSE(ReadPageMargins(config, kPrintMargins, m));
  // Left, right and top were read before the broken bottom; the rest keep
  // what they held.
  EXPECT_DOUBLE_EQ(m.Left, 2.5);
  EXPECT_DOUBLE_EQ(m.Right, 1.25);
  EXPECT_DOUBLE_EQ(m.Top, 2.0);
  EXPECT_DOUBLE_EQ(m.Bottom, 9);
  EXPECT_DOUBLE_EQ(m.Header, 9);
  EXPECT_DOUBLE_EQ(m.Footer, 9);
  ASSERT_EQ(capture.Messages.size(), 1u);
  EXPECT_EQ(capture.Messages[0].Severity, TMessageSeverity::Error);
  EXPECT_EQ(capture.Messages[0].Text, "'1,5cm' is not a valid floating point value");

  // Mended, the missing footer takes the print dialog's default 0,9.
  config.WriteString("Page", "bottommargin", "1,75");
  EXPECT_TRUE(ReadPageMargins(config, kPrintMargins, m));
  EXPECT_DOUBLE_EQ(m.Bottom, 1.75);
  EXPECT_DOUBLE_EQ(m.Header, 4.0);
  EXPECT_DOUBLE_EQ(m.Footer, 0.9);
  EXPECT_EQ(capture.Messages.size(), 1u);
}

}  // namespace

// The preview opens with the whole page in its window, and a page saved as
// PDF is offered under a name that says which passport and what it shows.
#include <gtest/gtest.h>

#include "PrintFixture.h"
#include "print/PrintEntry.h"
#include "print/PrintFormModel.h"

namespace {

TEST(PreviewFit, TheLongerSideForTheWindowSetsTheZoomSoTheWholePaperIsInView) {
  struct TCase {
    TSize Viewport;
    double Divisor;
    TSize Paper;
    const char* Label;
  } cases[] = {
      // A4 at 100 pixels a centimetre: 2100 × 2970.
      {{700, 450}, 6.6, {318, 450}, "15,152%"},  // the height governs
      {{300, 900}, 7.0, {300, 424}, "14,286%"},  // the width governs
      {{4200, 2970}, 1.0, {2100, 2970}, "100%"},
      {{0, 500}, 30.0, {70, 99}, "3,3333%"},  // no window yet: the zoom stays
      {{500, -1}, 30.0, {70, 99}, "3,3333%"},
  };
  for (const auto& c : cases) {
    TPrintFormModel print;
    print.Printer = CentimetrePrinter(2100, 2970);
    print.ZoomDivisor = 30;
    print.FitZoom(c.Viewport);
    EXPECT_DOUBLE_EQ(print.ZoomDivisor, c.Divisor) << c.Label;
    EXPECT_EQ(print.PaperSize(), c.Paper) << c.Label;
    EXPECT_EQ(print.ZoomLabel(), c.Label);
  }
}

TEST(PdfFileName, NamesThePassportFolderAndWhatThePageShows) {
  struct TCase {
    const char* Dir;
    TPrintMode Mode;
    const char* Name;
  } cases[] = {
      {"/srv/Data/svo1/", TPrintMode::Scheme, "svo1 схема.pdf"},
      {"/srv/Data/svo12", TPrintMode::TimeDiagram, "svo12 временная диаграмма.pdf"},
      {"C:\\Data\\svo3\\", TPrintMode::TramHeads, "svo3 трамвайные головки.pdf"},
      {"svo4//", TPrintMode::Scheme, "svo4 схема.pdf"},
      {"", TPrintMode::TimeDiagram, "svpass временная диаграмма.pdf"},
  };
  for (const auto& c : cases) EXPECT_EQ(PrintFileName(c.Dir, c.Mode), c.Name) << c.Dir;
}

}  // namespace

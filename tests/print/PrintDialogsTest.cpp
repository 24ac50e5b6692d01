// The settings dialogs of printing and the phase-length dialog, worked
// through the user's actions.
#include <gtest/gtest.h>

#include "PrintFixture.h"
#include "platform/IniFile.h"
#include "platform/Messages.h"
#include "print/PageLayModel.h"
#include "print/PrintFormModel.h"
#include "print/SetPageModel.h"
#include "tables/SetPhaseLenModel.h"
#include "tables/TableForms.h"

namespace {

TEST(PageSettings, EachPrintModeShowsAndEnablesItsOwnControls) {
  struct TCase {
    TPrintMode Mode;
    bool PhaseGroup, ColorEnabled, Gray, Color;
  } cases[] = {
      // The scheme keeps the preview's colour switch (off here).
      {TPrintMode::Scheme, true, true, true, false},
      {TPrintMode::TimeDiagram, false, false, false, true},
      {TPrintMode::TramHeads, false, false, false, false},
  };
  for (const auto& c : cases) {
    TPrintFormModel print;
    print.Content.Mode = c.Mode;
    print.Preview.ColorPrint = c.Mode == TPrintMode::TramHeads;
    TSetPageModel page;
    page.Fill(print, 4);
    EXPECT_EQ(page.PhaseGroupVisible, c.PhaseGroup);
    EXPECT_EQ(page.ColorEnabled, c.ColorEnabled);
    EXPECT_EQ(page.GrayVisible, c.Gray);
    EXPECT_EQ(page.ColorPrint, c.Color);
    EXPECT_EQ(page.Check("Две фазы"), c.PhaseGroup);
    EXPECT_EQ(page.SetChecked("Цветная печать", true), c.ColorEnabled);
    EXPECT_TRUE(page.SetChecked("Вывести дату печати", false));
  }
}

TEST(PageSettings, FillShowsTheMarginsAndPhasesAndOkReadsThemBack) {
  TPrintFormModel print;
  print.Margins = TPageMargins{3, 1, 1.5, 1.25, 1.5, 0.9};
  print.Content.Title = "A\r\nB";
  print.Content.FirstPhase = 2;
  print.Content.SecondPhase = 3;
  TSetPageModel page;
  page.Fill(print, 3);
  EXPECT_EQ(page.MarginTexts, (std::array<std::string, 6>{"3", "1", "1,5", "1,25", "1,5", "0,9"}));
  EXPECT_EQ(page.Title, "A\r\nB");
  EXPECT_TRUE(page.PrintDate);
  // One phase: the second spin edit is off; phases go up to the count.
  EXPECT_FALSE(page.Spin("SecondPhaseSpin", 1));
  EXPECT_FALSE(page.Spin("FirstPhaseSpin", 4));
  EXPECT_TRUE(page.Spin("FirstPhaseSpin", 0));
  EXPECT_TRUE(page.Check("Две фазы"));
  EXPECT_TRUE(page.Spin("SecondPhaseSpin", 1));
  EXPECT_TRUE(page.SetText("LeftEdit", "2,5"));
  EXPECT_TRUE(page.SetText("BottomColonEdit", "0"));
  EXPECT_TRUE(page.SetText("TitleMemo", "Новый"));
  EXPECT_TRUE(page.SetChecked("Серый бордюр", true));
  EXPECT_TRUE(page.SetChecked("Вывести дату печати", false));
  EXPECT_FALSE(page.SetText("NoSuchEdit", "1"));

  EXPECT_EQ(page.Press(TDialogButton::Ok), mrOk);
  EXPECT_DOUBLE_EQ(print.Margins.Left, 2.5);
  EXPECT_DOUBLE_EQ(print.Margins.Bottom, 1.25);
  EXPECT_DOUBLE_EQ(print.Margins.Footer, 0);
  EXPECT_EQ(print.Content.Title, "Новый");
  EXPECT_TRUE(print.Content.TwoPhases);
  EXPECT_EQ(print.Content.FirstPhase, 0);
  EXPECT_EQ(print.Content.SecondPhase, 1);
  EXPECT_TRUE(print.Content.NoDate);
  EXPECT_TRUE(print.Preview.GrayBorder);
  EXPECT_FALSE(print.Preview.ColorPrint);
}

TEST(PageSettings, AFaultyMarginRefusesOkNamingItsFieldAndNothingIsTakenUntilAllSixAreNumbers) {
  // Each case: the texts typed (left, right, top, bottom, header, footer)
  // and the field the message names: the first faulty one in the order
  // top, left, bottom, right, header, footer.
  struct TCase {
    std::array<std::string, 6> Texts;
    int Faulty;
    const char* Message;
  } cases[] = {
      {{"2,5", "один", "2", "1,75", "4", "0,5"}, 1, "Правое поле: «один» — не число сантиметров (например, «1,5»)."},
      {{"x", "1", "", "1", "1", "1"}, 2, "Верхнее поле: «» — не число сантиметров (например, «1,5»)."},
      {{"x", "1", "2", "1", "1", "1"}, 0, "Левое поле: «x» — не число сантиметров (например, «1,5»)."},
      {{"2", "1", "2", "1", "1", "1 см"}, 5,
       "Высота нижнего колонтитула: «1 см» — не число сантиметров (например, «1,5»)."},
      {{"2", "1", "2", "1", "1,2,3", "z"}, 4,
       "Высота верхнего колонтитула: «1,2,3» — не число сантиметров (например, «1,5»)."},
      {{"2", "1", "2", "-", "1", "1"}, 3, "Нижнее поле: «-» — не число сантиметров (например, «1,5»)."},
  };
  for (const auto& c : cases) {
    TPrintFormModel print;
    print.Margins = TPageMargins{3, 1, 1.5, 1.25, 1.5, 0.9};
    print.Content.Title = "old";
    TSetPageModel page;
    page.Fill(print, 3);
    for (int i = 0; i < 6; ++i) page.SetText(kMarginEdits[i], c.Texts[static_cast<std::size_t>(i)]);
    page.SetText("TitleMemo", "new");
    TMessageCapture capture;
    EXPECT_EQ(page.Press(TDialogButton::Ok), mrNone) << c.Message;
    EXPECT_EQ(page.FaultyMargin, c.Faulty) << c.Message;
    ASSERT_EQ(capture.Messages.size(), 1u);
    EXPECT_EQ(capture.Messages[0].Text, c.Message);
    // Not one margin, nor the title, is taken; Cancel after it changes nothing either.
    EXPECT_EQ(page.Press(TDialogButton::Cancel), mrCancel);
    const TPageMargins& m = print.Margins;
    EXPECT_EQ((std::array<double, 6>{m.Left, m.Right, m.Top, m.Bottom, m.Header, m.Footer}),
              (std::array<double, 6>{3, 1, 1.5, 1.25, 1.5, 0.9}))
        << c.Message;
    EXPECT_EQ(print.Content.Title, "old");
  }

  // Once every field is a number, all six are taken.
  TPrintFormModel print;
  TSetPageModel page;
  page.Fill(print, 3);
  const char* mended[6] = {"2,5", "0,75", "2", "1,75", "4", "0,5"};
  for (int i = 0; i < 6; ++i) page.SetText(kMarginEdits[i], mended[i]);
  TMessageCapture capture;
  EXPECT_EQ(page.Press(TDialogButton::Ok), mrOk);
  EXPECT_EQ(page.FaultyMargin, -1);
  EXPECT_TRUE(capture.Messages.empty());
  const TPageMargins& m = print.Margins;
  EXPECT_EQ((std::array<double, 6>{m.Left, m.Right, m.Top, m.Bottom, m.Header, m.Footer}),
            (std::array<double, 6>{2.5, 0.75, 2, 1.75, 4, 0.5}));
}

TEST(PageSettings, TheTopPhaseNumberIsOfferedAndTakenAndTheOneAboveItIsNot) {
  for (int count : {5, 7}) {
    TPrintFormModel print;
    print.Content.FirstPhase = 1;
    print.Content.SecondPhase = 2;
    TSetPageModel page;
    page.Fill(print, count);
    EXPECT_EQ(page.PhaseMax, count);
    EXPECT_FALSE(page.Spin("FirstPhaseSpin", count + 1)) << count;
    EXPECT_TRUE(page.Spin("FirstPhaseSpin", count)) << count;
    EXPECT_TRUE(page.Check("Две фазы"));
    EXPECT_FALSE(page.Spin("SecondPhaseSpin", count + 1)) << count;
    EXPECT_TRUE(page.Spin("SecondPhaseSpin", count - 2)) << count;
    EXPECT_EQ(page.Press(TDialogButton::Ok), mrOk);
    EXPECT_EQ(print.Content.FirstPhase, count);
    EXPECT_EQ(print.Content.SecondPhase, count - 2);
  }
}

TEST(DefaultPage, ShowsTheStoredTextsOrTheDefaultsAndOkWritesThemAsTypedOnceAllAreNumbers) {
  TTempDir dir;
  WriteBytes(dir.File("config.ini"), CrLf({"[Page]", "rightmargin=1,2", "TopColon=abc"}));
  TIniFile config(dir.File("config.ini"));
  TPageLayModel lay;
  lay.Fill(config);
  EXPECT_EQ(lay.Texts, (std::array<std::string, 6>{"3,0", "1,2", "2,5", "2,5", "abc", "1,0"}));
  EXPECT_TRUE(lay.SetText("LeftEdit", "2.75"));
  EXPECT_TRUE(lay.SetText("BottomEdit", " 1,5 "));
  EXPECT_EQ(lay.Press(TDialogButton::Cancel), mrCancel);
  EXPECT_FALSE(config.ValueExists("Page", "leftmargin"));
  const char* keys[6] = {"leftmargin", "rightmargin", "topmargin", "bottommargin", "TopColon", "bottomColon"};

  // The stored "abc" would stop every print: Ok refuses it, naming the
  // field, and writes none of the six.
  {
    TMessageCapture capture;
    EXPECT_EQ(lay.Press(TDialogButton::Ok), mrNone);
    EXPECT_EQ(lay.FaultyMargin, 4);
    ASSERT_EQ(capture.Messages.size(), 1u);
    EXPECT_EQ(capture.Messages[0].Text,
              "Высота верхнего колонтитула: «abc» — не число сантиметров (например, «1,5»).");
    TIniFile reread(dir.File("config.ini"));
    const char* before[6] = {"?", "1,2", "?", "?", "abc", "?"};
    for (int i = 0; i < 6; ++i) EXPECT_EQ(reread.ReadString("Page", keys[i], "?"), before[i]) << keys[i];
  }

  EXPECT_TRUE(lay.SetText("TopColonEdit", "1,75"));
  EXPECT_EQ(lay.Press(TDialogButton::Ok), mrOk);
  EXPECT_EQ(lay.FaultyMargin, -1);
  // The profile reader trims the blanks around a value.
  const char* stored[6] = {"2.75", "1,2", "2,5", "1,5", "1,75", "1,0"};
  TIniFile reread(dir.File("config.ini"));
  for (int i = 0; i < 6; ++i) EXPECT_EQ(reread.ReadString("Page", keys[i], "?"), stored[i]) << keys[i];
}

TEST(PhaseLengthDialog, OffersTheMainTimesOfTheProgramForThePassportsPhasesOnly) {
  TPrintFixture f;
  f.SetPhases({11, 22, 33});
  for (int k = 1; k <= 3; ++k) f.Info().Phases.Item(k)->TMain[2] = static_cast<std::uint16_t>(40 + k);
  f.Scheme->Time->Program = 1;
  const auto model = OpenTableForm("TSetPhaseForm", *f.Scheme, TTableFormEnv{});
  ASSERT_NE(model, nullptr);
  EXPECT_STREQ(model->FormName(), "TSetPhaseForm");
  auto& lengths = dynamic_cast<TSetPhaseLenModel&>(*model);
  // Program II: 41, 42, 43; phases 4 to 7 are off and hold 0.
  EXPECT_EQ(lengths.Lengths, (std::array<int, 8>{0, 41, 42, 43, 0, 0, 0, 0}));
  EXPECT_EQ(lengths.Enabled, (std::array<bool, 8>{false, true, true, true, false, false, false, false}));
  EXPECT_TRUE(lengths.Spin("2", 200));
  EXPECT_FALSE(lengths.Spin("3", 201));
  EXPECT_FALSE(lengths.Spin("3", -1));
  EXPECT_FALSE(lengths.Spin("4", 10));
  EXPECT_FALSE(lengths.Spin("8", 10));
  EXPECT_FALSE(lengths.Spin("0", 10));
  EXPECT_EQ(lengths.Lengths, (std::array<int, 8>{0, 41, 200, 43, 0, 0, 0, 0}));
  EXPECT_EQ(lengths.Press(TDialogButton::Ok), mrOk);
  EXPECT_EQ(lengths.Press(TDialogButton::Close), mrCancel);
}

TEST(PhaseLengthDialog, AStoredMainTimeAboveTheSpinRangeIsOfferedUncutAndAnyLengthUpToItTaken) {
  TPrintFixture f;
  f.SetPhases({250, 7, 65535});
  TSetPhaseLenModel lengths(*f.Scheme);
  EXPECT_EQ(lengths.Lengths[1], 250);
  EXPECT_EQ(lengths.Lengths[2], 7);
  // Each phase's top: its stored time when longer than 200 s.
  EXPECT_EQ(lengths.Max, (std::array<int, 8>{0, 250, 200, 65535, 200, 200, 200, 200}));
  EXPECT_TRUE(lengths.Spin("1", 231));
  EXPECT_FALSE(lengths.Spin("1", 251));
  EXPECT_FALSE(lengths.Spin("2", 201));
  EXPECT_TRUE(lengths.Spin("2", 199));
  EXPECT_TRUE(lengths.Spin("3", 40000));
  EXPECT_FALSE(lengths.Spin("3", 65536));
  EXPECT_EQ(lengths.Lengths, (std::array<int, 8>{0, 231, 199, 40000, 0, 0, 0, 0}));
}

}  // namespace

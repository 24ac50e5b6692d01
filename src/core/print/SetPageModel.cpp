#include "SetPageModel.h"

#include "PrintFormModel.h"
#include "PageLayout.h"

const char* const kMarginEdits[6] = {"LeftEdit", "RightEdit", "TopEdit", "BottomEdit", "TopColonEdit",
                                     "BottomColonEdit"};

namespace {

double* MarginOf(TPageMargins& m, int i) {
  double* slots[6] = {&m.Left, &m.Right, &m.Top, &m.Bottom, &m.Header, &m.Footer};
  return slots[i];
}

}  // namespace

void TSetPageModel::Fill(TPrintFormModel& print, int phaseCount) {
  Print_ = &print;
  for (int i = 0; i < 6; ++i) MarginTexts[static_cast<std::size_t>(i)] = FormatGeneral5(*MarginOf(print.Margins, i));
  Title = print.Content.Title;
  ColorPrint = print.Preview.ColorPrint;
  GrayBorder = print.Preview.GrayBorder;
  TwoPhases = print.Content.TwoPhases;
  PhaseMax = phaseCount;
  FirstPhase = print.Content.FirstPhase;
  SecondPhase = print.Content.SecondPhase;
  PrintDate = !print.Content.NoDate;
  const TPrintMode mode = print.Content.Mode;
  PhaseGroupVisible = mode == TPrintMode::Scheme;
  GrayVisible = mode == TPrintMode::Scheme;
  ColorEnabled = mode == TPrintMode::Scheme;
  // The time diagram is always in colour; the tram-head drawings never.
  if (mode == TPrintMode::TimeDiagram) ColorPrint = true;
  if (mode == TPrintMode::TramHeads) ColorPrint = false;
}

bool TSetPageModel::Check(const std::string& caption) {
  if (!PhaseGroupVisible) return false;
  if (caption == "Одну фазу")
    TwoPhases = false;
  else if (caption == "Две фазы")
    TwoPhases = true;
  else
    return false;
  return true;
}

bool TSetPageModel::SetText(const std::string& control, const std::string& value) {
  if (control == "TitleMemo") {
    Title = value;
    return true;
  }
  for (int i = 0; i < 6; ++i) {
    if (control == kMarginEdits[i]) {
      MarginTexts[static_cast<std::size_t>(i)] = value;
      return true;
    }
  }
  return false;
}

bool TSetPageModel::Spin(const std::string& control, int value) {
  if (!PhaseGroupVisible || value < 0 || value > PhaseMax) return false;
  if (control == "FirstPhaseSpin") {
    FirstPhase = value;
  } else if (control == "SecondPhaseSpin" && SecondPhaseEnabled()) {
    SecondPhase = value;
  } else {
    return false;
  }
  return true;
}

bool TSetPageModel::SetChecked(const std::string& caption, bool on) {
  if (caption == "Цветная печать" && ColorEnabled)
    ColorPrint = on;
  else if (caption == "Серый бордюр" && GrayVisible)
    GrayBorder = on;
  else if (caption == "Вывести дату печати")
    PrintDate = on;
  else
    return false;
  return true;
}

int TSetPageModel::Press(TDialogButton button) {
  if (button != TDialogButton::Ok) return mrCancel;
  if (!Print_) return mrCancel;
  // Nothing is taken unless every margin is a number: "Печатать" must not
  // use values the preview does not show.
  std::array<double, 6> margins{};
  FaultyMargin = ParseMarginTexts(MarginTexts, margins);
  if (FaultyMargin >= 0) return mrNone;
  for (int i = 0; i < 6; ++i) *MarginOf(Print_->Margins, i) = margins[static_cast<std::size_t>(i)];
  TPageContent& c = Print_->Content;
  c.Title = Title;
  Print_->Preview.ColorPrint = ColorPrint;
  Print_->Preview.GrayBorder = GrayBorder;
  c.TwoPhases = TwoPhases;
  c.FirstPhase = FirstPhase;
  c.SecondPhase = SecondPhase;
  c.NoDate = !PrintDate;
  return mrOk;
}

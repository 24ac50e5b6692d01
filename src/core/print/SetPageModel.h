#pragma once
// "Параметры страницы" of the print dialog: the margins, the title and the
// options of the current print. What it changes lasts until the print dialog
// is opened again; nothing is stored in config.ini.
#include <array>
#include <string>

#include "platform/Dialogs.h"

class TPrintFormModel;

// The edit fields of the margins, in the order of the margin structure:
// left, right, top, bottom, header, footer.
extern const char* const kMarginEdits[6];

class TSetPageModel : public TDialogModel {
 public:
  const char* FormName() const override { return "TSetPageForm"; }
  // Ok reads everything back into the print dialog; a margin that is not a
  // number refuses it (its message names the field, the dialog stays open
  // and nothing is taken). Cancel and the close box change nothing.
  int Press(TDialogButton button) override;
  // "Одну фазу" or "Две фазы".
  bool Check(const std::string& caption) override;
  // A margin edit (kMarginEdits) or "TitleMemo".
  bool SetText(const std::string& control, const std::string& value) override;
  // "FirstPhaseSpin" or "SecondPhaseSpin", 0 up to the number of phases.
  bool Spin(const std::string& control, int value) override;
  // "Цветная печать", "Серый бордюр", "Вывести дату печати".
  bool SetChecked(const std::string& caption, bool on);

  // Fills the controls from the print dialog for this opening.
  void Fill(TPrintFormModel& print, int phaseCount);

  std::array<std::string, 6> MarginTexts;
  std::string Title;
  bool ColorPrint = false;
  bool GrayBorder = false;
  bool PrintDate = true;
  bool TwoPhases = false;
  int FirstPhase = 0;
  int SecondPhase = 0;
  int PhaseMax = 7;
  // The margin (left to footer) the last refused Ok stopped at, or -1.
  int FaultyMargin = -1;

  // What the print mode shows and allows.
  bool PhaseGroupVisible = true;
  bool ColorEnabled = true;
  bool GrayVisible = true;
  bool SecondPhaseEnabled() const { return PhaseGroupVisible && TwoPhases; }

 private:
  TPrintFormModel* Print_ = nullptr;
};

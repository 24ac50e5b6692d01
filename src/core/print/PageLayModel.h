#pragma once
// The default-page dialog "Параметры страницы" of the main menu: the six
// values of config.ini's "Page" section, stored as typed.
#include <array>
#include <string>

#include "platform/Dialogs.h"

class TIniFile;

class TPageLayModel : public TDialogModel {
 public:
  const char* FormName() const override { return "TPageLayForm"; }
  // Ok writes the six texts to config.ini, as typed, when all six are
  // numbers; otherwise it shows the error naming the first faulty field and
  // writes nothing (mrNone). Cancel and the close box write nothing.
  int Press(TDialogButton button) override;
  // The margin edits named as in the print settings dialog.
  bool SetText(const std::string& control, const std::string& value) override;

  // Fills the edits from config.ini, its defaults for missing keys.
  void Fill(TIniFile& config);

  // left, right, top, bottom, header, footer.
  std::array<std::string, 6> Texts;
  // The field (left to footer) the last refused Ok stopped at, or -1.
  int FaultyMargin = -1;

 private:
  TIniFile* Config_ = nullptr;
};

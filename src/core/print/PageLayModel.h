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
  // Ok writes the six texts to config.ini; Cancel and the close box nothing.
  int Press(TDialogButton button) override;
  // The margin edits named as in the print settings dialog.
  bool SetText(const std::string& control, const std::string& value) override;

  // Fills the edits from config.ini, its defaults for missing keys.
  void Fill(TIniFile& config);

  // left, right, top, bottom, header, footer.
  std::array<std::string, 6> Texts;

 private:
  TIniFile* Config_ = nullptr;
};

#include "PageLayModel.h"

#include "PageLayout.h"
#include "SetPageModel.h"
#include "platform/IniFile.h"

void TPageLayModel::Fill(TIniFile& config) {
  Config_ = &config;
  // The defaults as a user would type them.
  static const char* const defaults[6] = {"3,0", "2,0", "2,5", "2,5", "1,8", "1,0"};
  for (int i = 0; i < 6; ++i) Texts[static_cast<std::size_t>(i)] = config.ReadString(kPageSection, kPageKeys[i], defaults[i]);
}

bool TPageLayModel::SetText(const std::string& control, const std::string& value) {
  for (int i = 0; i < 6; ++i) {
    if (control == kMarginEdits[i]) {
      Texts[static_cast<std::size_t>(i)] = value;
      return true;
    }
  }
  return false;
}

int TPageLayModel::Press(TDialogButton button) {
  if (button != TDialogButton::Ok || !Config_) return mrCancel;
  // A value that is not a number would stop every later print: refused here,
  // and nothing is written unless all six are numbers.
  std::array<double, 6> values{};
  FaultyMargin = ParseMarginTexts(Texts, values);
  if (FaultyMargin >= 0) return mrNone;
  for (int i = 0; i < 6; ++i) Config_->WriteString(kPageSection, kPageKeys[i], Texts[static_cast<std::size_t>(i)]);
  return mrOk;
}

#include "SetPhaseLenModel.h"

#include <algorithm>

#include "model/SVObject.h"
#include "plan/SVInfo.h"
#include "plan/SVtime.h"

const char* const TSetPhaseLenModel::kCaptions[kPhases + 1] = {
    "",           "Первая фаза:", "Вторая фаза:",  "Третья фаза:",
    "Четвертая фаза:", "Пятая фаза:",  "Шестая фаза:", "Седьмая фаза:"};

TSetPhaseLenModel::TSetPhaseLenModel(TSVObject& passport) { Fill(passport); }

void TSetPhaseLenModel::Fill(TSVObject& passport) {
  const int count = passport.Info->PhaseCount;
  for (int k = 1; k <= kPhases; ++k) {
    const auto i = static_cast<std::size_t>(k);
    Enabled[i] = k <= count;
    // A stored main time above the spin edit's range is shown as it is: the
    // diagram must not print another length than the plan's.
    Lengths[i] = Enabled[i] ? passport.Time->MainTime(k) : 0;
    Max[i] = std::min(kLargestLength, std::max(kMaxLength, Lengths[i]));
  }
}

int TSetPhaseLenModel::Press(TDialogButton button) { return button == TDialogButton::Ok ? mrOk : mrCancel; }

bool TSetPhaseLenModel::Spin(const std::string& control, int value) {
  if (control.size() != 1 || control[0] < '1' || control[0] > '7') return false;
  const auto i = static_cast<std::size_t>(control[0] - '0');
  if (!Enabled[i] || value < 0 || value > Max[i]) return false;
  Lengths[i] = value;
  return true;
}

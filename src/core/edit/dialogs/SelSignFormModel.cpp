#include "SelSignFormModel.h"

#include "items/SignCatalog.h"

const std::vector<TSignChoice>& TSelSignFormModel::Choices() {
  static const std::vector<TSignChoice> choices = {
      {"mainsi", 4, 0},           {"LeaveSB", 6, 0},   {"endMainsB", 8, 0}, {"StopSb", 7, 0},
      {"BrickSB", 16, 0},         {"WhiteSquareSign", 17, 0}, {"RRoundS", 5, 0}, {"BRoundS", 1, 0},
      {"trisign", 2, 0},          {"squaresign", 3, 0}, {"arrow1SB", 9, 1},  {"Arrow2SB", 10, 1},
      {"arrow3SB", 11, 1},        {"arrow4SB", 12, 1}, {"Arrow5SB", 13, 1}, {"Arrow7SB", 15, 1},
      {"Arrow6SB", 14, 1},        {"TableSB", 18, 1},
  };
  return choices;
}

std::string TSelSignFormModel::KindCaption(int kind) {
  const TSignKindInfo* info = FindSignKind(kind);
  return info ? info->Caption : "";
}

bool TSelSignFormModel::Check(const std::string& caption) {
  for (const TSignChoice& choice : Choices()) {
    const TSignKindInfo* info = FindSignKind(choice.Kind);
    if (caption != info->Caption) continue;
    // A radio button proposes its number only when it becomes checked, so a
    // number edited for the checked kind survives a second click on it.
    if (Kind_ != choice.Kind) {
      Kind_ = choice.Kind;
      Number_ = info->DefaultNumber;
    }
    return true;
  }
  return false;
}

bool TSelSignFormModel::SetText(const std::string& control, const std::string& value) {
  if (control != "textfield") return false;
  Number_ = value;
  return true;
}

int TSelSignFormModel::Press(TDialogButton button) {
  if (button != TDialogButton::Ok) return kCancelled;
  return Kind_ == 0 ? mrNone : Kind_;
}

#include "SelLineFormModel.h"

#include "items/SingleLine.h"

TSelLineFormModel::TSelLineFormModel() {
  TypeGroup_.Items = {"Сплошная", "Длинные штрихи", "Короткие штрихи", "Двойная"};
  // A group without a choice would give a line of no kind, which paints nothing.
  TypeGroup_.Index = 0;
}

bool TSelLineFormModel::Check(const std::string& caption) {
  const int i = TypeGroup_.Find(caption);
  if (i < 0) return false;
  TypeGroup_.Index = i;
  return true;
}

int TSelLineFormModel::Press(TDialogButton button) { return button == TDialogButton::Ok ? mrOk : mrCancel; }

void TSelLineFormModel::Fill(TSingleLine& line) const { line.LineKind = static_cast<std::uint8_t>(TypeGroup_.Index); }

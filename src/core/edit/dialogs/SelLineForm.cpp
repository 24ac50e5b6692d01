#include "SelLineForm.h"

#include "items/SingleLine.h"

TSelLineForm::TSelLineForm() {
  TypeGroup_.Items = {"Сплошная", "Длинные штрихи", "Короткие штрихи", "Двойная"};
  // A group without a choice would give a line of no kind, which paints nothing.
  TypeGroup_.Index = 0;
}

bool TSelLineForm::Check(const std::string& caption) {
  const int i = TypeGroup_.Find(caption);
  if (i < 0) return false;
  TypeGroup_.Index = i;
  return true;
}

int TSelLineForm::Press(TDialogButton button) { return button == TDialogButton::Ok ? mrOk : mrCancel; }

void TSelLineForm::Fill(TSingleLine& line) const { line.LineKind = static_cast<std::uint8_t>(TypeGroup_.Index); }

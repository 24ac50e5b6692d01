#include "SelArrowForm.h"

#include "items/MarkArrow.h"

TSelArrowForm::TSelArrowForm() {
  ArrowGroup_.Items = {"Только прямо", "Налево", "Направо", "Прямо и налево", "Прямо и направо"};
  // A group without a choice would give an arrow of no kind, which paints nothing.
  ArrowGroup_.Index = 0;
}

bool TSelArrowForm::Check(const std::string& caption) {
  const int i = ArrowGroup_.Find(caption);
  if (i < 0) return false;
  ArrowGroup_.Index = i;
  return true;
}

int TSelArrowForm::Press(TDialogButton button) { return button == TDialogButton::Ok ? mrOk : mrCancel; }

void TSelArrowForm::Fill(TMarkArrow& arrow) const { arrow.ArrowKind = ArrowGroup_.Index; }

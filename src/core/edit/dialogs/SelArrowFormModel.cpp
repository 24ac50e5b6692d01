#include "SelArrowFormModel.h"

#include "items/MarkArrow.h"

TSelArrowFormModel::TSelArrowFormModel() {
  ArrowGroup_.Items = {"Только прямо", "Налево", "Направо", "Прямо и налево", "Прямо и направо"};
  // A group without a choice would give an arrow of no kind, which paints nothing.
  ArrowGroup_.Index = 0;
}

bool TSelArrowFormModel::Check(const std::string& caption) {
  const int i = ArrowGroup_.Find(caption);
  if (i < 0) return false;
  ArrowGroup_.Index = i;
  return true;
}

int TSelArrowFormModel::Press(TDialogButton button) { return button == TDialogButton::Ok ? mrOk : mrCancel; }

void TSelArrowFormModel::Fill(TMarkArrow& arrow) const { arrow.ArrowKind = ArrowGroup_.Index; }

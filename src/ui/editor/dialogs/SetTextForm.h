#pragma once
// "Ввод текста": the label of a cabinet, well or building, or a free text.
#include "ItemDialogView.h"
#include "edit/dialogs/SetTextFormModel.h"

class TSetTextForm : public TItemDialogView {
  Q_OBJECT

 public:
  explicit TSetTextForm(TSetTextFormModel& model, QWidget* parent = nullptr);
  void Refresh() override;

  QLineEdit* textfield() const { return TextField_; }
  QPushButton* Ok() const { return Ok_; }
  QPushButton* NoText() const { return NoText_; }

 private:
  TSetTextFormModel& Form_;
  QLineEdit* TextField_;
  QPushButton* Ok_;
  QPushButton* NoText_;
};


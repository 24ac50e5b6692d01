#pragma once
// "Ввод текста": the label of a cabinet, well or building, or a free text.
#include "ItemDialogView.h"
#include "edit/dialogs/SetTextForm.h"

namespace view {

class TSetTextForm : public TItemDialogView {
  Q_OBJECT

 public:
  explicit TSetTextForm(::TSetTextForm& model, QWidget* parent = nullptr);
  void Refresh() override;

  QLineEdit* textfield() const { return TextField_; }
  QPushButton* Ok() const { return Ok_; }
  QPushButton* NoText() const { return NoText_; }

 private:
  ::TSetTextForm& Form_;
  QLineEdit* TextField_;
  QPushButton* Ok_;
  QPushButton* NoText_;
};

}  // namespace view

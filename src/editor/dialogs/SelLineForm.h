#pragma once
// "Тип тонкой линии разметки": the kind of a thin lane line.
#include "ItemDialogView.h"
#include "edit/dialogs/SelLineForm.h"

namespace view {

class TSelLineForm : public TItemDialogView {
  Q_OBJECT

 public:
  explicit TSelLineForm(::TSelLineForm& model, QWidget* parent = nullptr);
  void Refresh() override;

  TRadioGroupView* TypeGroup() const { return TypeGroup_; }
  QPushButton* Ok() const { return Ok_; }
  QPushButton* Cancel() const { return Cancel_; }

 private:
  ::TSelLineForm& Form_;
  TRadioGroupView* TypeGroup_;
  QPushButton* Ok_;
  QPushButton* Cancel_;
};

}  // namespace view

#pragma once
// "Выбор направления движения по полосе": the kind of a lane arrow.
#include "ItemDialogView.h"
#include "edit/dialogs/SelArrowForm.h"

namespace view {

class TSelArrowForm : public TItemDialogView {
  Q_OBJECT

 public:
  explicit TSelArrowForm(::TSelArrowForm& model, QWidget* parent = nullptr);
  void Refresh() override;

  TRadioGroupView* ArrowGroup() const { return ArrowGroup_; }
  QPushButton* Ok() const { return Ok_; }
  QPushButton* Cancel() const { return Cancel_; }

 private:
  ::TSelArrowForm& Form_;
  TRadioGroupView* ArrowGroup_;
  QPushButton* Ok_;
  QPushButton* Cancel_;
};

}  // namespace view

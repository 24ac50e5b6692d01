#pragma once
// "Выбор направления движения по полосе": the kind of a lane arrow.
#include "ItemDialogView.h"
#include "edit/dialogs/SelArrowFormModel.h"

class TSelArrowForm : public TItemDialogView {
  Q_OBJECT

 public:
  explicit TSelArrowForm(TSelArrowFormModel& model, QWidget* parent = nullptr);
  void Refresh() override;

  TRadioGroupView* ArrowGroup() const { return ArrowGroup_; }
  QPushButton* Ok() const { return Ok_; }
  QPushButton* Cancel() const { return Cancel_; }

 private:
  TSelArrowFormModel& Form_;
  TRadioGroupView* ArrowGroup_;
  QPushButton* Ok_;
  QPushButton* Cancel_;
};


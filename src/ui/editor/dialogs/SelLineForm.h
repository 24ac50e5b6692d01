#pragma once
// "Тип тонкой линии разметки": the kind of a thin lane line.
#include "ItemDialogView.h"
#include "edit/dialogs/SelLineFormModel.h"

class TSelLineForm : public TItemDialogView {
  Q_OBJECT

 public:
  explicit TSelLineForm(TSelLineFormModel& model, QWidget* parent = nullptr);
  void Refresh() override;

  TRadioGroupView* TypeGroup() const { return TypeGroup_; }
  QPushButton* Ok() const { return Ok_; }
  QPushButton* Cancel() const { return Cancel_; }

 private:
  TSelLineFormModel& Form_;
  TRadioGroupView* TypeGroup_;
  QPushButton* Ok_;
  QPushButton* Cancel_;
};


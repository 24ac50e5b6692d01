#pragma once
// "Столб": the pole's type and the text of its label.
#include "ItemDialogView.h"
#include "edit/dialogs/StolbMenuFormModel.h"

class TStolbMenuForm : public TItemDialogView {
  Q_OBJECT

 public:
  explicit TStolbMenuForm(TStolbMenuFormModel& model, QWidget* parent = nullptr);
  void Refresh() override;

  TRadioGroupView* StolbType() const { return StolbType_; }
  QLineEdit* TextField() const { return TextField_; }
  QPushButton* Ok() const { return Ok_; }
  QPushButton* Cancel() const { return Cancel_; }

 private:
  TStolbMenuFormModel& Form_;
  TRadioGroupView* StolbType_;
  QLineEdit* TextField_;
  QPushButton* Ok_;
  QPushButton* Cancel_;
};


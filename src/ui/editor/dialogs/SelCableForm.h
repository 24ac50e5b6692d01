#pragma once
// "Выбор кабеля": the cable type and the texts above and below its label's
// leader (disabled while only the type of the selected cables changes).
#include "ItemDialogView.h"
#include "edit/dialogs/SelCableFormModel.h"

class QLabel;

class TSelCableForm : public TItemDialogView {
  Q_OBJECT

 public:
  explicit TSelCableForm(TSelCableFormModel& model, QWidget* parent = nullptr);
  void Refresh() override;

  TRadioGroupView* typeGroup() const { return TypeGroup_; }
  QLineEdit* TextField() const { return TextField_; }
  QLineEdit* DownTextField() const { return DownTextField_; }
  // "Текст для кабеля:", "Над выноской:", "Под выноской:".
  QLabel* TextLabel(int i) const { return Labels_[i]; }
  QPushButton* Ok() const { return Ok_; }
  QPushButton* Cancel() const { return Cancel_; }

 private:
  TSelCableFormModel& Form_;
  TRadioGroupView* TypeGroup_;
  QLineEdit* TextField_;
  QLineEdit* DownTextField_;
  QLabel* Labels_[3];
  QPushButton* Ok_;
  QPushButton* Cancel_;
};


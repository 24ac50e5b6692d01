#pragma once
// "Выбор знака": eighteen radio buttons, each beside a picture of its sign,
// and the sign's number.
#include <vector>

#include "ItemDialogView.h"
#include "edit/dialogs/SelSignFormModel.h"

class QButtonGroup;
class QLabel;

class TSelSignForm : public TItemDialogView {
  Q_OBJECT

 public:
  explicit TSelSignForm(TSelSignFormModel& model, QWidget* parent = nullptr);
  void Refresh() override;

  // The radio button of a kind, nullptr for an unknown kind.
  QRadioButton* KindButton(int kind) const;
  // The picture beside the radio button of a kind.
  QLabel* KindPicture(int kind) const;
  QLineEdit* textfield() const { return TextField_; }
  QPushButton* Ok() const { return Ok_; }
  QPushButton* Cancel() const { return Cancel_; }

 private:
  TSelSignFormModel& Form_;
  QButtonGroup* Group_;
  std::vector<QRadioButton*> Buttons_;  // by kind, [0] unused
  std::vector<QLabel*> Pictures_;       // by kind, [0] unused
  QLineEdit* TextField_;
  QPushButton* Ok_;
  QPushButton* Cancel_;
};


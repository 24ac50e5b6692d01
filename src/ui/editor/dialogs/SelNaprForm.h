#pragma once
// "Выбор направления движения": the look of the new direction arrow with a
// live preview, and its name.
#include "ItemDialogView.h"
#include "edit/dialogs/SelNaprFormModel.h"

// The preview `ExPlace`: the arrow in the chosen look on the form's colour.
class TNaprPreview : public QWidget {
  Q_OBJECT

 public:
  TNaprPreview(const TSelNaprFormModel& model, QWidget* parent);
  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  const TSelNaprFormModel& Form_;
};

class TSelNaprForm : public TItemDialogView {
  Q_OBJECT

 public:
  explicit TSelNaprForm(TSelNaprFormModel& model, QWidget* parent = nullptr);
  void Refresh() override;

  TNaprPreview* ExPlace() const { return ExPlace_; }
  TRadioGroupView* Oneway() const { return Oneway_; }
  TRadioGroupView* Run() const { return Run_; }
  TRadioGroupView* Dotted() const { return Dotted_; }
  QLineEdit* textfield() const { return TextField_; }
  QPushButton* Ok() const { return Ok_; }
  QPushButton* Cancel() const { return Cancel_; }

 private:
  TSelNaprFormModel& Form_;
  TNaprPreview* ExPlace_;
  TRadioGroupView* Oneway_;
  TRadioGroupView* Run_;
  TRadioGroupView* Dotted_;
  QLineEdit* TextField_;
  QPushButton* Ok_;
  QPushButton* Cancel_;
};


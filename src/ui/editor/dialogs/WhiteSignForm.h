#pragma once
// "Выбор знака" for the sign "Направление главной дороги": the picture of
// the sign whose road stubs the user clicks.
#include "ItemDialogView.h"
#include "edit/dialogs/WhiteSignFormModel.h"

class QLabel;

// The 120 x 120 picture of the sign; a press of any button cycles the cell
// under it.
class TSignArea : public QWidget {
  Q_OBJECT

 public:
  TSignArea(TWhiteSignFormModel& model, QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  TWhiteSignFormModel& Form_;
};

class TWhiteSignForm : public TItemDialogView {
  Q_OBJECT

 public:
  explicit TWhiteSignForm(TWhiteSignFormModel& model, QWidget* parent = nullptr);
  void Refresh() override;

  TSignArea* SignArea() const { return SignArea_; }
  QPushButton* Ok() const { return Ok_; }

 private:
  TSignArea* SignArea_;
  QPushButton* Ok_;
};


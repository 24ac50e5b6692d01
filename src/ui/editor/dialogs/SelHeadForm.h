#pragma once
// "Выбор секции": the head kind beside a picture of each head, the
// direction lists, the arrow of a vehicle head and the label.
#include <array>

#include "ItemDialogView.h"
#include "edit/dialogs/SelHeadFormModel.h"

class QButtonGroup;
class QLabel;

class TSelHeadForm : public TItemDialogView {
  Q_OBJECT

 public:
  explicit TSelHeadForm(TSelHeadFormModel& model, QWidget* parent = nullptr);
  void Refresh() override;

  // 0 `avto`, 1 `ped`, 2 `tram`.
  QRadioButton* KindButton(int kind) const { return Kinds_[static_cast<std::size_t>(kind)]; }
  QLabel* KindPicture(int kind) const { return Pictures_[static_cast<std::size_t>(kind)]; }
  QComboBox* NaprBox() const { return NaprBox_; }
  QComboBox* leftBox() const { return LeftBox_; }
  QComboBox* forbox() const { return ForBox_; }
  QComboBox* rightbox() const { return RightBox_; }
  TRadioGroupView* ArrowGroup() const { return ArrowGroup_; }
  QLineEdit* textfield() const { return TextField_; }
  QPushButton* Ok() const { return Ok_; }
  QPushButton* Cancel() const { return Cancel_; }

 private:
  QComboBox* MakeList(const char* name);
  void DrawPictures();

  TSelHeadFormModel& Form_;
  QButtonGroup* KindGroup_;
  std::array<QRadioButton*, 3> Kinds_{};
  std::array<QLabel*, 3> Pictures_{};
  QComboBox* NaprBox_;
  QComboBox* LeftBox_;
  QComboBox* ForBox_;
  QComboBox* RightBox_;
  TRadioGroupView* ArrowGroup_;
  QLineEdit* TextField_;
  QPushButton* Ok_;
  QPushButton* Cancel_;
  int PictureArrow_ = -1;
};


#pragma once
// "Общая информация  по объекту": the address lines, the comment, the object
// type and the numbers of directions and phases.
#include <QDialog>
#include <memory>

class QButtonGroup;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QRadioButton;
class TInfoFormModel;
class TSVInfo;

class TInfoForm : public QDialog {
  Q_OBJECT

 public:
  explicit TInfoForm(QWidget* parent = nullptr);
  ~TInfoForm() override;

  // Fills the dialog from the information and shows it modally; true when
  // it closed with Ok. The main window then follows the new object type and
  // number of phases.
  bool Execute(TSVInfo& info);
  // After a confirmed opening: whether the signal-plan entries are on, and
  // the number of phases the phase selector offers.
  bool PlanEntriesEnabled() const { return PlanEntries_; }
  int PhaseSelectorCount() const { return Phases_; }

  QLabel* NumLabel() const { return NumLabel_; }
  QLineEdit* first() const { return First_; }
  QLineEdit* Second() const { return Second_; }
  QPlainTextEdit* CommField() const { return Comment_; }
  QLineEdit* Napr() const { return Napr_; }
  QLineEdit* phase() const { return Phase_; }
  QRadioButton* TypeItem(int type) const;

  void OkClick();

 private:
  void Fill();

  std::unique_ptr<TInfoFormModel> Model_;
  QLabel* NumLabel_;
  QLineEdit* First_;
  QLineEdit* Second_;
  QPlainTextEdit* Comment_;
  QButtonGroup* TypeGroup_;
  QLineEdit* Napr_;
  QLineEdit* Phase_;
  QString CommentShown_;
  bool PlanEntries_ = true;
  int Phases_ = 0;
};

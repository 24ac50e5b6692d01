#pragma once
// "Параметры страницы" of the print dialog: the thin window over its model.
#include <QDialog>
#include <array>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QRadioButton;
class QSpinBox;
class TSetPageModel;

// The two groups of margin edits that both page dialogs show, in the order
// left, right, top, bottom, header, footer.
struct TMarginEdits {
  std::array<QLineEdit*, 6> Edits{};
  QGroupBox* Margins = nullptr;
  QGroupBox* Colons = nullptr;
  void Create(QWidget* parent);
  // Puts the cursor into the edit a refused Ok stopped at (-1: none).
  void FocusFaulty(int index);
};

class TSetPageForm : public QDialog {
  Q_OBJECT

 public:
  explicit TSetPageForm(QWidget* parent = nullptr);

  // Shows the model, runs the dialog until Ok is taken or it is cancelled.
  int Execute(TSetPageModel& model);

  TMarginEdits Margins;
  QPlainTextEdit* Title = nullptr;
  QCheckBox* ColorPrint = nullptr;
  QCheckBox* GrayBorder = nullptr;
  QCheckBox* PrintDate = nullptr;
  QGroupBox* Phases = nullptr;
  QRadioButton* OnePhase = nullptr;
  QRadioButton* TwoPhases = nullptr;
  QSpinBox* FirstPhase = nullptr;
  QSpinBox* SecondPhase = nullptr;
  QLabel* SecondLabel = nullptr;

 private:
  void Show(const TSetPageModel& model);
  void Collect(TSetPageModel& model);
  void OkClick();
  TSetPageModel* Model_ = nullptr;
};

#pragma once
// "Выбор СО": the number of the passport to open. Only 1 to 5 letters or
// digits are taken, so what is typed can never name a directory outside the
// database.
#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

class TChooseObjectForm : public QDialog {
  Q_OBJECT

 public:
  explicit TChooseObjectForm(QWidget* parent = nullptr);

  // Runs the dialog; the number typed when confirmed, empty otherwise.
  QString Execute();
  QString Number() const;

  QLineEdit* NumberEdit() const { return Edit_; }
  QPushButton* OkButton() const { return Ok_; }
  QLabel* ErrorLabel() const { return Error_; }

  void accept() override;

 private:
  QLineEdit* Edit_;
  QPushButton* Ok_;
  QLabel* Error_;
};

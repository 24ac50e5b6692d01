#pragma once
// The window shared by the signal-plan tables: the grid over the whole
// width, and under it the row buttons, Ok (the default) and Cancel. Each
// opening fills a fresh dialog model from the passport information; Ok
// stores through the model and closes only when the model took every cell.
#include <QDialog>
#include <QStringList>
#include <memory>
#include <string>

class QHBoxLayout;
class QPushButton;
class TPlanGridForm;
class TPlanGridView;
class TSVInfo;

class TPlanGridDialog : public QDialog {
  Q_OBJECT

 public:
  ~TPlanGridDialog() override;

  // Fills the dialog from the information and shows it modally; true when
  // it closed with Ok (the information then holds the grid).
  bool Execute(TSVInfo& info);

  TPlanGridView* NaprGrid() const { return Grid_; }
  // A button by its caption as shown ("Добавить ", "Ok"), nullptr when none.
  QPushButton* Button(const QString& caption) const;
  // The model of the opening in progress; nullptr while the dialog is closed.
  TPlanGridForm* Model() const { return Model_.get(); }

  void OkClick();
  void RowButtonClick(const QString& caption);

 protected:
  // rowButtons: the captions of the buttons that add and remove rows.
  TPlanGridDialog(QWidget* parent, const QStringList& rowButtons);
  virtual std::unique_ptr<TPlanGridForm> CreateModel(TSVInfo& info) = 0;
  // Mirrors the model's fields beside the grid.
  virtual void ShowFields() {}
  // Puts the cursor into a field beside the grid, by its control name.
  virtual void FocusField(const std::string&) {}
  // The row under the grid, for fields left of the buttons.
  QHBoxLayout* BottomRow() const { return Bottom_; }

  std::unique_ptr<TPlanGridForm> Model_;

 private:
  TPlanGridView* Grid_;
  QHBoxLayout* Bottom_;
  QList<QPushButton*> Buttons_;
};

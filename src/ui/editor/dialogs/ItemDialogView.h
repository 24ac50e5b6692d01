#pragma once
// What the nine item dialogs' windows share: a thin view over a dialog
// model. User actions go to the model; after each one the widgets are set
// from the model again, so the rules live in one place. The buttons, Esc
// and the close box close the dialog with the result the model answers.
#include <QDialog>
#include <QString>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/Dialogs.h"

class QButtonGroup;
class QGroupBox;
class QLineEdit;
class QComboBox;
class QPushButton;
class QRadioButton;
struct TPickList;
struct TRadioGroup;

QString Qs(const std::string& text);
std::string Std(const QString& text);

class TRadioGroupView;

class TItemDialogView : public QDialog {
  Q_OBJECT

 public:
  // `escCancels`: Esc presses the dialog's Cancel; otherwise Esc does nothing.
  TItemDialogView(TDialogModel& model, bool escCancels, QWidget* parent);

  TDialogModel& Model() const { return Model_; }
  // Sets every widget from the model.
  virtual void Refresh() = 0;

 public slots:
  // Closes the dialog by a button when the model lets it.
  void Finish(TDialogButton button);
  void reject() override;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void showEvent(QShowEvent* event) override;

  // A push button that finishes the dialog with `button`.
  QPushButton* MakeButton(const QString& caption, TDialogButton button, bool isDefault);
  // The line edit `name`: its edits go to the model's field of that name.
  QLineEdit* MakeEdit(const char* name);
  // Mirrors a field without moving the cursor of one being typed into.
  static void MirrorEdit(QLineEdit* edit, const std::string& text, bool enabled = true);
  // A radio group of the model shown in this dialog, kept as long as it.
  TRadioGroupView* AddGroup(const char* name, const QString& title, const TRadioGroup& group, int columns);

 private:
  TDialogModel& Model_;
  bool EscCancels_;
  std::vector<std::unique_ptr<TRadioGroupView>> Groups_;
};

// A radio group of the model shown as a group box of radio buttons in
// `columns` columns; a click checks the caption in the model.
class TRadioGroupView {
 public:
  TRadioGroupView(TItemDialogView* dialog, const char* name, const QString& title, const TRadioGroup& group,
                  int columns);
  QGroupBox* Box() const { return Box_; }
  QRadioButton* Button(int i) const { return Buttons_[static_cast<std::size_t>(i)]; }
  int Count() const { return static_cast<int>(Buttons_.size()); }
  void Mirror(const TRadioGroup& group);
  // Called after a click has gone to the model (before the refresh).
  std::function<void()> Clicked;

 private:
  QGroupBox* Box_;
  QButtonGroup* Group_;
  std::vector<QRadioButton*> Buttons_;
};

// Sets a drop-down from a list of the model.
void MirrorList(QComboBox* box, const TPickList& list);


#pragma once
// Shows the scheme editor's item dialogs: each model is shown by the Qt
// dialog of its window class, modally over the owner window, through the
// program's one door for modal dialogs.
#include <memory>

#include "platform/Dialogs.h"

class QDialog;
class QWidget;

class TQtDialogHost : public TDialogHost {
 public:
  explicit TQtDialogHost(QWidget* owner = nullptr) : Owner_(owner) {}

  // Runs the model's dialog and returns the modal result it closed with. A
  // model this host has no dialog for is answered with its Cancel.
  int Execute(TDialogModel& model) override;

  // The dialog that shows `model`, filled from it; nullptr when none does.
  static std::unique_ptr<QDialog> MakeView(TDialogModel& model, QWidget* parent);

 private:
  QWidget* Owner_;
};

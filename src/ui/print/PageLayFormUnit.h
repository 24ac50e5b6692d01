#pragma once
// The default-page dialog "Параметры страницы" of the main menu: the thin
// window over its model.
#include <QDialog>

#include "SetPageUnit.h"

class TIniFile;
class TPageLayModel;

class TPageLayForm : public QDialog {
  Q_OBJECT

 public:
  explicit TPageLayForm(QWidget* parent = nullptr);

  // Fills from config.ini and runs; Ok writes the six texts, or stays open
  // on a faulty one.
  int Execute(TIniFile& config);

  TMarginEdits Margins;

 private:
  // Hands the edits to the model and presses its Ok: true when stored.
  bool TakeEdits();
  void OkClick();
  TPageLayModel* Model_ = nullptr;
  bool Stored_ = false;
};

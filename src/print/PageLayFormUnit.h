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

  // Fills from config.ini, runs, and writes the six texts when confirmed.
  int Execute(TIniFile& config);

  TMarginEdits Margins;
};

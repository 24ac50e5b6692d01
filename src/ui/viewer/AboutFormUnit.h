#pragma once
// "О программе": the program title and its version.
#include <QDialog>

class TAboutForm : public QDialog {
  Q_OBJECT

 public:
  explicit TAboutForm(QWidget* parent = nullptr);
};

#pragma once
// The help window: the program's help page, "help/passport.html" beside the
// program, with its links followed inside the window.
#include <QDialog>

class QTextBrowser;

class THelpWindow : public QDialog {
  Q_OBJECT

 public:
  explicit THelpWindow(QWidget* parent = nullptr);
  // Shows the contents page; false (with a message) when the file is missing.
  bool ShowContents();
  QTextBrowser* Browser() const { return Browser_; }
  static QString HelpFile();

 private:
  QTextBrowser* Browser_;
};

#pragma once
// "Путь к базе данных": whether the database is the program's own Data
// directory or another one, and which.
#include <QDialog>
#include <string>

class QLineEdit;
class QPushButton;
class QRadioButton;
class TIniFile;
class TPathForm;

class TDataPathForm : public QDialog {
  Q_OBJECT

 public:
  explicit TDataPathForm(QWidget* parent = nullptr);

  // Fills the dialog from [DataBase] of the configuration and runs it. "Ok"
  // on a directory that is no usable database says so and shows the dialog
  // again; on a usable one it writes DataBaseDir and LocalData back. True
  // when confirmed, false when cancelled (the configuration untouched).
  bool Execute(TIniFile& config);

  QRadioButton* LocalButton() const { return Local_; }
  QRadioButton* OtherButton() const { return Other_; }
  QLineEdit* DirEdit() const { return Edit_; }
  QPushButton* BrowseButton() const { return Browse_; }
  // The browser, created on first use.
  TPathForm* Browser();

 private:
  void RadioClick();
  void BrowseClick();

  QRadioButton* Local_;
  QRadioButton* Other_;
  QLineEdit* Edit_;
  QPushButton* Browse_;
  TPathForm* Browser_ = nullptr;
  // The database in use when the dialog opened, where "Обзор" starts.
  std::string Current_;
};

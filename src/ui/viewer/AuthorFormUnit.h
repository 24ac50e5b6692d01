#pragma once
// "Автор изменений": the name and the e-mail every version of a passport is
// recorded under. A thin view of TAuthorForm.
#include <QDialog>
#include <optional>

#include "history/AuthorForm.h"

class QLineEdit;
class QPushButton;
class TIniFile;

class TAuthorDialog : public QDialog {
  Q_OBJECT

 public:
  explicit TAuthorDialog(QWidget* parent = nullptr);

  // Fills the fields from config.ini and runs the dialog until the user
  // cancels or gives an author git can record, which is then written to
  // config.ini. Gives that author, or nothing when cancelled or when
  // config.ini could not be written (the user was told which file).
  std::optional<TAuthor> Execute(TIniFile& config);

  QLineEdit* NameEdit() const { return Name_; }
  QLineEdit* EmailEdit() const { return Email_; }
  QPushButton* OkButton() const { return Ok_; }

 private:
  TAuthorForm Form_;
  QLineEdit* Name_;
  QLineEdit* Email_;
  QPushButton* Ok_;
};

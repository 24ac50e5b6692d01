#pragma once
// "Сравнение паспортов": the passport open in the viewer against another
// one of the database (or any passport folder), its differences marked.
#include <QWidget>
#include <string>

class QComboBox;
class QLabel;
class QPushButton;
class TComparePanel;

class TCompareForm : public QWidget {
  Q_OBJECT

 public:
  explicit TCompareForm(QWidget* parent = nullptr);

  // The passport open now (its directory) and the database it is in: the
  // list offers the database's other passports.
  void Load(const std::string& database, const std::string& passportDir);
  // Compares with the passport in `dir`; false (with the reason shown in
  // the window) when it cannot be read.
  bool CompareWith(const std::string& dir);

  TComparePanel* Panel() const { return Panel_; }
  QComboBox* Choice() const { return Choice_; }

 private:
  void ChoiceChanged(int index);
  void FolderClick();

  std::string Database_;
  std::string Passport_;
  QComboBox* Choice_;
  QPushButton* Folder_;
  QLabel* Sides_;
  TComparePanel* Panel_;
};

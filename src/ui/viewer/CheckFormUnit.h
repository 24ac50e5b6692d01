#pragma once
// "Проверка паспорта": the inconsistencies the check finds in the passport
// shown, one per row. Double-clicking a row selects the items it concerns and
// centres them in the part of the map this window leaves in view, framed;
// a finding about a phase shows that phase.
#include <QDialog>
#include <string>
#include <vector>

#include "check/Finding.h"

class QLabel;
class QTableWidget;
class TMainForm;

class TCheckForm : public QDialog {
  Q_OBJECT

 public:
  explicit TCheckForm(TMainForm* main);

  // Checks the passport the main window holds now and shows the findings.
  void Refresh();
  const std::vector<TFinding>& Findings() const { return Findings_; }
  QTableWidget* List() const { return List_; }
  QLabel* Summary() const { return Summary_; }

  // What a double-click on row `row` does.
  void ListDoubleClick(int row);
  // The part of the map (its pixels) that this window does not cover.
  QRect UncoveredMap() const;

 protected:
  void hideEvent(QHideEvent* event) override;

 private:
  TMainForm* Main_;
  QTableWidget* List_;
  QLabel* Summary_;
  std::vector<TFinding> Findings_;
  // The passport the findings are about: another one opened since is checked
  // anew before a row is followed.
  std::string CheckedDir_;
};

#pragma once
// "История паспорта": the versions of the open passport, newest first, with
// their date, author and summary; the chosen one compared with the working
// folder (its differences marked on the scheme and listed as a table), and
// "Восстановить эту версию".
#include <QWidget>
#include <functional>
#include <string>
#include <vector>

#include "history/History.h"

class QLabel;
class QPushButton;
class QTableWidget;
class TComparePanel;

class THistoryForm : public QWidget {
  Q_OBJECT

 public:
  // Restores version `rev` of the passport shown; false when it could not
  // (the restorer has said why).
  using TRestorer = std::function<bool(const std::string& rev)>;

  explicit THistoryForm(QWidget* parent = nullptr);

  // Lists the versions of passport `id` of the versioned database
  // `database`; nothing is chosen yet. False, with the reason shown in the
  // window, when the history cannot be read.
  bool Load(const std::string& database, const std::string& id);
  // Chooses the version in `row` of the list (0: the newest).
  void ChooseVersion(int row);
  void SetRestorer(TRestorer restorer) { Restorer_ = std::move(restorer); }

  const std::vector<TPassportVersion>& Versions() const { return Versions_; }
  QTableWidget* VersionList() const { return List_; }
  TComparePanel* Panel() const { return Panel_; }
  QPushButton* RestoreButton() const { return Restore_; }

  // "13.05.2026 14:07" from ISO 8601; the text as it is when it is none.
  static QString DateText(const std::string& iso);

 private:
  void VersionListCurrentRowChanged();
  void RestoreClick();
  void FillList();

  std::string Database_;
  std::string Id_;
  std::vector<TPassportVersion> Versions_;
  TRestorer Restorer_;
  QLabel* Title_;
  QTableWidget* List_;
  QPushButton* Restore_;
  TComparePanel* Panel_;
};

#pragma once
// "База светофорных объектов": every passport of the database in one table
// (number, address, object type, phases, directions, items, last change,
// findings of the check), read in the background so the window answers at
// once, sortable by any column and searchable by number and address. Enter
// or a double-click opens the passport in the main window.
#include <QDialog>
#include <atomic>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "check/PassportSummary.h"

class QLabel;
class QLineEdit;
class QProgressBar;
class QSortFilterProxyModel;
class QStandardItemModel;
class QTableView;

class TDatabaseForm : public QDialog {
  Q_OBJECT

 public:
  enum TColumn { ColNumber, ColAddress, ColType, ColPhases, ColDirections, ColItems, ColChange, ColErrors,
                 ColWarnings, ColumnCount };

  explicit TDatabaseForm(QWidget* parent = nullptr);
  ~TDatabaseForm() override;

  // Where Enter or a double-click sends the passport number.
  void SetOpenHandler(std::function<void(const QString&)> handler) { Open_ = std::move(handler); }
  // Lists the database anew; the rows come in while the passports are read.
  void Load(const std::string& databaseDir);
  bool Loading() const { return Worker_.joinable() && !Done_; }
  // Waits for the reading to end (for scripts and tests).
  void WaitLoaded();

  QLineEdit* Search() const { return Search_; }
  QTableView* Table() const { return Table_; }
  QProgressBar* Progress() const { return Progress_; }
  QSortFilterProxyModel* Rows() const { return Proxy_; }

  // The number in row `row` of the table as shown (sorted and filtered).
  QString NumberAt(int row) const;
  void TableActivate(int row);
  void SearchReturn();

 private:
  void StopWorker();
  void AddRows(const std::vector<TPassportSummary>& rows, int done, int total);

  std::function<void(const QString&)> Open_;
  QLineEdit* Search_;
  QTableView* Table_;
  QProgressBar* Progress_;
  QLabel* Status_;
  QStandardItemModel* Model_;
  QSortFilterProxyModel* Proxy_;
  std::thread Worker_;
  std::atomic<bool> Stop_{false};
  std::atomic<bool> Done_{false};
  int Generation_ = 0;
};

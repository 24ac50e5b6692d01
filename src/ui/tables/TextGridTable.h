#pragma once
// A free-text grid of a table dialog model shown in a QTableView: the
// header captions and column widths of the grid, an editor always open on
// the current cell, Tab moving between cells, and every keystroke handed to
// the model at once, so Ok never misses the text still being typed.
#include <QAbstractTableModel>
#include <QTableView>
#include <functional>

class TDialogModel;
class TTextGrid;

class TTextGridTable : public QAbstractTableModel {
  Q_OBJECT

 public:
  explicit TTextGridTable(QObject* parent = nullptr) : QAbstractTableModel(parent) {}

  // The grid to show and the dialog model its edits go to; both must live
  // while they are shown.
  void Show(const TTextGrid* grid, TDialogModel* model);
  // After rows were added or removed by the model.
  void Reload();

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  bool setData(const QModelIndex& index, const QVariant& value, int role) override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;

 private:
  const TTextGrid* Grid_ = nullptr;
  TDialogModel* Model_ = nullptr;
};

// The string grid of a table dialog.
class TTextGridView : public QTableView {
  Q_OBJECT

 public:
  explicit TTextGridView(QWidget* parent = nullptr);

  TTextGridTable* Table() const { return Table_; }
  // Shows the grid with its column widths and puts the current cell on the
  // model's selected row.
  void Show(const TTextGrid& grid, TDialogModel& model);
  // After a button changed the rows: the rows again, the current cell on
  // the model's selected row.
  void RowsChanged();
  // Lets go of the grid and its model when the dialog closes.
  void Detach();

  QSize sizeHint() const override;

 protected:
  // The editor is open on the current cell from the moment the grid shows.
  void showEvent(QShowEvent* event) override;

 private:
  void FollowSelection(int column);
  // The column's width on screen.
  int ColumnPixels(int column) const;

  TTextGridTable* Table_;
  const TTextGrid* Grid_ = nullptr;
  TDialogModel* Model_ = nullptr;
};

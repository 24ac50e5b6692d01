#pragma once
// The string grid of the table dialogs: a table view over a dialog model's
// grid. Tab moves from cell to cell, the current cell always shows its
// editor, and every key typed reaches the model at once, so its cell-edit
// rule acts while the user types.
#include <QAbstractTableModel>
#include <QStyledItemDelegate>
#include <QTableView>

class TPlanGridForm;

// The dialog model's grid as Qt sees it.
class TPlanGridAdapter : public QAbstractTableModel {
  Q_OBJECT

 public:
  using QAbstractTableModel::QAbstractTableModel;

  // The model of this opening of the dialog (nullptr while closed).
  void SetForm(TPlanGridForm* form);
  // Everything again from the dialog model, after rows were added or removed.
  void Refresh();
  // Hands the open editor's text to the model and closes it, before a button
  // changes the rows under it.
  void FinishEdit();

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;
  bool setData(const QModelIndex& index, const QVariant& value, int role) override;

 private:
  TPlanGridForm* Form_ = nullptr;
};

// Hands every change of the editor's text to the model at once.
class TPlanCellDelegate : public QStyledItemDelegate {
  Q_OBJECT

 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
  // Leaves the editor alone while it already shows the text, so the caret
  // stays where the user types.
  void setEditorData(QWidget* editor, const QModelIndex& index) const override;
};

class TPlanGridView : public QTableView {
  Q_OBJECT

 public:
  explicit TPlanGridView(QWidget* parent = nullptr);

  // Shows the dialog model's grid: its columns and widths, its rows, the
  // selection on its selected row and the editor open there.
  void Show(TPlanGridForm& form);
  // After a row button: the rows again, the selection where the model has it.
  void Refresh();
  // Hands the open editor's text to the model and closes it, before a button
  // changes the rows under it.
  void FinishEdit();
  void Release();
  // Makes the cell (data row from 1, column from 0) current with its editor
  // open and focused, the text selected so that typing replaces it.
  void FocusCell(int row, int column);

  TPlanGridAdapter& Adapter() { return Adapter_; }
  QSize sizeHint() const override;

 private:
  void CurrentChanged(const QModelIndex& current);
  void PlaceCurrent();

  TPlanGridAdapter Adapter_;
  TPlanCellDelegate Delegate_;
  TPlanGridForm* Form_ = nullptr;
};

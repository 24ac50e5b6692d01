#include "TextGridTable.h"

#include <QHeaderView>
#include <algorithm>
#include <QLineEdit>
#include <QStyledItemDelegate>

#include "platform/Dialogs.h"
#include "tables/TextGrid.h"

namespace {

// Hands every change of the cell editor's text to the model, not only when
// the editor closes.
class TLiveCellDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
    if (auto* line = qobject_cast<QLineEdit*>(editor)) {
      auto* self = const_cast<TLiveCellDelegate*>(this);
      connect(line, &QLineEdit::textEdited, self, [self, line] { emit self->commitData(line); });
    }
    return editor;
  }
};

}  // namespace

void TTextGridTable::Show(const TTextGrid* grid, TDialogModel* model) {
  beginResetModel();
  Grid_ = grid;
  Model_ = model;
  endResetModel();
}

void TTextGridTable::Reload() {
  beginResetModel();
  endResetModel();
}

int TTextGridTable::rowCount(const QModelIndex& parent) const {
  return parent.isValid() || !Grid_ ? 0 : Grid_->RowCount();
}

int TTextGridTable::columnCount(const QModelIndex& parent) const {
  return parent.isValid() || !Grid_ ? 0 : Grid_->ColumnCount();
}

QVariant TTextGridTable::data(const QModelIndex& index, int role) const {
  if (!Grid_ || !index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole)) return {};
  return QString::fromStdString(Grid_->Cell(index.row() + 1, index.column()));
}

bool TTextGridTable::setData(const QModelIndex& index, const QVariant& value, int role) {
  if (!Model_ || !index.isValid() || role != Qt::EditRole) return false;
  if (!Model_->SetCell(index.row() + 1, index.column(), value.toString().toStdString())) return false;
  emit dataChanged(index, index, {Qt::DisplayRole, Qt::EditRole});
  return true;
}

QVariant TTextGridTable::headerData(int section, Qt::Orientation orientation, int role) const {
  if (!Grid_ || role != Qt::DisplayRole) return {};
  if (orientation == Qt::Horizontal && section >= 0 && section < Grid_->ColumnCount())
    return QString::fromStdString(Grid_->Column(section).Caption);
  return {};
}

Qt::ItemFlags TTextGridTable::flags(const QModelIndex& index) const {
  if (!index.isValid()) return Qt::NoItemFlags;
  return Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemIsEditable;
}

TTextGridView::TTextGridView(QWidget* parent) : QTableView(parent), Table_(new TTextGridTable(this)) {
  setModel(Table_);
  setItemDelegate(new TLiveCellDelegate(this));
  // The editor opens on whichever cell becomes current; Tab moves on.
  setEditTriggers(QAbstractItemView::AllEditTriggers);
  setTabKeyNavigation(true);
  setSelectionMode(QAbstractItemView::ContiguousSelection);
  verticalHeader()->hide();
  verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  verticalHeader()->setDefaultSectionSize(20);
  horizontalHeader()->setHighlightSections(false);
  horizontalHeader()->setStretchLastSection(true);
  connect(selectionModel(), &QItemSelectionModel::currentRowChanged, this, [this](const QModelIndex& current) {
    if (Model_ && current.isValid()) Model_->SelectRow(current.row() + 1);
  });
}

void TTextGridView::Show(const TTextGrid& grid, TDialogModel& model) {
  Grid_ = &grid;
  Model_ = &model;
  Table_->Show(&grid, &model);
  for (int c = 0; c < grid.ColumnCount(); ++c) setColumnWidth(c, ColumnPixels(c));
  FollowSelection(0);
  updateGeometry();
}

void TTextGridView::Detach() {
  Grid_ = nullptr;
  Model_ = nullptr;
  Table_->Show(nullptr, nullptr);
}

void TTextGridView::RowsChanged() {
  const int column = currentIndex().isValid() ? currentIndex().column() : 0;
  Table_->Reload();
  FollowSelection(column);
}

void TTextGridView::FollowSelection(int column) {
  if (!Grid_ || Grid_->Selected() < 1) return;
  setCurrentIndex(Table_->index(Grid_->Selected() - 1, column));
}

void TTextGridView::showEvent(QShowEvent* event) {
  QTableView::showEvent(event);
  if (currentIndex().isValid()) edit(currentIndex());
}

int TTextGridView::ColumnPixels(int column) const {
  // The widths were laid out for a font in which a change-log date just
  // fits its 64 pixels; a larger font widens every column alike, and a
  // caption is never cut.
  const double scale = std::max(1.0, (fontMetrics().horizontalAdvance(QStringLiteral("05.03.2024 г.")) + 8) / 64.0);
  const QString caption = QString::fromStdString(Grid_->Column(column).Caption);
  const int captionWidth = horizontalHeader()->fontMetrics().horizontalAdvance(caption) + 12;
  return std::max(static_cast<int>(Grid_->Column(column).Width * scale + 0.5), captionWidth);
}

QSize TTextGridView::sizeHint() const {
  int width = frameWidth() * 2;
  if (Grid_)
    for (int c = 0; c < Grid_->ColumnCount(); ++c) width += ColumnPixels(c);
  return {width + 4, 10 * 20 + horizontalHeader()->sizeHint().height() + frameWidth() * 2};
}

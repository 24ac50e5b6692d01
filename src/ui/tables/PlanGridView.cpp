#include "PlanGridView.h"

#include <QHeaderView>
#include <algorithm>
#include <QLineEdit>
#include <QScrollBar>

#include "tables/PlanGridForm.h"

namespace {
constexpr int kRowHeight = 20;
// Rows the grid is laid out for before it scrolls.
constexpr int kShownRows = 12;
// Room beside a caption in its header section.
constexpr int kHeaderMargins = 12;
}  // namespace

void TPlanGridAdapter::SetForm(TPlanGridForm* form) {
  beginResetModel();
  Form_ = form;
  endResetModel();
}

void TPlanGridAdapter::Refresh() {
  beginResetModel();
  endResetModel();
}

int TPlanGridAdapter::rowCount(const QModelIndex& parent) const {
  return parent.isValid() || !Form_ ? 0 : Form_->Grid().RowCount();
}

int TPlanGridAdapter::columnCount(const QModelIndex& parent) const {
  return parent.isValid() || !Form_ ? 0 : Form_->Grid().ColumnCount();
}

QVariant TPlanGridAdapter::data(const QModelIndex& index, int role) const {
  if (!Form_ || !index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole)) return QVariant();
  return QString::fromStdString(Form_->Grid().Cell(index.row() + 1, index.column()));
}

QVariant TPlanGridAdapter::headerData(int section, Qt::Orientation orientation, int role) const {
  if (!Form_ || role != Qt::DisplayRole || orientation != Qt::Horizontal) return QVariant();
  if (section < 0 || section >= Form_->Grid().ColumnCount()) return QVariant();
  return QString::fromStdString(Form_->Grid().Column(section).Caption);
}

Qt::ItemFlags TPlanGridAdapter::flags(const QModelIndex& index) const {
  if (!index.isValid()) return Qt::NoItemFlags;
  return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable;
}

bool TPlanGridAdapter::setData(const QModelIndex& index, const QVariant& value, int role) {
  if (!Form_ || !index.isValid() || role != Qt::EditRole) return false;
  if (!Form_->SetCell(index.row() + 1, index.column(), value.toString().toStdString())) return false;
  // The cell-edit rule may have changed other cells of the row.
  emit dataChanged(this->index(index.row(), 0), this->index(index.row(), columnCount() - 1));
  return true;
}

QWidget* TPlanCellDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                         const QModelIndex& index) const {
  QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
  if (auto* line = qobject_cast<QLineEdit*>(editor)) {
    auto* self = const_cast<TPlanCellDelegate*>(this);
    connect(line, &QLineEdit::textEdited, self, [self, line] { emit self->commitData(line); });
  }
  return editor;
}

void TPlanCellDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
  if (auto* line = qobject_cast<QLineEdit*>(editor))
    if (line->text() == index.data(Qt::EditRole).toString()) return;
  QStyledItemDelegate::setEditorData(editor, index);
}

TPlanGridView::TPlanGridView(QWidget* parent) : QTableView(parent) {
  setObjectName(QStringLiteral("NaprGrid"));
  setModel(&Adapter_);
  setItemDelegate(&Delegate_);
  verticalHeader()->hide();
  verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  verticalHeader()->setDefaultSectionSize(kRowHeight);
  horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
  horizontalHeader()->setHighlightSections(false);
  setTabKeyNavigation(true);
  setEditTriggers(QAbstractItemView::AllEditTriggers);
  setSelectionBehavior(QAbstractItemView::SelectItems);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
  connect(selectionModel(), &QItemSelectionModel::currentChanged, this,
          [this](const QModelIndex& current) { CurrentChanged(current); });
}

void TPlanGridView::Show(TPlanGridForm& form) {
  Form_ = &form;
  setSelectionMode(form.RangeSelection() ? QAbstractItemView::ContiguousSelection
                                         : QAbstractItemView::SingleSelection);
  Adapter_.SetForm(&form);
  // The columns keep their widths unless the caption does not fit in them
  // with this font: a header cut in half cannot be read.
  const QFontMetrics header = horizontalHeader()->fontMetrics();
  for (int c = 0; c < form.Grid().ColumnCount(); ++c) {
    const TPlanColumn& column = form.Grid().Column(c);
    const int caption = header.horizontalAdvance(QString::fromStdString(column.Caption)) + kHeaderMargins;
    setColumnWidth(c, std::max(column.Width, caption));
  }
  updateGeometry();
  PlaceCurrent();
}

void TPlanGridView::Refresh() {
  if (!Form_) return;
  Adapter_.Refresh();
  PlaceCurrent();
}

void TPlanGridView::FinishEdit() {
  QWidget* editor = indexWidget(currentIndex());
  if (!editor) return;
  commitData(editor);
  closeEditor(editor, QAbstractItemDelegate::NoHint);
}

void TPlanGridView::FocusCell(int row, int column) {
  const QModelIndex index = Adapter_.index(row - 1, column);
  if (!index.isValid()) return;
  setFocus();
  selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
  scrollTo(index);
  if (!indexWidget(index)) edit(index);
  if (auto* line = qobject_cast<QLineEdit*>(indexWidget(index))) {
    line->setFocus();
    line->selectAll();
  }
}

void TPlanGridView::Release() {
  Form_ = nullptr;
  Adapter_.SetForm(nullptr);
}

void TPlanGridView::PlaceCurrent() {
  const int row = Form_ ? Form_->Grid().Selected() : 0;
  if (row < 1) return;
  const int col = currentIndex().isValid() ? currentIndex().column() : 0;
  const QModelIndex index = Adapter_.index(row - 1, col);
  selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
  // Making a cell current opens its editor, unless it was current already.
  if (!indexWidget(index)) edit(index);
}

void TPlanGridView::CurrentChanged(const QModelIndex& current) {
  if (Form_ && current.isValid()) Form_->SelectRow(current.row() + 1);
}

QSize TPlanGridView::sizeHint() const {
  int width = 2 * frameWidth() + verticalScrollBar()->sizeHint().width();
  for (int c = 0; c < Adapter_.columnCount(); ++c) width += columnWidth(c);
  const int height = 2 * frameWidth() + horizontalHeader()->sizeHint().height() + kShownRows * kRowHeight;
  return QSize(width, height);
}

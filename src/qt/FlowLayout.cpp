#include "FlowLayout.h"

#include <QStyle>
#include <QWidget>
#include <algorithm>

TFlowLayout::~TFlowLayout() {
  while (QLayoutItem* item = takeAt(0)) delete item;
}

QLayoutItem* TFlowLayout::takeAt(int index) {
  return index >= 0 && index < Items_.size() ? Items_.takeAt(index) : nullptr;
}

QSize TFlowLayout::minimumSize() const {
  // The widest single control: anything narrower than that cannot wrap.
  QSize size;
  for (const QLayoutItem* item : Items_) size = size.expandedTo(item->minimumSize());
  const QMargins m = contentsMargins();
  return size + QSize(m.left() + m.right(), m.top() + m.bottom());
}

QSize TFlowLayout::sizeHint() const {
  // Everything in one row.
  int width = 0, height = 0;
  const int gap = spacing() >= 0 ? spacing() : 6;
  for (const QLayoutItem* item : Items_) {
    const QSize s = item->sizeHint();
    width += (width > 0 ? gap : 0) + s.width();
    height = std::max(height, s.height());
  }
  const QMargins m = contentsMargins();
  return QSize(width + m.left() + m.right(), height + m.top() + m.bottom());
}

void TFlowLayout::setGeometry(const QRect& rect) {
  QLayout::setGeometry(rect);
  Arrange(rect, true);
}

int TFlowLayout::Arrange(const QRect& rect, bool place) const {
  const QMargins m = contentsMargins();
  const QRect area = rect.marginsRemoved(m);
  const int gap = spacing() >= 0 ? spacing() : 6;
  int x = area.x(), y = area.y(), rowHeight = 0;
  // Items of a row share its height and are centred in it, as in a tool bar.
  QList<QLayoutItem*> row;
  const auto placeRow = [&] {
    if (!place) return;
    for (QLayoutItem* item : row) {
      const QSize s = item->sizeHint();
      const QRect g = item->geometry();
      item->setGeometry(QRect(QPoint(g.x(), y + (rowHeight - s.height()) / 2), s));
    }
  };
  for (QLayoutItem* item : Items_) {
    if (item->isEmpty()) continue;
    const QSize s = item->sizeHint();
    if (x > area.x() && x + s.width() > area.right() + 1) {
      placeRow();
      row.clear();
      x = area.x();
      y += rowHeight + gap;
      rowHeight = 0;
    }
    if (place) item->setGeometry(QRect(QPoint(x, y), s));
    row.append(item);
    x += s.width() + gap;
    rowHeight = std::max(rowHeight, s.height());
  }
  placeRow();
  return y + rowHeight - rect.y() + m.bottom();
}

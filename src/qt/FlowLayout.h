#pragma once
// A row of controls that wraps onto further rows when the window is too
// narrow for it, so a tool bar stays whole on a small screen instead of
// having its captions cut.
#include <QLayout>
#include <QList>

class TFlowLayout : public QLayout {
 public:
  explicit TFlowLayout(QWidget* parent = nullptr) : QLayout(parent) {}
  ~TFlowLayout() override;

  void addItem(QLayoutItem* item) override { Items_.append(item); }
  int count() const override { return static_cast<int>(Items_.size()); }
  QLayoutItem* itemAt(int index) const override { return Items_.value(index); }
  QLayoutItem* takeAt(int index) override;
  Qt::Orientations expandingDirections() const override { return {}; }
  bool hasHeightForWidth() const override { return true; }
  int heightForWidth(int width) const override { return Arrange(QRect(0, 0, width, 0), false); }
  QSize minimumSize() const override;
  QSize sizeHint() const override;
  void setGeometry(const QRect& rect) override;

 private:
  // Places the items row by row within `rect` (or only measures); returns
  // the height used.
  int Arrange(const QRect& rect, bool place) const;

  QList<QLayoutItem*> Items_;
};

#pragma once
// The editor's top panel: one button per tool in one exclusive group, in the
// order of the session's tool table, and apart from them the button that
// hides and shows the base image.
#include <QWidget>
#include <vector>

class QAbstractButton;
class QButtonGroup;
class QToolButton;

class TEditToolBar : public QWidget {
  Q_OBJECT

 public:
  explicit TEditToolBar(QWidget* parent = nullptr);

  // The tool buttons; a button's id in the group is its index in the table.
  QButtonGroup* Group() const { return Group_; }
  QAbstractButton* Button(int index) const;
  int Count() const { return static_cast<int>(Buttons_.size()); }
  // The button with that hint, nullptr when there is none.
  QAbstractButton* ButtonByHint(const QString& hint) const;
  // "Спрятать/показать основу".
  QToolButton* BaseButton() const { return BaseButton_; }

  // Presses the button of the tool without running its click.
  void CheckSilently(int index);

 private:
  QButtonGroup* Group_;
  std::vector<QToolButton*> Buttons_;
  QToolButton* BaseButton_;
};

// The icon file (under icons/) of the tool with that hint, empty when none.
QString ToolIconName(const QString& hint);
// A small tool button with the icon, or the text where the icon is missing.
QToolButton* MakeEditButton(QWidget* parent, const QString& icon, const QString& text, const QString& hint,
                            bool checkable);

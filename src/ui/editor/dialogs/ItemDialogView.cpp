#include "ItemDialogView.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>

#include "edit/dialogs/DialogControls.h"

QString Qs(const std::string& text) { return QString::fromUtf8(text.data(), static_cast<int>(text.size())); }

std::string Std(const QString& text) { return text.toUtf8().toStdString(); }

TItemDialogView::TItemDialogView(TDialogModel& model, bool escCancels, QWidget* parent)
    : QDialog(parent), Model_(model), EscCancels_(escCancels) {
  setObjectName(QString::fromLatin1(model.FormName()));
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);
}

void TItemDialogView::Finish(TDialogButton button) {
  const int result = Model_.Press(button);
  Refresh();
  if (result != mrNone) done(result);
}

// Everything that would close the dialog without one of its buttons is the
// close box.
void TItemDialogView::reject() { Finish(TDialogButton::Close); }

void TItemDialogView::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
    if (EscCancels_) Finish(TDialogButton::Cancel);
    event->accept();
    return;
  }
  QDialog::keyPressEvent(event);
}

void TItemDialogView::closeEvent(QCloseEvent* event) {
  if (isVisible()) {
    const int result = Model_.Press(TDialogButton::Close);
    Refresh();
    if (result == mrNone) {
      event->ignore();
      return;
    }
    done(result);
  }
  event->accept();
}

void TItemDialogView::showEvent(QShowEvent* event) {
  Refresh();
  QDialog::showEvent(event);
}

QPushButton* TItemDialogView::MakeButton(const QString& caption, TDialogButton button, bool isDefault) {
  auto* b = new QPushButton(caption, this);
  b->setAutoDefault(isDefault);
  b->setDefault(isDefault);
  connect(b, &QPushButton::clicked, this, [this, button] { Finish(button); });
  return b;
}

QLineEdit* TItemDialogView::MakeEdit(const char* name) {
  auto* edit = new QLineEdit(this);
  edit->setObjectName(QString::fromLatin1(name));
  const std::string control = name;
  connect(edit, &QLineEdit::textChanged, this, [this, control](const QString& text) {
    Model_.SetText(control, Std(text));
    Refresh();
  });
  return edit;
}

void TItemDialogView::MirrorEdit(QLineEdit* edit, const std::string& text, bool enabled) {
  const QSignalBlocker block(edit);
  if (edit->text() != Qs(text)) edit->setText(Qs(text));
  edit->setEnabled(enabled);
}

TRadioGroupView::TRadioGroupView(TItemDialogView* dialog, const char* name, const QString& title,
                                 const TRadioGroup& group, int columns)
    : Box_(new QGroupBox(title, dialog)), Group_(new QButtonGroup(Box_)) {
  Box_->setObjectName(QString::fromLatin1(name));
  auto* grid = new QGridLayout(Box_);
  const int n = static_cast<int>(group.Items.size());
  const int rows = (n + columns - 1) / columns;
  for (int i = 0; i < n; ++i) {
    auto* button = new QRadioButton(Qs(group.Items[static_cast<std::size_t>(i)]), Box_);
    Group_->addButton(button, i);
    // Items run down the first column, then down the next.
    grid->addWidget(button, i % rows, i / rows);
    Buttons_.push_back(button);
  }
  QObject::connect(Group_, &QButtonGroup::idToggled, dialog, [this, dialog](int id, bool checked) {
    if (!checked) return;
    dialog->Model().Check(Std(Buttons_[static_cast<std::size_t>(id)]->text()));
    if (Clicked) Clicked();
    dialog->Refresh();
  });
}

void TRadioGroupView::Mirror(const TRadioGroup& group) {
  const QSignalBlocker block(Group_);
  // An exclusive group cannot be emptied one button at a time.
  Group_->setExclusive(false);
  for (int i = 0; i < Count(); ++i) Buttons_[static_cast<std::size_t>(i)]->setChecked(i == group.Index);
  Group_->setExclusive(true);
  Box_->setEnabled(group.Enabled);
}

void MirrorList(QComboBox* box, const TPickList& list) {
  const QSignalBlocker block(box);
  QStringList items;
  for (const std::string& item : list.Items) items << Qs(item);
  QStringList shown;
  for (int i = 0; i < box->count(); ++i) shown << box->itemText(i);
  if (shown != items) {
    box->clear();
    box->addItems(items);
  }
  box->setCurrentIndex(list.Index);
  box->setEnabled(list.Enabled);
}

TRadioGroupView* TItemDialogView::AddGroup(const char* name, const QString& title, const TRadioGroup& group,
                                           int columns) {
  Groups_.push_back(std::make_unique<TRadioGroupView>(this, name, title, group, columns));
  return Groups_.back().get();
}

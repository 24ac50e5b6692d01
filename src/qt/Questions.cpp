#include "Questions.h"

#include <QAbstractButton>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>

#include "Modal.h"

int AskSaveYesNoCancel(QWidget* parent, const QString& title, const QString& text, QString* comment) {
  QMessageBox box(QMessageBox::Question, title, text, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                  parent);
  box.button(QMessageBox::Yes)->setText(QStringLiteral("Да"));
  box.button(QMessageBox::No)->setText(QStringLiteral("Нет"));
  box.button(QMessageBox::Cancel)->setText(QStringLiteral("Отмена"));
  box.setDefaultButton(QMessageBox::Yes);
  box.setEscapeButton(QMessageBox::Cancel);
  QLineEdit* edit = nullptr;
  if (comment) {
    // Between the question's text and the buttons, in the text's column of
    // the box's own grid, so the buttons stay where the engineer expects them.
    auto* grid = qobject_cast<QGridLayout*>(box.layout());
    auto* buttons = box.findChild<QDialogButtonBox*>();
    auto* question = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
    const int at = grid && buttons ? grid->indexOf(buttons) : -1;
    const int textAt = grid && question ? grid->indexOf(question) : -1;
    if (at >= 0 && textAt >= 0) {
      int row = 0, col = 0, rows = 0, cols = 0, textRow = 0, textCol = 0;
      grid->getItemPosition(at, &row, &col, &rows, &cols);
      grid->getItemPosition(textAt, &textRow, &textCol, &rows, &rows);
      grid->removeWidget(buttons);
      auto* label = new QLabel(QStringLiteral("Комментарий к версии (необязательно):"), &box);
      edit = new QLineEdit(*comment, &box);
      edit->setObjectName(QStringLiteral("VersionCommentEdit"));
      edit->setMinimumWidth(edit->fontMetrics().averageCharWidth() * 40);
      label->setBuddy(edit);
      grid->addWidget(label, row, textCol);
      grid->addWidget(edit, row + 1, textCol);
      grid->addWidget(buttons, row + 2, col, 1, cols);
      edit->setFocus();
    }
  }
  const int answer = ExecModal(box);
  if (answer == QMessageBox::Yes && comment && edit) *comment = edit->text().trimmed();
  return answer == QMessageBox::Yes || answer == QMessageBox::No ? answer : int(QMessageBox::Cancel);
}

namespace {

// A question answered "Да" or "Нет"; Esc and the close box answer "Нет".
bool AskDaNet(QWidget* parent, QMessageBox::Icon icon, const QString& title, const QString& text, bool yesFirst) {
  QMessageBox box(icon, title, text, QMessageBox::Yes | QMessageBox::No, parent);
  box.button(QMessageBox::Yes)->setText(QStringLiteral("Да"));
  box.button(QMessageBox::No)->setText(QStringLiteral("Нет"));
  box.setDefaultButton(yesFirst ? QMessageBox::Yes : QMessageBox::No);
  box.setEscapeButton(QMessageBox::No);
  return ExecModal(box) == QMessageBox::Yes;
}

}  // namespace

bool AskReplace(QWidget* parent, const QString& title, const QString& text) {
  return AskDaNet(parent, QMessageBox::Warning, title, text, false);
}

bool AskYesNo(QWidget* parent, const QString& title, const QString& text) {
  return AskDaNet(parent, QMessageBox::Question, title, text, true);
}

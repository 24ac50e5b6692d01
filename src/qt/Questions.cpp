#include "Questions.h"

#include <QAbstractButton>
#include <QMessageBox>

#include "Modal.h"

int AskSaveYesNoCancel(QWidget* parent, const QString& title, const QString& text) {
  QMessageBox box(QMessageBox::Question, title, text, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                  parent);
  box.button(QMessageBox::Yes)->setText(QStringLiteral("Да"));
  box.button(QMessageBox::No)->setText(QStringLiteral("Нет"));
  box.button(QMessageBox::Cancel)->setText(QStringLiteral("Отмена"));
  box.setDefaultButton(QMessageBox::Yes);
  box.setEscapeButton(QMessageBox::Cancel);
  const int answer = ExecModal(box);
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

#include "Modal.h"

#include <QAbstractButton>
#include <QDialog>
#include <QTimer>

#include "ScreenFit.h"

namespace {
TModalAnswerer& Answerer() {
  static TModalAnswerer answerer;
  return answerer;
}
}  // namespace

int ExecModal(QDialog& dialog) {
  KeepOnScreen(&dialog);
  // Its frame is known only once it is shown.
  QTimer::singleShot(0, &dialog, [&dialog] { KeepOnScreen(&dialog); });
  if (Answerer()) return Answerer()(dialog);
  return dialog.exec();
}

TModalAnswerer SetModalAnswerer(TModalAnswerer answerer) {
  TModalAnswerer previous = std::move(Answerer());
  Answerer() = std::move(answerer);
  return previous;
}

void MessageBoxOk(QWidget* parent, QMessageBox::Icon icon, const QString& title, const QString& text) {
  QMessageBox box(icon, title, text, QMessageBox::Ok, parent);
  ExecModal(box);
}

QMessageBox::StandardButton AskYesNoCancel(QWidget* parent, const QString& title, const QString& text) {
  QMessageBox box(QMessageBox::Question, title, text, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                  parent);
  box.button(QMessageBox::Yes)->setText(QStringLiteral("Да"));
  box.button(QMessageBox::No)->setText(QStringLiteral("Нет"));
  box.button(QMessageBox::Cancel)->setText(QStringLiteral("Отмена"));
  box.setEscapeButton(QMessageBox::Cancel);
  const int result = ExecModal(box);
  if (result == QMessageBox::Yes || result == QMessageBox::No) return static_cast<QMessageBox::StandardButton>(result);
  return QMessageBox::Cancel;
}

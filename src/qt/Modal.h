#pragma once
// The one door through which the windows run modal dialogs and message
// boxes. A test installs an answerer that looks at the dialog (its class,
// its text, its controls), fills it in and returns the result instead of
// waiting for a user.
#include <QMessageBox>
#include <QString>
#include <functional>

class QDialog;
class QWidget;

using TModalAnswerer = std::function<int(QDialog&)>;

// Runs the dialog modally, or hands it to the installed answerer; either way
// the dialog is first cut to the screen it opens on.
int ExecModal(QDialog& dialog);
// Installs an answerer (an empty function restores exec()); returns the previous one.
TModalAnswerer SetModalAnswerer(TModalAnswerer answerer);

// A message box with one OK button.
void MessageBoxOk(QWidget* parent, QMessageBox::Icon icon, const QString& title, const QString& text);
// A question with Yes, No and Cancel; returns the button pressed (Cancel
// when the box is closed otherwise).
QMessageBox::StandardButton AskYesNoCancel(QWidget* parent, const QString& title, const QString& text);

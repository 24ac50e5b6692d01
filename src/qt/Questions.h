#pragma once
// The questions the windows ask before something is written or let go, with
// Russian buttons and the safe answer where a stray Enter or Esc lands.
#include <QString>

class QWidget;

// "Сохранить …?" with "Да", "Нет" and "Отмена": Enter saves, Esc stays.
// Returns QMessageBox::Yes, QMessageBox::No or QMessageBox::Cancel. With
// `comment` (a passport whose saves are versions) the question also offers a
// line for the version's comment, given back trimmed on "Да".
int AskSaveYesNoCancel(QWidget* parent, const QString& title, const QString& text, QString* comment = nullptr);

// A warning with "Да" and "Нет" before replacing something; "Нет", which
// keeps what is there, answers Enter and Esc. True for "Да".
bool AskReplace(QWidget* parent, const QString& title, const QString& text);

// A question with "Да" (Enter) and "Нет" (Esc). True for "Да".
bool AskYesNo(QWidget* parent, const QString& title, const QString& text);

#pragma once
// The main window's print entries and "Параметры страницы" of "Опции",
// attached to the print dialogs.
class TMainForm;

// Enables the six print entries and the default-page entry and gives them
// their dialogs.
void InstallPrinting(TMainForm& form);

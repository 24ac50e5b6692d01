#pragma once
// The program speaks Russian, and so must the dialogs Qt itself makes: the
// file and print dialogs and the standard buttons of message boxes. Their
// texts come from Qt's own Russian catalogue, which the system installs
// with Qt's translations.
#include <QString>

class QCoreApplication;

// Where Qt's Russian catalogue lies; empty when the system lacks it.
QString QtRussianCatalogue();
// Installs the catalogue into the application; false when it is missing
// (the dialogs then stay in English).
bool InstallQtRussian(QCoreApplication& app);

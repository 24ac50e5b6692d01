#pragma once
// The program's own titles.
#include <QString>

// The application title at start and the title of the about box.
inline const QString kProgramTitle = QStringLiteral("Паспортизация перекрестов");
// The main window's caption before a passport is loaded.
inline const QString kNoPassportCaption = QStringLiteral("<Паспорта перекрестков>");

#include "QtTranslations.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace {

// The catalogue of Qt's base modules (widgets, dialogs, printing).
const char kCatalogue[] = "qtbase_ru.qm";

}  // namespace

QString QtRussianCatalogue() {
  const QString path = QLibraryInfo::path(QLibraryInfo::TranslationsPath) + QLatin1Char('/') +
                       QLatin1String(kCatalogue);
  return QFileInfo::exists(path) ? path : QString();
}

bool InstallQtRussian(QCoreApplication& app) {
  const QString path = QtRussianCatalogue();
  if (path.isEmpty()) return false;
  auto* translator = new QTranslator(&app);
  if (!translator->load(path) || !QCoreApplication::installTranslator(translator)) {
    delete translator;
    return false;
  }
  return true;
}

#pragma once
// Where the viewer keeps its configuration and finds its passports.
#include <QString>
#include <string>

class TIniFile;

// config.ini in the program directory; when that directory cannot be
// written or the program runs installed, the user's configuration directory
// (starting from a copy of the program directory's file, if there is one).
std::string ConfigFilePath();

// The program's own database: "Data/" in the program directory; for an
// installed program the user's copy of the sample in their documents
// (svpass/Data/), made on first use.
std::string LocalDatabaseDir();
// The database directory named by the configuration, with a trailing
// separator: the program's own database when [DataBase] LocalData is on
// (the default), otherwise [DataBase] DataBaseDir. Empty when LocalData is
// off and no directory is given.
std::string DatabaseDirFromConfig(const TIniFile& config);
// The database directory that a choice of the path dialog names, as
// DatabaseDirFromConfig gives it once the choice is written: the program's
// own database, or `dataBaseDir` with a trailing separator (empty when blank).
std::string DatabaseDirOfChoice(bool local, const std::string& dataBaseDir);
// The directory exists and can be entered and listed.
bool DatabaseDirUsable(const std::string& dir);
// Where the directory browser opens: the directory typed in the path dialog
// when it exists, else the current database, else the nearest existing
// directory above either of them, else the user's home.
QString BrowseStartDir(const QString& typed, const std::string& current);

// A passport number is 1 to 5 letters or digits, so that "svo" + number
// always names a directory inside the database.
bool IsValidPassportNumber(const QString& number);
// database directory + "svo" + number + "/".
std::string PassportDir(const std::string& databaseDir, const QString& number);

// The real scale as written to [map] lastTramscale: three decimals.
std::string FormatLastTramscale(double realScale);

#pragma once
// The names of the passports of a database folder: "svo" followed by the
// passport number, ordered by that number. The one rule by which the tool's
// commands, the check and the viewer's database overview find passports.
#include <string>
#include <vector>

// The number after "svo" in a directory name, -1 when the name does not
// start with "svo" in lower case or has no digit after it ("svo1a" is 1).
long long PassportNumber(const std::string& name);

// Whether the directory holds a passport (info.txt or map.txt in it).
bool IsPassportDir(const std::string& dir);
// The directories of a database named as passports: "svo" followed by a
// digit (svo1, svo25, svo1a), in lower case exactly as on disk. Each with a
// trailing separator, ordered by their number (svo2 before svo10), then by
// name.
std::vector<std::string> PassportDirs(const std::string& database);

// Why a directory that looks like a passport is not read as one.
enum class TSkipReason {
  NameCase,     // "SVO1", "Svo1": the name is matched as it is on disk
  NoNumber,     // "svo", "svoA1": no digit after "svo"
  NoFiles,      // "svo5" with neither info.txt nor map.txt
};
struct TSkippedDir {
  std::string Dir;  // with a trailing separator
  TSkipReason Reason;
};
// The PassportDirs that hold info.txt or map.txt. Every other directory whose
// name starts with "svo" in any case is listed as skipped, with the reason.
struct TDatabaseScan {
  std::vector<std::string> Passports;
  std::vector<TSkippedDir> Skipped;
};
TDatabaseScan ScanDatabase(const std::string& database);
// "the name is not in lower case" and the like, for a report.
const char* SkipReasonText(TSkipReason reason);

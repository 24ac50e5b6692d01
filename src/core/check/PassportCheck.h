#pragma once
// Checking a passport for the silent inconsistencies that decades of edits
// leave behind, for one passport or every passport of a database.
#include <memory>
#include <string>
#include <vector>

#include "Finding.h"
#include "platform/Messages.h"

class TSVObject;

// Runs every rule over a passport in memory. loadMessages: what loading it
// raised (each becomes a finding).
std::vector<TFinding> CheckPassport(TSVObject& scheme, const std::vector<TMessage>& loadMessages);

// The item a finding names, nullptr when the scheme no longer has it.
class TSVItem;
TSVItem* ItemAt(TSVObject& scheme, const TItemRef& ref);

// A passport read from its directory with the messages of the reading kept
// instead of shown: safe on any thread, whatever the program-wide sink.
struct TLoadedPassport {
  std::unique_ptr<TSVObject> Scheme;
  std::vector<TMessage> Messages;
};
TLoadedPassport LoadPassportQuietly(const std::string& dir);

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
// The one rule by which the tool's commands and the viewer's database
// overview find the passports of a database: the PassportDirs that hold
// info.txt or map.txt. Every other directory whose name starts with "svo" in
// any case is listed as skipped, with the reason.
struct TDatabaseScan {
  std::vector<std::string> Passports;
  std::vector<TSkippedDir> Skipped;
};
TDatabaseScan ScanDatabase(const std::string& database);
// "the name is not in lower case" and the like, for a report.
const char* SkipReasonText(TSkipReason reason);

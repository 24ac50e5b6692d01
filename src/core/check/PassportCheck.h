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
// The passport directories "svo…" of a database, each with a trailing
// separator, ordered by their number (svo2 before svo10), then by name.
std::vector<std::string> PassportDirs(const std::string& database);

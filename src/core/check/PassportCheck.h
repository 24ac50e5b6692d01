#pragma once
// Checking a passport for the silent inconsistencies that decades of edits
// leave behind, for one passport or every passport of a database.
#include <memory>
#include <string>
#include <vector>

#include "Finding.h"
#include "platform/Messages.h"
// The numbering of passports in a database, which the check reads by.
#include "store/OpenPassport.h"
#include "store/PassportNames.h"

class TSVObject;

// Runs every rule over a passport in memory. loadMessages: what loading it
// raised (each becomes a finding).
std::vector<TFinding> CheckPassport(TSVObject& scheme, const std::vector<TMessage>& loadMessages);

// The item a finding names, nullptr when the scheme no longer has it.
class TSVItem;
TSVItem* ItemAt(TSVObject& scheme, const TItemRef& ref);

// A passport read from its directory with the messages of the reading kept
// instead of shown: safe on any thread, whatever the program-wide sink.
TLoadedPassport LoadPassportQuietly(const std::string& dir);


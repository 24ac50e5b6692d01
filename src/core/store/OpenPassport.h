#pragma once
// Opening and saving one passport of a store: the scheme object read from
// the store's bytes, bound to the store so that its saves go back there.
#include <memory>
#include <string>
#include <vector>

#include "PassportStore.h"
#include "platform/Messages.h"

class TSVObject;
class TSVInfo;

// What the reading said: shown as it comes through the program-wide sink
// (a window's message boxes, the tool's error stream), or kept with the
// passport, safe on any thread.
enum class TReadMessages { Shown, Kept };

struct TLoadedPassport {
  std::unique_ptr<TSVObject> Scheme;
  // The messages of the reading when they were kept.
  std::vector<TMessage> Messages;
};

// Reads passport `id` of `store`: its information, then its scheme, then
// sets the clock to phase 1. A missing file reads as empty; whether it is
// created is `missing`'s. Reading errors never stop the opening: what could
// be read is there, and the messages say the rest.
TLoadedPassport OpenPassport(const std::shared_ptr<TPassportStore>& store, const std::string& id,
                             TMissingFile missing = TMissingFile::ReadEmpty,
                             TReadMessages messages = TReadMessages::Shown);
// The passport in the directory `dir` of the plain folder, never creating a
// file: what the tool's commands read.
TLoadedPassport OpenPassportDir(const std::string& dir, TReadMessages messages = TReadMessages::Shown);
// Only the information of passport `id`, never creating a file: what the
// export of its tables needs. The scheme stays empty.
std::unique_ptr<TSVObject> OpenPassportInfo(const std::shared_ptr<TPassportStore>& store, const std::string& id);
// Reads the passport again into the same object, from the store it is bound
// to (its own directory when it has none).
void ReadPassportAgain(TSVObject& scheme, TMissingFile missing);

// The information alone from the file its FileName names in the plain
// folder, creating it when `missing` says so. True when it was read whole.
bool ReadInfoFile(TSVInfo& info, TMissingFile missing);

// The revision of one of the passport's files as its store sees it now.
TRevision PassportRevision(const TSVObject& scheme, TPassportFile file);

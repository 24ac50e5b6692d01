#pragma once
// Documents on disk are RTF, which every word processor opens, also under a
// ".doc" name. Cyrillic is written as Unicode with a Windows-1251 fallback,
// the page header as \header, tables as bordered RTF rows, bookmarks as
// \bkmkstart. The reader takes what the writer writes and the common subset
// other word processors write; what it does not know it skips.
#include <string>

#include "Document.h"

std::string WriteRtf(const TDocument& doc);
// Throws TDocError when the bytes are not an RTF document or hold a table
// the engine could not type into (a row without cells).
TDocument ReadRtf(const std::string& bytes);

#pragma once
// The formats a passport document is written in: one table that the export
// dialog's file types, the command line's checks and the document engine's
// choice of writer all read, so a new format is added in one place.
#include <string>
#include <vector>

// Which writer makes the file.
enum class TDocWriter { Rtf, Docx, Odt, Pdf };

struct TDocFormat {
  // The extension without the dot, lower case: "doc".
  const char* Extension;
  // The save dialog's file type for it.
  const char* Caption;
  TDocWriter Writer;
  // Whether the word processor's print command can be sent to it (a printed
  // passport goes to a PDF only).
  bool Printable;
};

// Every format in the order the save dialog offers them, its default first.
const std::vector<TDocFormat>& DocFormats();
// The format of a file by its extension (any case), nullptr when none.
const TDocFormat* DocFormatOfPath(const std::string& path);
// The format of an extension without the dot (any case), nullptr when none.
const TDocFormat* DocFormatNamed(const std::string& extension);

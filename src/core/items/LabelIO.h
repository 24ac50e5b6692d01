#pragma once
// The label part of an owner's record: "text" followed by the label's own
// lines, or "notext".
#include <cstdint>
#include <memory>
#include <string>

#include "LinedText.h"
#include "SVText.h"

class TTextReader;
class TTextWriter;

// Writes "text" and the label's lines when the label has a non-empty text
// (for a lined label: a non-empty upper text), otherwise "notext".
void SaveLabel(TTextWriter& f, TSVText* label);

// Reads the keyword line. "text": a new label with the given type code reads
// its lines and gets the owner and the colour. "notext": no label. Any other
// word: `message` is shown in a plain box, there is no label, and reading
// goes on with the next line.
std::unique_ptr<TSVText> LoadTextLabel(TTextReader& f, TSVItem* owner, std::uint32_t labelCode, TColor color,
                                       const std::string& message);
std::unique_ptr<TLinedText> LoadLinedLabel(TTextReader& f, TSVItem* owner, std::uint32_t labelCode, TColor color,
                                           const std::string& message);

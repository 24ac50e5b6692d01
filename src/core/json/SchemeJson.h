#pragma once
// The scheme of a passport as JSON: its twelve layers with their switches and
// every item with the lines it keeps in map.txt.
#include <string>
#include <vector>

class TJsonWriter;
class TSVItem;
class TSVObject;

// The stored lines of one item (what follows its type code in map.txt),
// decoded from the file's code page.
std::vector<std::string> StoredLines(TSVItem& item);
// The same from the bytes the item wrote.
std::vector<std::string> StoredLinesOf(const std::string& bytes);

// Writes the member "layers": twelve objects {"layer", "visible", "editable",
// "showText", "items"}, each item as {"type", "lines"} in the order the
// layer draws them (newest first). The lines are the item's own stored
// lines, labels included, as text.
void WriteSchemeLayers(TJsonWriter& json, const TSVObject& scheme);

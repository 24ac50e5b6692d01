#pragma once
// The scheme of a passport as JSON: its twelve layers with their switches and
// every item with the lines it keeps in map.txt.
class TJsonWriter;
class TSVObject;

// Writes the member "layers": twelve objects {"layer", "visible", "editable",
// "showText", "items"}, each item as {"type", "lines"} in the order the
// layer draws them (newest first). The lines are the item's own stored
// lines, labels included, as text.
void WriteSchemeLayers(TJsonWriter& json, const TSVObject& scheme);

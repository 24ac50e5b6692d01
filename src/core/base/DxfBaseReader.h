#pragma once
// Reading a survey plan in DXF for the editor's base: lines, polylines with
// their arcs, circles, arcs, texts and block insertions, flattened into
// world coordinates (DXF y turned down: world = (x, −y)); every other kind
// of entity is skipped and counted.
#include <string>
#include <vector>

#include "BaseDrawing.h"

// Reads the file at `path`; false with the reason (for the user, in
// Russian) and `drawing` untouched when it cannot be read.
bool ReadDxfBase(const std::string& path, TBaseDrawing& drawing, std::string& reason);

// DXF text as the user should read it (UTF-8): the bytes in the drawing's
// code page (`codePage` as $DWGCODEPAGE says, "" when unknown; files of
// AutoCAD 2007 and later, `utf8`, are UTF-8 already), \U+XXXX escapes
// resolved, the %%c, %%d, %%p specials as their signs.
std::string DecodeDxfText(const std::string& raw, const std::string& codePage, bool utf8);

// The plain text of an MTEXT value, its formatting codes dropped, one
// element per paragraph (\P).
std::vector<std::string> MTextLines(const std::string& text);

// Whether the file is a drawing to read as a DXF (by its extension, in any case).
bool IsDxfPath(const std::string& path);

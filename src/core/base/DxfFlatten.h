#pragma once
// Resolving the block insertions of a DXF drawing into world shapes.
#include "BaseDrawing.h"
#include "DxfRaw.h"

// Adds the model space of `raw` to `out` in world coordinates (x, −y);
// insertions of blocks that do not exist, and insertions nested deeper
// than a sane drawing nests them (a block inserting itself), add nothing.
void FlattenDxf(const TDxfRaw& raw, TBaseDrawing& out);

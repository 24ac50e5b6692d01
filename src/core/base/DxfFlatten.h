#pragma once
// Resolving the block insertions of a DXF drawing into world shapes.
#include <map>
#include <string>

#include "BaseDrawing.h"
#include "DxfRaw.h"

// Adds entities of the model space to `out` in world coordinates (x, −y),
// insertions resolved through `blocks`; insertions of blocks that do not
// exist, and insertions nested deeper than a sane drawing nests them (a
// block inserting itself), add nothing.
class TDxfFlattener {
 public:
  TDxfFlattener(const std::map<std::string, TDxfRawBlock>& blocks, TBaseDrawing& out) : Blocks_(blocks), Out_(out) {}
  void Entity(const TDxfRawEntity& e);

 private:
  const std::map<std::string, TDxfRawBlock>& Blocks_;
  TBaseDrawing& Out_;
  long Visits_ = 0;
};

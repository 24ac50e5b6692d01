#pragma once
// A whole ASCII DXF file of AutoCAD 2004 (AC1018): the header, the tables,
// the model and paper space blocks and the objects a reader of that version
// expects (the named-object dictionary, the two layouts, the plot style
// placeholder), around entities written elsewhere.
//
// Written here rather than with dxflib: its writer knows the versions up to
// AutoCAD 2000 (AC1015) only, writes a header and objects of its own with
// code page ANSI_1252, writes through a file stream that reports no failure
// (a file written in one checked step is not possible with it), and passes
// text values to the file as they are.
#include <cstdint>
#include <string>
#include <vector>

#include "platform/Types.h"

// The handles the document keeps for itself; entities take theirs from
// kFirstEntityHandle up.
constexpr std::uint32_t kModelSpaceRecord = 0x1F;
constexpr std::uint32_t kFirstEntityHandle = 0x100;

struct TDxfLayer {
  // A plain line, in Windows-1251.
  std::string Name;
};

struct TDxfExtents {
  bool Empty = true;
  double MinX = 0, MinY = 0, MaxX = 0, MaxY = 0;
  void Add(double x, double y);
};

// The layers after "0" and "Defpoints" (at most 0xC0 of them), the ENTITIES
// section's body, the first handle no entity took and the drawing's extents.
std::string DxfDocument(const std::vector<TDxfLayer>& layers, const std::string& entities,
                        std::uint32_t nextHandle, const TDxfExtents& extents);

// The name of the dotted line type (three units on, three off), and the
// handle of the layer at `index` of the list given to DxfDocument.
constexpr const char* kDotLineType = "DOT";
std::uint32_t DxfLayerHandle(std::size_t index);

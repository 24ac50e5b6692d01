#pragma once
// Tools that lay an item along the clicked points: two-click items, arcs
// and the multi-point paths of directions and buildings.
#include <cstdint>
#include <memory>

#include "EditTool.h"

// What a two-click tool does after its second click.
enum class TTwoClickEnd { Add, LineDialog, ArrowDialog };

// Straight curb and rail, stop line, pedestrian crossing, separating line
// (snapping at both ends), zebra, separate sign stand and lane arrow (none).
std::unique_ptr<TEditTool> MakeTwoClickTool(std::uint32_t typeCode, bool snap, TTwoClickEnd end);
// Rounded curb (`movePoints`: a snapped click moves its screen point to the
// anchor) and rounded rail: two ends, then a point of the arc.
std::unique_ptr<TEditTool> MakeArcTool(std::uint32_t typeCode, bool movePoints);
// Direction (`closesOnFirst` false, snapping its first click with 16) and
// building (`closesOnFirst` true, no snapping).
std::unique_ptr<TEditTool> MakePathTool(std::uint32_t typeCode, bool closesOnFirst);

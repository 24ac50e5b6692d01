#pragma once
// Tools that place nothing: selection, pan, zoom, moving the base image and
// aligning the scheme with it; and the placement of an item's label.
#include <memory>

#include "EditTool.h"

std::unique_ptr<TEditTool> MakeSelectTool();
std::unique_ptr<TEditTool> MakePanTool();
std::unique_ptr<TEditTool> MakeZoomInTool();
std::unique_ptr<TEditTool> MakeZoomOutTool();
std::unique_ptr<TEditTool> MakeBaseMoveTool();
std::unique_ptr<TEditTool> MakeAlignTool();

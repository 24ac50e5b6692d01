#pragma once
// Tools that place one symbol with its details: well, cabinets, pole,
// cable and free text.
#include <cstdint>
#include <memory>

#include "EditTool.h"

std::unique_ptr<TEditTool> MakeWellTool();
// Controller (kind 0), phone box (1) and power board (2).
std::unique_ptr<TEditTool> MakeCabinetTool(std::uint8_t kind);
std::unique_ptr<TEditTool> MakePoleTool();
std::unique_ptr<TEditTool> MakeCableTool();
std::unique_ptr<TEditTool> MakeFreeTextTool();

#pragma once
// The editor's tool buttons, in the order of the panel: what each shows and
// enables, the tool object it starts, and what the status line asks for at
// each step of that tool.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "EditSession.h"
#include "EditTool.h"

struct TToolEntry {
  TToolInfo Info;
  std::function<std::unique_ptr<TEditTool>()> Make;
  // The status line's request after 0, 1, 2 … placement points.
  std::vector<std::string> Steps;
  // The name the button had before, still accepted by scripts.
  std::string FormerHint;
};

const std::vector<TToolEntry>& ToolEntries();

// The tool that places a label after its item.
std::unique_ptr<TEditTool> MakeLabelTool();

#pragma once
// The editor's tool buttons, in the order of the panel: what each shows and
// enables, and the tool object it starts.
#include <functional>
#include <memory>
#include <vector>

#include "EditSession.h"
#include "EditTool.h"

struct TToolEntry {
  TToolInfo Info;
  std::function<std::unique_ptr<TEditTool>()> Make;
};

const std::vector<TToolEntry>& ToolEntries();

// The tool that places a label after its item.
std::unique_ptr<TEditTool> MakeLabelTool();

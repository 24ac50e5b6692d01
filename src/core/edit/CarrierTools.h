#pragma once
// Tools for items that hang on a carrier: a click that finds nothing to
// hang on is ignored.
#include <memory>

#include "EditTool.h"

std::unique_ptr<TEditTool> MakeStickTool();
std::unique_ptr<TEditTool> MakeHeadTool();
std::unique_ptr<TEditTool> MakeSignTool();
// Portal (both ends on a pole), console (fixed at one pole) and stay.
std::unique_ptr<TEditTool> MakeGantryTool();
std::unique_ptr<TEditTool> MakeConsoleTool();
std::unique_ptr<TEditTool> MakeStayTool();
// The class of sign that a sign-dialog answer makes (0: no sign).
int SignClassOf(int answer);

#include "Dialogs.h"

// A dialog offers only the controls it has; the others refuse every action.
bool TDialogModel::Check(const std::string&) { return false; }
bool TDialogModel::SetText(const std::string&, const std::string&) { return false; }
bool TDialogModel::Select(const std::string&, const std::string&) { return false; }
bool TDialogModel::ClickCell(int, int) { return false; }
bool TDialogModel::Spin(const std::string&, int) { return false; }
bool TDialogModel::PressButton(const std::string&) { return false; }
bool TDialogModel::SetCell(int, int, const std::string&) { return false; }
bool TDialogModel::SelectRow(int) { return false; }
bool TDialogModel::SetTramLamp(int, int, const std::string&, const std::string&) { return false; }
bool TDialogModel::SetTramName(int, const std::string&) { return false; }

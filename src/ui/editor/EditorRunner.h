#pragma once
// The viewer's "&Изменить": the editor window on the main window's scheme.
#include <functional>
#include <memory>

#include "ui/viewer/MainForm.h"

class QWidget;
class TDialogHost;

using TDialogHostMaker = std::function<std::unique_ptr<TDialogHost>(QWidget* parent)>;

// A runner that makes the editor window on its first use (with the item
// dialogs `makeHost` gives) and keeps it for every later opening.
TMainForm::TEditorRunner MakeEditorRunner(TDialogHostMaker makeHost);

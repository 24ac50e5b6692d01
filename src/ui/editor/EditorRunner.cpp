#include "EditorRunner.h"

#include <QPointer>

#include "EditFormUnit.h"
#include "platform/Dialogs.h"

TMainForm::TEditorRunner MakeEditorRunner(TDialogHostMaker makeHost) {
  auto form = std::make_shared<QPointer<TEditForm>>();
  return [form, makeHost](TMainForm& main, TSVObject& scheme) {
    if (!*form) {
      // A child of the main window: it goes when the program ends. The item
      // dialogs open over the editor.
      auto* editor = new TEditForm(&main);
      editor->SetDialogHost(makeHost(editor));
      *form = editor;
    }
    (*form)->Execute(scheme, main.MapStamp());
  };
}

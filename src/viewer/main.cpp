// svpass: the passport viewer.
#include <QApplication>

#include "PrintEntries.h"
#include "ProgramInfo.h"
#include "editor/EditorRunner.h"
#include "editor/dialogs/QtDialogHost.h"
#include "main.h"
#include "platform/ProgramDir.h"
#include "qt/QtMessages.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("svpass"));
  SetProgramDir(ExecutableDir());
  SetApplicationTitle(kProgramTitle);
  TQtMessageSink messages;
  SetMessageSink(&messages);
  TQtSoundSink sound;
  SetSoundSink(&sound);

  int result = 0;
  {
    TMainForm form;
    if (!form.Start()) return 0;
    InstallPrinting(form);
    form.SetEditorRunner(
        MakeEditorRunner([](QWidget* owner) { return std::make_unique<TQtDialogHost>(owner); }));
    form.showMaximized();
    result = QApplication::exec();
  }
  SetMessageSink(nullptr);
  SetSoundSink(nullptr);
  return result;
}

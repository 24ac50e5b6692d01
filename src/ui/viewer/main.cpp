// svpass: the passport viewer.
#include <QApplication>
#include <QTimer>
#include <cstdio>

#include "PrintEntries.h"
#include "ProgramInfo.h"
#include "ui/editor/EditorRunner.h"
#include "ui/editor/dialogs/QtDialogHost.h"
#include "MainForm.h"
#include "platform/ProgramDir.h"
#include "qt/QtMessages.h"
#include "qt/QtTranslations.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("svpass"));
  InstallQtRussian(app);
  LocateProgramHome(ExecutableDir());
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
    form.ShowOnScreen();
    // A smoke test of an installation: start, open the passport, show it
    // (into a picture file when the variable names one), leave.
    const bool smoke = qEnvironmentVariableIsSet("SVPASS_EXIT_AFTER_START");
    if (smoke)
      QTimer::singleShot(0, &app, [&form] {
        const QString shot = qEnvironmentVariable("SVPASS_EXIT_AFTER_START");
        if (shot.endsWith(QStringLiteral(".png"))) form.grab().save(shot);
        QApplication::quit();
      });
    result = QApplication::exec();
    if (smoke) std::printf("%s\n", form.windowTitle().toUtf8().constData());
  }
  SetMessageSink(nullptr);
  SetSoundSink(nullptr);
  return result;
}

#pragma once
// The model's messages as modal boxes with one OK button, and the click
// sound, for the windows.
#include <QString>

#include "platform/Messages.h"
#include "platform/Sound.h"

class QWidget;

// The application title: the caption of plain message boxes (the main
// window sets it to the passport shown).
void SetApplicationTitle(const QString& title);
QString ApplicationTitle();

class TQtMessageSink : public TMessageSink {
 public:
  void Show(TMessageSeverity severity, const std::string& text) override;
};

// Plays a wave file through the desktop's sound player, without waiting;
// silent where there is none.
class TQtSoundSink : public TSoundSink {
 public:
  TQtSoundSink();
  void PlayWave(const std::string& path) override;

 private:
  QString Player_;
};

// The main window's side of the signal plan: the phase and program
// selectors, the seconds label and the animation.
#include <QGroupBox>
#include <QLabel>
#include <QToolButton>

#include "ToolPanel.h"
#include "MainForm.h"
#include "model/SVObject.h"
#include "plan/SVInfo.h"
#include "plan/SVtime.h"
#include "qt/PaintBox.h"

namespace {
// Simulated seconds per tick of 250 ms: the plan runs at twice real time.
constexpr double kTickSeconds = 0.5;
}  // namespace

void TMainForm::RebuildPhaseSelector(int n) {
  if (!Scheme_) return;
  // The direction set wraps its phases at this count; it is stored before
  // the first phase is chosen so that phase's intermediate time is taken
  // with the same count the selector shows.
  Scheme_->Info->Directions.PhaseCount = static_cast<std::uint8_t>(n);
  Tools_->SetPhaseItems(n);
  Tools_->SelectPhaseSilently(0);
  ChoosePhase();
  Tools_->ProgramBox->setVisible(!Scheme_->Info->IsSystem() && !Scheme_->Info->IsUK());
}

void TMainForm::ChoosePhase() {
  if (!Scheme_) return;
  ShowPhase(*Scheme_, Tools_->PhaseIndex() + 1);
  Repaint();
}

void TMainForm::ChooseProgram() {
  if (!Scheme_) return;
  ShowProgram(*Scheme_, Tools_->ProgramIndex());
  Repaint();
}

void TMainForm::Play() {
  Tools_->PlayButton->setChecked(true);
  AnimTimer_.start();
}

void TMainForm::Stop() {
  Tools_->StopButton->setChecked(true);
  AnimTimer_.stop();
}

void TMainForm::AnimationTick() {
  if (!Scheme_ || !View_.Canvas) return;
  Scheme_->Time->Tick(kTickSeconds);
  Scheme_->CopyTimingToDirections();
  // Only the signal heads change between phase changes: they are drawn over
  // the picture already there, and only when one of them changed.
  Heads_.Update(*Scheme_, View_);
  Map_->update();
  const int index = Scheme_->Time->Phase - 1;
  if (index != Tools_->PhaseIndex()) {
    Tools_->SelectPhaseSilently(index);
    ChoosePhase();
  }
  Tools_->SecondsLabel->setText(SecondsText(Scheme_->Time->Remaining));
}

#pragma once
// The main window's tool panel: the four mouse-mode buttons, layers, scale
// and fit, play and stop, the seconds label and the phase and program
// selectors.
#include <QWidget>

class QButtonGroup;
class QGridLayout;
class QGroupBox;
class QLabel;
class QToolButton;

class TToolPanel : public QWidget {
  Q_OBJECT

 public:
  explicit TToolPanel(QWidget* parent = nullptr);

  QToolButton* PanButton;
  QToolButton* ZoomInButton;
  QToolButton* ZoomOutButton;
  QToolButton* PointerButton;
  QToolButton* LayersButton;
  QToolButton* ScaleButton;
  QToolButton* FitButton;
  QToolButton* PlayButton;
  QToolButton* StopButton;
  QLabel* SecondsLabel;
  QGroupBox* PhaseBox;
  QButtonGroup* PhaseGroup;
  QGroupBox* ProgramBox;
  QButtonGroup* ProgramGroup;

  // Replaces the phase items by "1" .. "n", none selected.
  void SetPhaseItems(int n);
  int PhaseCount() const;
  // The selected phase item from 0, -1 when none.
  int PhaseIndex() const;
  // Selects an item without running the phase action; -1 or an index
  // outside the items selects none.
  void SelectPhaseSilently(int index);
  int ProgramIndex() const;
  void SelectProgramSilently(int index);

 private:
  QGridLayout* PhaseGrid_;
};

// The editor window's handlers: the mouse on the paint box, the keys, the
// tool buttons and the commands of the panels and menus.
#include <QApplication>
#include <QKeyEvent>

#include "EditFormUnit.h"
#include "EditToolBar.h"
#include "edit/EditSession.h"
#include "model/SVObject.h"
#include "qt/PaintBox.h"
#include "ui/viewer/LayControl.h"
#include "ui/viewer/SerScaleDlg.h"

void TEditForm::MapMouseDown(QPoint p) {
  Run([&](TEditSession& s) { s.MouseDown(p.x(), p.y()); });
}

void TEditForm::MapMouseMove(QPoint p) {
  if (!Session_) return;
  Session_->MouseMove(p.x(), p.y());
  if (Session_->EdgeTimerWanted() && !EdgeTimer_.isActive()) EdgeTimer_.start();
  Sync();
}

void TEditForm::MapWheel(QPointF p, int steps) {
  Run([&](TEditSession& s) { s.Wheel(p.x(), p.y(), steps); });
}

void TEditForm::MapMouseUp(QPoint p) {
  Run([&](TEditSession& s) { s.MouseUp(p.x(), p.y()); });
}

void TEditForm::EdgeTimerTick(QPoint cursor) {
  if (!Session_) return;
  if (!Session_->EdgeTick(cursor.x(), cursor.y())) EdgeTimer_.stop();
  Sync();
}

bool TEditForm::KeyDown(const QKeyEvent& key) {
  if (!Session_) return false;
  const Qt::KeyboardModifiers mods = key.modifiers();
  const bool ctrl = mods & Qt::ControlModifier;
  const bool keypad = mods & Qt::KeypadModifier;
  TEditKey k;
  switch (key.key()) {
    case Qt::Key_Escape:
      k = TEditKey::Esc;
      break;
    case Qt::Key_Delete:
      k = TEditKey::Delete;
      break;
    case Qt::Key_Z:
      if (!ctrl) return false;
      k = (mods & Qt::ShiftModifier) ? TEditKey::CtrlY : TEditKey::CtrlZ;
      break;
    case Qt::Key_Y:
      if (!ctrl) return false;
      k = TEditKey::CtrlY;
      break;
    case Qt::Key_Plus:
      if (!keypad) return false;
      k = TEditKey::KeypadPlus;
      break;
    case Qt::Key_Minus:
      if (!keypad) return false;
      k = TEditKey::KeypadMinus;
      break;
    default:
      return false;
  }
  Run([&](TEditSession& s) { s.Key(k); });
  return true;
}

bool TEditForm::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress && watched->isWidgetType() &&
      static_cast<QWidget*>(watched)->window() == this)
    return KeyDown(*static_cast<QKeyEvent*>(event));
  return QDialog::eventFilter(watched, event);
}

void TEditForm::ToolClick(int index) {
  Run([&](TEditSession& s) {
    if (index >= 0 && index < static_cast<int>(TEditSession::Tools().size()))
      s.ChooseTool(TEditSession::Tools()[static_cast<std::size_t>(index)].Hint);
  });
}

void TEditForm::BaseButtonClick() {
  Run([](TEditSession& s) { s.ToggleBase(); });
}

void TEditForm::ShowBaseClick() { BaseButtonClick(); }

void TEditForm::LayersClick() {
  if (!Session_ || !Scheme_) return;
  if (!LayersDialog_) LayersDialog_ = new TlayersDlg(this);
  LayersDialog_->Execute(*Scheme_);
  Run([](TEditSession& s) {
    s.RefreshEnabling();
    s.Repaint();
  });
}

void TEditForm::ScaleClick() {
  if (!Session_ || !Scheme_) return;
  if (!ScaleDialog_) ScaleDialog_ = new TSetScale(this);
  ScaleDialog_->Execute(Session_->Context(), *Scheme_->Info);
  Run([](TEditSession& s) { s.Repaint(); });
}

void TEditForm::FitClick() {
  Run([](TEditSession& s) { s.Fit(); });
}

void TEditForm::ViewModeClick() {
  Run([](TEditSession& s) { s.ToggleEditing(); });
}

void TEditForm::UndoClick() {
  Run([](TEditSession& s) { s.Undo(); });
}

void TEditForm::RedoClick() {
  Run([](TEditSession& s) { s.Redo(); });
}

void TEditForm::PhaseClick(int index) {
  Run([&](TEditSession& s) { s.ChoosePhase(index); });
}

void TEditForm::AlignClick() {
  Run([](TEditSession& s) { s.ChooseTool("Подгонка под основу"); });
}

void TEditForm::MoveBaseClick() {
  Run([](TEditSession& s) { s.ChooseTool("Перенос"); });
}

void TEditForm::ResetRotationClick() {
  Run([](TEditSession& s) { s.ResetRotation(); });
}

void TEditForm::CableTypeClick() {
  Run([](TEditSession& s) { s.ChangeCableType(); });
}

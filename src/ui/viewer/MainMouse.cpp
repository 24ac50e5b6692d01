// The main window's mouse modes on the paint box: pan, zoom-in rectangle,
// zoom-out, the wheel, and scrolling at the edges. The rules are the
// navigator's; the window shows the mode on its buttons and cursor, draws
// the zoom-in frame and repaints.
#include <QToolButton>

#include "MainForm.h"
#include "ToolPanel.h"
#include "model/Geometry.h"
#include "qt/Cursors.h"
#include "qt/PaintBox.h"
#include "qt/QtCanvas.h"

namespace {
TPoint At(QPoint p) { return TPoint{p.x(), p.y()}; }
}  // namespace

void TMainForm::SetMouseMode(TMouseMode mode) {
  Nav_.SetMode(mode);
  switch (mode) {
    case TMouseMode::Pointer:
      Tools_->PointerButton->setChecked(true);
      Map_->setCursor(Qt::ArrowCursor);
      break;
    case TMouseMode::PanReady:
    case TMouseMode::Panning:
      Tools_->PanButton->setChecked(true);
      Map_->setCursor(SchemeCursor(mode == TMouseMode::Panning ? crFist : crHand));
      break;
    case TMouseMode::ZoomInReady:
    case TMouseMode::ZoomInDragging:
      Tools_->ZoomInButton->setChecked(true);
      Map_->setCursor(SchemeCursor(crZoomIn));
      break;
    case TMouseMode::ZoomOut:
      Tools_->ZoomOutButton->setChecked(true);
      Map_->setCursor(SchemeCursor(crZoomOut));
      break;
  }
  Repaint();
}

void TMainForm::MapMouseDown(QPoint p) {
  ViewTouched();
  const TMouseMode before = Nav_.Mode();
  Nav_.Press(At(p));
  if (before == TMouseMode::PanReady)
    SetMouseMode(TMouseMode::Panning);
  else if (before == TMouseMode::ZoomOut)
    Repaint();
}

void TMainForm::MapMouseMove(QPoint p) {
  const bool panned = Nav_.Move(At(p), Map_->PictureWidth(), Map_->PictureHeight());
  if (Nav_.Mode() == TMouseMode::ZoomInDragging) {
    MapPaint();
    TCanvas& c = *View_.Canvas;
    SetPen(c, clWhite, TPenMode::Xor, 1, TPenStyle::Dot);
    c.SetBrushStyle(TBrushStyle::Clear);
    const TRect r = Nav_.Frame(At(p));
    c.Rectangle(r.Left, r.Top, r.Right, r.Bottom);
    c.Pen.Mode = TPenMode::Copy;
    Map_->update();
  } else if (panned) {
    Repaint();
  }
  if (Nav_.EdgeTimerWanted()) EdgeTimer_.start();
}

void TMainForm::MapMouseUp(QPoint p) {
  const TMouseMode before = Nav_.Mode();
  Nav_.Release(At(p), Map_->PictureWidth(), Map_->PictureHeight());
  if (before == TMouseMode::Panning) SetMouseMode(TMouseMode::PanReady);
  Repaint();
}

void TMainForm::MapWheel(QPointF p, int steps) {
  ViewTouched();
  if (Nav_.Wheel(p.x(), p.y(), steps)) Repaint();
}

void TMainForm::EdgeScrollTick(QPoint cursor) {
  if (!View_.Canvas) {
    EdgeTimer_.stop();
    return;
  }
  const TEdgeTick tick = Nav_.EdgeTick(cursor.x(), cursor.y(), View_.Canvas->ClipRect());
  if (!tick.KeepTicking) EdgeTimer_.stop();
  if (!tick.Scrolled()) return;
  ViewTouched();
  Repaint();
}

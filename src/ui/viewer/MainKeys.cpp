// The main window's keys for the view: the arrows move the scheme, the
// keypad's plus and minus zoom it about the centre of the paint box. The
// menu entries carry their own keys (F1, Ctrl+O, Home, F4).
#include <QAction>

#include "MainForm.h"

namespace {
constexpr int kArrowStep = 50;
constexpr int kShiftArrowStep = 200;
}  // namespace

void TMainForm::CreateViewKeys() {
  auto key = [this](QList<QKeySequence> keys, std::function<void()> run) {
    auto* a = new QAction(this);
    a->setShortcuts(keys);
    a->setShortcutContext(Qt::WindowShortcut);
    connect(a, &QAction::triggered, this, std::move(run));
    addAction(a);
  };
  // An arrow shows more of the scheme beyond its side, as the edge scroll does.
  const struct {
    Qt::Key Key;
    int Dx, Dy;
  } arrows[] = {{Qt::Key_Left, 1, 0}, {Qt::Key_Right, -1, 0}, {Qt::Key_Up, 0, 1}, {Qt::Key_Down, 0, -1}};
  for (const auto& a : arrows) {
    key({QKeySequence(a.Key)}, [this, a] { PanView(a.Dx * kArrowStep, a.Dy * kArrowStep); });
    key({QKeySequence(Qt::SHIFT | a.Key)}, [this, a] { PanView(a.Dx * kShiftArrowStep, a.Dy * kShiftArrowStep); });
  }
  // The keypad's keys first; the main keyboard's plus and minus do the same.
  key({QKeySequence(Qt::KeypadModifier | Qt::Key_Plus), QKeySequence(Qt::Key_Plus)},
      [this] { ZoomView(TViewNavigator::kZoomInStep); });
  key({QKeySequence(Qt::KeypadModifier | Qt::Key_Minus), QKeySequence(Qt::Key_Minus)},
      [this] { ZoomView(TViewNavigator::kKeyZoomOut); });
}

void TMainForm::PanView(int dx, int dy) {
  ViewTouched();
  View_.OriginX += dx;
  View_.OriginY += dy;
  Repaint();
}

void TMainForm::ZoomView(double factor) {
  ViewTouched();
  Nav_.KeyZoom(factor);
  Repaint();
}

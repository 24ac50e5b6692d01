#include "ToolPanel.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QToolButton>
#include <QVBoxLayout>

#include "qt/Cursors.h"

namespace {

QToolButton* MakeButton(QWidget* parent, const QString& icon, const QString& text, const QString& hint,
                        bool checkable) {
  return MakeToolButton(parent, icon, text, hint, checkable, 34);
}

}  // namespace

TToolPanel::TToolPanel(QWidget* parent) : QWidget(parent) {
  PanButton = MakeButton(this, "pan", "✋", QStringLiteral("Передвижение схемы"), true);
  ZoomInButton = MakeButton(this, "zoomin", "+", QStringLiteral("Увеличение схемы"), true);
  ZoomOutButton = MakeButton(this, "zoomout", "−", QStringLiteral("Уменьшение схемы"), true);
  PointerButton = MakeButton(this, "pointer", "↖", QStringLiteral("Указатель"), true);
  LayersButton = MakeButton(this, "layers", "С", QStringLiteral("Управление слоями"), false);
  ScaleButton = MakeButton(this, "scale", "М", QStringLiteral("Масштаб"), false);
  FitButton = MakeButton(this, "fit", "▣", QStringLiteral("Отобразить целиком"), false);
  PlayButton = MakeButton(this, "play", "▶", QStringLiteral("Пуск имитации работы СО"), true);
  StopButton = MakeButton(this, "stop", "■", QStringLiteral("Остановка имитации"), true);

  auto* modes = new QButtonGroup(this);
  modes->setExclusive(true);
  for (QToolButton* b : {PanButton, ZoomInButton, ZoomOutButton, PointerButton}) modes->addButton(b);
  PointerButton->setChecked(true);
  // Whichever of play and stop was pressed last stays down: it tells
  // whether the plan is running.
  auto* run = new QButtonGroup(this);
  run->setExclusive(true);
  run->addButton(PlayButton);
  run->addButton(StopButton);
  StopButton->setChecked(true);

  SecondsLabel = new QLabel(QStringLiteral("0"), this);
  SecondsLabel->setAlignment(Qt::AlignCenter);
  SecondsLabel->setFrameShape(QFrame::Panel);
  SecondsLabel->setFrameShadow(QFrame::Sunken);
  SecondsLabel->setToolTip(QStringLiteral("Осталось секунд до конца текущей фазы"));
  QFont big = SecondsLabel->font();
  big.setPointSize(big.pointSize() + 4);
  big.setBold(true);
  SecondsLabel->setFont(big);

  PhaseBox = new QGroupBox(QStringLiteral("Фазы"), this);
  PhaseBox->setToolTip(QStringLiteral("Переключение фаз"));
  PhaseGrid_ = new QGridLayout(PhaseBox);
  PhaseGroup = new QButtonGroup(this);
  PhaseGroup->setExclusive(true);

  ProgramBox = new QGroupBox(QStringLiteral("Прогр."), this);
  ProgramBox->setToolTip(QStringLiteral("Использовать прогаммы контроллера"));
  auto* programs = new QVBoxLayout(ProgramBox);
  ProgramGroup = new QButtonGroup(this);
  const char* names[] = {"I", "II", "III"};
  for (int i = 0; i < 3; ++i) {
    auto* r = new QRadioButton(QString::fromLatin1(names[i]), ProgramBox);
    ProgramGroup->addButton(r, i);
    programs->addWidget(r);
  }
  ProgramGroup->button(0)->setChecked(true);

  auto* grid = new QGridLayout;
  grid->setSpacing(2);
  grid->addWidget(PanButton, 0, 0);
  grid->addWidget(ZoomInButton, 0, 1);
  grid->addWidget(ZoomOutButton, 1, 0);
  grid->addWidget(PointerButton, 1, 1);
  grid->addWidget(LayersButton, 2, 0);
  grid->addWidget(ScaleButton, 2, 1);
  grid->addWidget(FitButton, 3, 0);
  grid->addWidget(PlayButton, 4, 0);
  grid->addWidget(StopButton, 4, 1);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(4, 4, 4, 4);
  layout->addLayout(grid);
  layout->addWidget(SecondsLabel);
  layout->addWidget(PhaseBox);
  layout->addWidget(ProgramBox);
  layout->addStretch(1);
  setFixedWidth(104);
}

void TToolPanel::SetPhaseItems(int n) {
  for (QAbstractButton* b : PhaseGroup->buttons()) {
    PhaseGroup->removeButton(b);
    delete b;
  }
  for (int i = 0; i < n; ++i) {
    auto* r = new QRadioButton(QString::number(i + 1), PhaseBox);
    PhaseGroup->addButton(r, i);
    PhaseGrid_->addWidget(r, i / 2, i % 2);
  }
}

int TToolPanel::PhaseCount() const { return static_cast<int>(PhaseGroup->buttons().size()); }

int TToolPanel::PhaseIndex() const { return PhaseGroup->checkedId(); }

void TToolPanel::SelectPhaseSilently(int index) {
  const QSignalBlocker block(PhaseGroup);
  if (QAbstractButton* b = PhaseGroup->button(index)) {
    b->setChecked(true);
    return;
  }
  // An exclusive group cannot uncheck its last button; lift the rule for a moment.
  if (QAbstractButton* checked = PhaseGroup->checkedButton()) {
    PhaseGroup->setExclusive(false);
    checked->setChecked(false);
    PhaseGroup->setExclusive(true);
  }
}

int TToolPanel::ProgramIndex() const { return ProgramGroup->checkedId(); }

void TToolPanel::SelectProgramSilently(int index) {
  const QSignalBlocker block(ProgramGroup);
  if (QAbstractButton* b = ProgramGroup->button(index)) b->setChecked(true);
}

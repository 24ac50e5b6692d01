// The editor window: its layout, menus, life cycle and the mirror of the
// session's state.
#include "EditFormUnit.h"

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QToolButton>
#include <QVBoxLayout>

#include "EditToolBar.h"
#include "edit/EditSession.h"
#include "edit/EditorDialogs.h"
#include "model/SVObject.h"
#include "platform/Dialogs.h"
#include "qt/Cursors.h"
#include "qt/Modal.h"
#include "qt/PaintBox.h"
#include "qt/ScreenFit.h"

QString TEditForm::Caption() { return QStringLiteral("Редактирование  схемы"); }

QCursor EditorCursor(int number) {
  if (number == CursorId::Cross) return QCursor(Qt::CrossCursor);
  if (number == CursorId::Arrow) return QCursor(Qt::ArrowCursor);
  return SchemeCursor(number);
}

TEditForm::TEditForm(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("TEditForm"));
  setWindowTitle(Caption());
  setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint |
                 Qt::WindowCloseButtonHint);
  setSizeGripEnabled(false);

  auto* bar = new QMenuBar(this);
  CreateMenus(bar);
  Tools_ = new TEditToolBar(this);
  Map_ = new TPaintBox(this);

  auto* body = new QHBoxLayout;
  body->setContentsMargins(0, 0, 0, 0);
  body->setSpacing(0);
  body->addWidget(CreateSidePanel());
  body->addWidget(Map_, 1);
  auto* layout = new QVBoxLayout(this);
  layout->setMenuBar(bar);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(Tools_);
  layout->addLayout(body, 1);
  auto* status = new QStatusBar(this);
  status->setSizeGripEnabled(false);
  Status_ = new QLabel(status);
  Status_->setObjectName(QStringLiteral("StatusLine"));
  status->addWidget(Status_, 1);
  layout->addWidget(status);
  ResizeWithinScreen(this, QSize(1100, 720));

  EdgeTimer_.setInterval(50);
  connect(&EdgeTimer_, &QTimer::timeout, this, [this] { EdgeTimerTick(Map_->mapFromGlobal(QCursor::pos())); });
  connect(Map_, &TPaintBox::CanvasChanged, this, &TEditForm::CanvasChanged);
  connect(Map_, &TPaintBox::MouseDown, this, [this](QPoint p, Qt::MouseButton b) {
    if (b == Qt::LeftButton) MapMouseDown(p);
  });
  connect(Map_, &TPaintBox::MouseMove, this, &TEditForm::MapMouseMove);
  connect(Map_, &TPaintBox::Wheel, this, &TEditForm::MapWheel);
  connect(Map_, &TPaintBox::MouseUp, this, [this](QPoint p, Qt::MouseButton b) {
    if (b == Qt::LeftButton) MapMouseUp(p);
  });
  connect(Tools_->Group(), &QButtonGroup::idClicked, this, &TEditForm::ToolClick);
  connect(Tools_->BaseButton(), &QToolButton::clicked, this, &TEditForm::BaseButtonClick);
}

TEditForm::~TEditForm() {
  qApp->removeEventFilter(this);
  // The session holds a reference to the dialog host: it goes first.
  Session_.reset();
}

void TEditForm::SetDialogHost(std::unique_ptr<TDialogHost> dialogs) {
  // The session asks the host it was made with; a new host needs a new session.
  Session_.reset();
  Scheme_ = nullptr;
  ItemDialogs_.reset();
  Dialogs_ = std::move(dialogs);
  if (Dialogs_) ItemDialogs_ = MakeEditorDialogs(*Dialogs_);
}

void TEditForm::CreateMenus(QMenuBar* bar) {
  QMenu* base = bar->addMenu(QStringLiteral("&Основа"));
  LoadBase_ = base->addAction(QStringLiteral("&Загрузить"));
  ShowBase_ = base->addAction(QStringLiteral("&Показать"));
  ShowBase_->setEnabled(false);
  base->addSeparator();
  Close_ = base->addAction(QStringLiteral("За&крыть"));
  Close_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_W));
  // The window without a frame's close box (no window manager) closes too.
  addAction(Close_);
  QMenu* scale = bar->addMenu(QStringLiteral("&Масштаб"));
  SetScale_ = scale->addAction(QStringLiteral("&Установить масштаб"));
  FitMenu_ = scale->addAction(QStringLiteral("&Отобразить целиком"));
  QMenu* transform = bar->addMenu(QStringLiteral("&Преобразования"));
  Align_ = transform->addAction(QStringLiteral("&Подгонка под основу"));
  MoveBase_ = transform->addAction(QStringLiteral("П&еренос"));
  CableType_ = transform->addAction(QStringLiteral("&Смена типа кабеля"));
  ResetRotation_ = transform->addAction(QStringLiteral("Сбросить п&оворот"));
  QMenu* mode = bar->addMenu(QStringLiteral("&Режим"));
  Mode_ = mode->addAction(QStringLiteral("&Просмотр"));

  connect(LoadBase_, &QAction::triggered, this, &TEditForm::LoadBaseClick);
  connect(ShowBase_, &QAction::triggered, this, &TEditForm::ShowBaseClick);
  connect(SetScale_, &QAction::triggered, this, &TEditForm::ScaleClick);
  connect(FitMenu_, &QAction::triggered, this, &TEditForm::FitClick);
  connect(Align_, &QAction::triggered, this, &TEditForm::AlignClick);
  connect(MoveBase_, &QAction::triggered, this, &TEditForm::MoveBaseClick);
  connect(CableType_, &QAction::triggered, this, &TEditForm::CableTypeClick);
  connect(ResetRotation_, &QAction::triggered, this, &TEditForm::ResetRotationClick);
  connect(Close_, &QAction::triggered, this, &TEditForm::reject);
  connect(Mode_, &QAction::triggered, this, &TEditForm::ViewModeClick);
}

QWidget* TEditForm::CreateSidePanel() {
  auto* panel = new QWidget(this);
  LayersButton_ = MakeEditButton(panel, "layers", "С", QStringLiteral("Управление слоями"), false);
  ScaleButton_ = MakeEditButton(panel, "scale", "М", QStringLiteral("Масштаб"), false);
  FitButton_ = MakeEditButton(panel, "fit", "▣", QStringLiteral("Показать целиком"), false);
  SaveButton_ = MakeEditButton(panel, "edit_save", "Сх", QStringLiteral("Сохранить изменения"), false);
  ViewButton_ = MakeEditButton(panel, "edit_view", "Пр", QStringLiteral("Редактирование/просмотр"), true);
  UndoButton_ = MakeEditButton(panel, "edit_undo", "↶", QStringLiteral("Отменить последнее действие"), false);
  RedoButton_ = MakeEditButton(panel, "edit_redo", "↷", QStringLiteral("Вернуть отменённое"), false);

  PhaseBox_ = new QGroupBox(QStringLiteral("Фазы"), panel);
  PhaseBox_->setToolTip(QStringLiteral("Выбор фазы"));
  PhaseGrid_ = new QGridLayout(PhaseBox_);
  PhaseGroup_ = new QButtonGroup(this);
  PhaseGroup_->setExclusive(true);

  auto* grid = new QGridLayout;
  grid->setSpacing(2);
  grid->addWidget(LayersButton_, 0, 0);
  grid->addWidget(ScaleButton_, 0, 1);
  grid->addWidget(FitButton_, 1, 0);
  grid->addWidget(SaveButton_, 1, 1);
  grid->addWidget(ViewButton_, 2, 0);
  grid->addWidget(UndoButton_, 3, 0);
  grid->addWidget(RedoButton_, 3, 1);
  auto* column = new QVBoxLayout(panel);
  column->setContentsMargins(4, 4, 4, 4);
  column->addLayout(grid);
  column->addWidget(PhaseBox_);
  column->addStretch(1);
  // As wide as the viewer's panel: two columns of phase buttons with their numbers.
  panel->setFixedWidth(104);

  connect(LayersButton_, &QToolButton::clicked, this, &TEditForm::LayersClick);
  connect(ScaleButton_, &QToolButton::clicked, this, &TEditForm::ScaleClick);
  connect(FitButton_, &QToolButton::clicked, this, &TEditForm::FitClick);
  connect(SaveButton_, &QToolButton::clicked, this, [this] { SaveClick(); });
  connect(ViewButton_, &QToolButton::clicked, this, &TEditForm::ViewModeClick);
  connect(UndoButton_, &QToolButton::clicked, this, &TEditForm::UndoClick);
  connect(RedoButton_, &QToolButton::clicked, this, &TEditForm::RedoClick);
  connect(PhaseGroup_, &QButtonGroup::idClicked, this, &TEditForm::PhaseClick);
  return panel;
}

QAbstractButton* TEditForm::ToolButton(const QString& hint) const { return Tools_->ButtonByHint(hint); }

QToolButton* TEditForm::BaseButton() const { return Tools_->BaseButton(); }

void TEditForm::Prepare(TSVObject& scheme, const TFileStamp& mapStamp) {
  if (!ItemDialogs_) return;
  if (!Session_ || Scheme_ != &scheme) {
    Session_.reset();
    Session_ = std::make_unique<TEditSession>(scheme, *ItemDialogs_);
    Scheme_ = &scheme;
  }
  MapStamp_ = mapStamp;
  Session_->SetCanvas(Map_->Canvas(), Map_->PictureWidth(), Map_->PictureHeight());
  Session_->Prepare();
  FitPending_ = true;
  RebuildPhaseSelector();
  Sync();
}

void TEditForm::ShowEditor() {
  if (!Session_) return;
  Session_->Show();
  Sync();
}

void TEditForm::Execute(TSVObject& scheme, const TFileStamp& mapStamp) {
  if (QWidget* owner = parentWidget()) {
    ResizeWithinScreen(this, owner->size().expandedTo(QSize(900, 600)));
    // The editor takes the place of the main window it hides.
    if (owner->isMaximized()) setWindowState(windowState() | Qt::WindowMaximized);
  }
  // Laid out before it is shown, so that the scheme is fitted into the paint
  // box the user will see.
  layout()->activate();
  Map_->SetPictureSize(Map_->size());
  Prepare(scheme, mapStamp);
  ShowEditor();
  ExecModal(*this);
}

void TEditForm::RebuildPhaseSelector() {
  for (QAbstractButton* b : PhaseGroup_->buttons()) {
    PhaseGroup_->removeButton(b);
    delete b;
  }
  const std::vector<std::string> items = Session_->PhaseItems();
  for (std::size_t i = 0; i < items.size(); ++i) {
    auto* r = new QRadioButton(QString::fromStdString(items[i]), PhaseBox_);
    PhaseGroup_->addButton(r, static_cast<int>(i));
    PhaseGrid_->addWidget(r, static_cast<int>(i) / 2, static_cast<int>(i) % 2);
    // The box may be on the screen already: new buttons are not shown by it.
    r->show();
  }
}

void TEditForm::CanvasChanged(TQtCanvas* canvas) {
  if (!Session_) return;
  Session_->SetCanvas(canvas, Map_->PictureWidth(), Map_->PictureHeight());
  if (FitPending_)
    Session_->Fit();
  else
    Session_->Repaint();
  Map_->update();
}

void TEditForm::Run(const std::function<void(TEditSession&)>& command) {
  if (!Session_) return;
  FitPending_ = false;
  command(*Session_);
  Sync();
}

void TEditForm::Sync() {
  if (!Session_) return;
  TEditSession& s = *Session_;
  setWindowTitle(s.Changed() ? Caption() + QStringLiteral(" *") : Caption());
  for (int i = 0; i < Tools_->Count(); ++i) Tools_->Button(i)->setEnabled(s.ToolEnabled(i));
  Tools_->CheckSilently(s.ActiveTool());
  const bool hasBase = s.BaseState() != TBaseState::None;
  QToolButton* base = Tools_->BaseButton();
  base->setEnabled(hasBase);
  base->setChecked(s.BaseState() == TBaseState::Shown);
  ShowBase_->setEnabled(hasBase);
  ShowBase_->setText(QStringLiteral("&") + QString::fromStdString(s.BaseMenuCaption()));
  Mode_->setText(s.Editing() ? QStringLiteral("&Просмотр") : QStringLiteral("&Редактирование"));
  ViewButton_->setChecked(!s.Editing());
  UndoButton_->setEnabled(s.UndoSteps() > 0);
  RedoButton_->setEnabled(s.RedoSteps() > 0);
  {
    const QSignalBlocker block(PhaseGroup_);
    if (QAbstractButton* b = PhaseGroup_->button(s.PhaseIndex())) b->setChecked(true);
  }
  Status_->setText(QString::fromStdString(s.Status()));
  Map_->setCursor(EditorCursor(s.Cursor()));
  Map_->update();
}

void TEditForm::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  // The editor's keys come before those of the focused control.
  qApp->installEventFilter(this);
}

void TEditForm::hideEvent(QHideEvent* event) {
  qApp->removeEventFilter(this);
  EdgeTimer_.stop();
  QDialog::hideEvent(event);
}

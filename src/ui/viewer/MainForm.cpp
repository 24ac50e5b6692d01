// The main window: layout, start-up, passports, painting, fit and presets.
#include <QApplication>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QResizeEvent>
#include <QMenu>
#include <QToolButton>
#include <QDir>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>

#include "Database.h"
#include "DataPathFormUnit.h"
#include "ProgramInfo.h"
#include "ToolPanel.h"
#include "ViewerVersions.h"
#include "MainForm.h"
#include "history/VersionedStore.h"
#include "model/SVObject.h"
#include "plan/SVInfo.h"
#include "plan/SVtime.h"
#include "platform/IniFile.h"
#include "platform/Messages.h"
#include "platform/UserNumbers.h"
#include "qt/Cursors.h"
#include "qt/Modal.h"
#include "qt/PaintBox.h"
#include "qt/ScreenFit.h"
#include "qt/QtMessages.h"
#include "qt/PassportLock.h"
#include "store/OpenPassport.h"

QString SecondsText(double remaining) { return QString::fromStdString(FormatUserGeneral(remaining, 5)); }

TMainForm::TMainForm(QWidget* parent) : QMainWindow(parent) {
  setWindowTitle(kNoPassportCaption);
  auto* central = new QWidget(this);
  Tools_ = new TToolPanel(central);
  Map_ = new TPaintBox(central);
  auto* layout = new QHBoxLayout(central);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(Tools_);
  layout->addWidget(Map_, 1);
  setCentralWidget(central);
  ResizeWithinScreen(this, QSize(1024, 700));
  UpdateMinimumSize();
  Tools_->installEventFilter(this);

  View_.Canvas = Map_->Canvas();
  View_.Normalize();
  CreateMenus();

  EdgeTimer_.setInterval(50);
  AnimTimer_.setInterval(250);
  connect(&EdgeTimer_, &QTimer::timeout, this, [this] { EdgeScrollTick(Map_->mapFromGlobal(QCursor::pos())); });
  connect(&AnimTimer_, &QTimer::timeout, this, &TMainForm::AnimationTick);
  connect(Map_, &TPaintBox::CanvasChanged, this, &TMainForm::CanvasChanged);
  connect(Map_, &TPaintBox::MouseDown, this, [this](QPoint p, Qt::MouseButton b) {
    if (b == Qt::LeftButton) MapMouseDown(p);
  });
  connect(Map_, &TPaintBox::MouseMove, this, &TMainForm::MapMouseMove);
  connect(Map_, &TPaintBox::MouseUp, this, [this](QPoint p, Qt::MouseButton b) {
    if (b == Qt::LeftButton) MapMouseUp(p);
  });
  connect(Map_, &TPaintBox::Wheel, this, &TMainForm::MapWheel);

  connect(Tools_->PanButton, &QToolButton::clicked, this, [this] { SetMouseMode(TMouseMode::PanReady); });
  connect(Tools_->ZoomInButton, &QToolButton::clicked, this, [this] { SetMouseMode(TMouseMode::ZoomInReady); });
  connect(Tools_->ZoomOutButton, &QToolButton::clicked, this, [this] { SetMouseMode(TMouseMode::ZoomOut); });
  connect(Tools_->PointerButton, &QToolButton::clicked, this, [this] { SetMouseMode(TMouseMode::Pointer); });
  connect(Tools_->LayersButton, &QToolButton::clicked, this, &TMainForm::LayersClick);
  connect(Tools_->ScaleButton, &QToolButton::clicked, this, &TMainForm::ScaleClick);
  connect(Tools_->FitButton, &QToolButton::clicked, this, &TMainForm::FitWhole);
  connect(Tools_->PlayButton, &QToolButton::clicked, this, &TMainForm::Play);
  connect(Tools_->StopButton, &QToolButton::clicked, this, &TMainForm::Stop);
  connect(Tools_->PhaseGroup, &QButtonGroup::idClicked, this, [this] { ChoosePhase(); });
  connect(Tools_->ProgramGroup, &QButtonGroup::idClicked, this, [this] { ChooseProgram(); });
}

TMainForm::~TMainForm() { Finish(); }

void TMainForm::ShowOnScreen() {
  setGeometry(AvailableArea(this));
  showMaximized();
}

// The tool panel at its smallest with a square of scheme beside it, the menu
// bar above; never more than the screen, where a panel taller than the
// screen has to give way.
void TMainForm::UpdateMinimumSize() {
  const QSize panel = Tools_->minimumSizeHint();
  const QSize client(panel.width() + panel.height(), panel.height() + menuBar()->sizeHint().height());
  setMinimumSize(SizeWithin(client, AvailableArea(this)));
}

bool TMainForm::Start() {
  RegisterCursors();
  Config_ = std::make_unique<TIniFile>(ConfigFilePath());
  if (!FindDatabase()) return false;
  OpenPassport(QStringLiteral("1"));
  return true;
}

// The database directory of the configuration; while it cannot be entered
// the user is asked for another one, until it can or the user gives up.
bool TMainForm::FindDatabase() {
  DatabaseDir_ = DatabaseDirFromConfig(*Config_);
  while (!DatabaseDirUsable(DatabaseDir_)) {
    MessageBoxOk(this, QMessageBox::Critical, QStringLiteral("База данных не найдена."), QStringLiteral("Ошибка"));
    if (!DataPathForm()->Execute(*Config_)) {
      MessageBoxOk(this, QMessageBox::Critical,
                   QStringLiteral("Не могу найти базу данных. Продолжение работы программы не возможно."),
                   QStringLiteral("Ошибка"));
      return false;
    }
    DatabaseDir_ = DatabaseDirFromConfig(*Config_);
  }
  return true;
}

bool TMainForm::OpenPassport(const QString& number) {
  if (!IsValidPassportNumber(number)) {
    ShowError("Номер объекта - от 1 до 5 букв или цифр.");
    return false;
  }
  if (!ConfirmInfoReload()) return false;
  const std::string dir = PassportDir(DatabaseDir_, number);
  if (!QDir().mkpath(QString::fromStdString(dir))) {
    ShowError("Не могу создать каталог паспорта. Имя каталога - " + dir);
    return false;
  }
  Marked_.clear();
  Scheme_.reset();
  // A versioned database records every save of the passport as its version,
  // its message what the save changed. The version is recorded after the
  // save returns, so that saving is as quick as in a plain folder.
  Scheme_ = ::OpenPassport(OpenDatabaseStore(DatabaseDir_, QtLockMaker(), ViewerRecordOptions(), ViewerRecordingFailure(this)),
                           "svo" + number.toStdString(),
                           TMissingFile::CreateEmpty)
                .Scheme;
  InfoRead();

  ShowPassportTitle();
  InitViewContext(View_, Map_->Canvas(), *Scheme_);
  // A new passport's clock starts in program I; the selector must say so,
  // and the cursor keeps showing the mouse mode, which stays as it was.
  Tools_->SelectProgramSilently(Scheme_->Time->Program);
  SetMouseMode(Nav_.Mode());
  RebuildPhaseSelector(Scheme_->Info->PhaseCount);
  UpdatePassportEntries();
  FitShown(*Scheme_, View_, Map_->PictureWidth(), Map_->PictureHeight());
  StartFitPending_ = !isVisible();
  Repaint();
  return true;
}

void TMainForm::ShowPassportTitle() {
  const QString title = QString::fromStdString(Scheme_->Info->AddressText());
  SetApplicationTitle(title);
  NotePassportRead();
  setWindowTitle(TitleShown());
}

QString TMainForm::TitleShown() const {
  QString shown = QString::fromStdString(Scheme_->Info->AddressText());
  // Unsaved edits of the passport information.
  if (Scheme_->Info->Modified) shown += QStringLiteral(" *");
  if (!EditedElsewhereBy_.isEmpty()) shown += QStringLiteral(" — только просмотр, схему изменяет ") + EditedElsewhereBy_;
  return shown;
}

QString TMainForm::PassportTitle() const {
  if (!Scheme_) return QString();
  return QString::fromStdString(Scheme_->Info->AddressText() + " (Объект № " + Scheme_->Info->ObjectNumber() + ") ");
}

void TMainForm::CanvasChanged(TQtCanvas* canvas) {
  View_.Canvas = canvas;
  if (Scheme_ && StartFitPending_) {
    const double sign = View_.SignScale;
    InitViewContext(View_, canvas, *Scheme_);
    View_.SignScale = sign;
    FitShown(*Scheme_, View_, Map_->PictureWidth(), Map_->PictureHeight());
  }
  Repaint();
}

void TMainForm::MapPaint() {
  if (!View_.Canvas) return;
  if (!Scheme_) {
    View_.Canvas->SetBrushColor(kSchemeBackground);
    View_.Canvas->FillRect(View_.Canvas->ClipRect());
    return;
  }
  PaintScheme(*Scheme_, View_, TSchemeLook::View);
  DrawMark();
  Heads_.PictureTaken(*Scheme_);
  Tools_->SelectPhaseSilently(Scheme_->Time->Phase - 1);
  Tools_->SecondsLabel->setText(SecondsText(Scheme_->Time->Remaining));
}

void TMainForm::Repaint() {
  MapPaint();
  Map_->update();
}

void TMainForm::FitWhole() {
  ViewTouched();
  if (Scheme_) FitVisible(*Scheme_, View_, Map_->PictureWidth(), Map_->PictureHeight());
  Repaint();
}

void TMainForm::ApplyPreset(TLayerPreset preset) {
  if (Scheme_) ApplyLayerPreset(*Scheme_, preset);
  Repaint();
}

void TMainForm::UpdatePassportEntries() {
  const bool uk = Scheme_ && Scheme_->Info->IsUK();
  // Both entries also wait for their windows; until then they stay off.
  for (QObject* entry : {static_cast<QObject*>(Menu_.Organisation), static_cast<QObject*>(Menu_.PrintTimeDiagram)}) {
    const bool available = entry->property("available").toBool();
    entry->setProperty("enabled", available && !uk);
  }
}

void TMainForm::Finish() {
  if (Finished_) return;
  Finished_ = true;
  EdgeTimer_.stop();
  AnimTimer_.stop();
  if (Config_ && Scheme_) Config_->WriteString("map", "lastTramscale", FormatLastTramscale(Scheme_->Info->RealScale));
  if (Scheme_) Scheme_->ClearAll();
}

bool TMainForm::eventFilter(QObject* watched, QEvent* event) {
  if (watched == Tools_ && event->type() == QEvent::LayoutRequest) UpdateMinimumSize();
  return QMainWindow::eventFilter(watched, event);
}

void TMainForm::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  const QSize minimum = minimumSize();
  if (event->size().width() < minimum.width() || event->size().height() < minimum.height())
    QTimer::singleShot(0, this, [this] { resize(size().expandedTo(minimumSize())); });
}

void TMainForm::closeEvent(QCloseEvent* event) {
  if (!Finished_ && !ConfirmInfoReload()) {
    event->ignore();
    return;
  }
  Finish();
  QMainWindow::closeEvent(event);
}

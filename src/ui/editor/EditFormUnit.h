#pragma once
// "Редактирование  схемы": the scheme editor window. A thin view over the
// editor session: it hands the session the user's mouse, keys, tool
// buttons and commands, shows the picture the session paints on the paint
// box and mirrors the session's state into its buttons and menus. Beyond
// the session it owns what touches files: the base image file, and saving
// the scheme so that no edit is lost without a question.
#include <QDialog>
#include <QTimer>
#include <functional>
#include <memory>

#include "qt/FileStamp.h"

class QAction;
class QButtonGroup;
class QGridLayout;
class QGroupBox;
class QKeyEvent;
class QLabel;
class QMenu;
class QToolButton;
class QAbstractButton;
class TDialogHost;
class TEditorDialogs;
class TEditSession;
class TEditToolBar;
class TPaintBox;
class TQtCanvas;
class TSVObject;
class TSetScale;
class TlayersDlg;

class TEditForm : public QDialog {
  Q_OBJECT

 public:
  // The caption, with its two blanks.
  static QString Caption();

  explicit TEditForm(QWidget* parent = nullptr);
  ~TEditForm() override;
  // What shows the item dialogs; the window keeps it. Set before Prepare.
  void SetDialogHost(std::unique_ptr<TDialogHost> dialogs);

  // Before the window is shown: the session on `scheme` (the main window's,
  // not owned), prepared and fitted into the paint box. `mapStamp`: the
  // scheme file as it was when the scheme was read.
  void Prepare(TSVObject& scheme, const TFileStamp& mapStamp);
  // When shown: the selection tool, no base image, nothing to undo.
  void ShowEditor();
  // Prepares, shows the window modally and returns when it is closed.
  void Execute(TSVObject& scheme, const TFileStamp& mapStamp);

  TEditSession* Session() const { return Session_.get(); }
  TPaintBox* Map() const { return Map_; }
  TEditToolBar* Tools() const { return Tools_; }
  QAbstractButton* ToolButton(const QString& hint) const;
  QToolButton* BaseButton() const;
  QButtonGroup* PhaseGroup() const { return PhaseGroup_; }
  QGroupBox* PhaseBox() const { return PhaseBox_; }
  QToolButton* LayersButton() const { return LayersButton_; }
  QToolButton* ScaleButton() const { return ScaleButton_; }
  QToolButton* FitButton() const { return FitButton_; }
  QToolButton* SaveButton() const { return SaveButton_; }
  QToolButton* ViewButton() const { return ViewButton_; }
  QToolButton* UndoButton() const { return UndoButton_; }
  QToolButton* RedoButton() const { return RedoButton_; }
  QAction* LoadBaseAction() const { return LoadBase_; }
  QAction* ShowBaseAction() const { return ShowBase_; }
  QAction* SetScaleAction() const { return SetScale_; }
  QAction* FitAction() const { return FitMenu_; }
  QAction* AlignAction() const { return Align_; }
  QAction* MoveBaseAction() const { return MoveBase_; }
  QAction* CableTypeAction() const { return CableType_; }
  QAction* ResetRotationAction() const { return ResetRotation_; }
  QAction* CloseAction() const { return Close_; }
  // The status line: what the active tool needs next, or why a click was
  // ignored.
  QLabel* StatusLine() const { return Status_; }
  QAction* ModeAction() const { return Mode_; }
  QTimer& EdgeTimer() { return EdgeTimer_; }
  const TFileStamp& MapStamp() const { return MapStamp_; }

  // --- handlers --------------------------------------------------------------
  void MapMouseDown(QPoint p);
  void MapMouseMove(QPoint p);
  void MapWheel(QPointF p, int steps);
  void MapMouseUp(QPoint p);
  void EdgeTimerTick(QPoint cursor);
  // A key the window sees before its controls; true when it was the editor's.
  bool KeyDown(const QKeyEvent& key);
  void ToolClick(int index);
  void BaseButtonClick();
  void LayersClick();
  void ScaleClick();
  void FitClick();
  // "Сохранить изменения": false when nothing was written (the user kept
  // someone else's newer file, or the writer failed); the edits stay.
  bool SaveClick();
  void ViewModeClick();
  void UndoClick();
  void RedoClick();
  void PhaseClick(int index);
  // "Загрузить": the file dialog, then the picture.
  void LoadBaseClick();
  // Reads the picture into the base image; on failure says why and keeps
  // the base image as it was.
  bool LoadBaseFile(const QString& path);
  // The same for a DXF survey plan; what it skipped is told after loading.
  bool LoadBaseDrawing(const QString& path);
  void ShowBaseClick();
  void AlignClick();
  void MoveBaseClick();
  void CableTypeClick();
  void ResetRotationClick();

  // Mirrors the session into the buttons, menus, cursor and caption, and
  // shows the picture.
  void Sync();

 public slots:
  // Closing: asks about unsaved edits first ("Отмена" keeps the window open).
  void reject() override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  void CreateMenus(class QMenuBar* bar);
  QWidget* CreateSidePanel();
  void RebuildPhaseSelector();
  void CanvasChanged(TQtCanvas* canvas);
  QString MapPath() const;
  // Runs a session command, then mirrors the result.
  void Run(const std::function<void(TEditSession&)>& command);

  std::unique_ptr<TDialogHost> Dialogs_;
  // The item dialogs over the host, kept for the program run: a new
  // passport gets a new session, but the dialogs keep their last choices.
  std::unique_ptr<TEditorDialogs> ItemDialogs_;
  std::unique_ptr<TEditSession> Session_;
  TSVObject* Scheme_ = nullptr;
  TFileStamp MapStamp_;
  // Until the user touches the view, a new paint box size fits the scheme
  // again (the window gets its size only when it is shown).
  bool FitPending_ = false;

  TEditToolBar* Tools_;
  TPaintBox* Map_;
  QToolButton* LayersButton_;
  QToolButton* ScaleButton_;
  QToolButton* FitButton_;
  QToolButton* SaveButton_;
  QToolButton* ViewButton_;
  QToolButton* UndoButton_;
  QToolButton* RedoButton_;
  QGroupBox* PhaseBox_;
  QGridLayout* PhaseGrid_;
  QButtonGroup* PhaseGroup_;
  QAction* LoadBase_;
  QAction* ShowBase_;
  QAction* SetScale_;
  QAction* FitMenu_;
  QAction* Align_;
  QAction* MoveBase_;
  QAction* CableType_;
  QAction* ResetRotation_;
  QAction* Close_;
  QLabel* Status_;
  QAction* Mode_;
  QTimer EdgeTimer_;
  TlayersDlg* LayersDialog_ = nullptr;
  TSetScale* ScaleDialog_ = nullptr;
};

// The cursor of a number the session asks for: the scheme cursors by their
// numbers, the arrow and the cross.
QCursor EditorCursor(int number);

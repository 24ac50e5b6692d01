#pragma once
// The scheme editor without its window: the tools, the placement of items
// and their labels, selection, deletion, undo and redo, the view and the base
// image. The window (or a script, or a test) feeds it the user's input in
// paint-box pixels and shows what it draws on its canvas; the item dialogs
// are asked through the dialog host.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "edit/CursorIds.h"
#include "edit/EditHistory.h"
#include "base/SchemeBase.h"
#include "edit/Placement.h"
#include "model/DrawContext.h"
#include "platform/Canvas.h"
#include "view/ViewNavigator.h"

class TSVObject;
class TDialogHost;
class TEditorDialogs;
class TEditTool;
class TPictureCache;

// The cursor numbers the session asks for besides the scheme cursors
// registered by the main window (5..26).
constexpr int kCursorArrow = CursorId::Arrow;
constexpr int kCursorCross = CursorId::Cross;

// One tool button: its hint, the cursor shown while it is active, and the
// layer that must be visible and editable for it to be enabled (0: always).
struct TToolInfo {
  std::string Hint;
  int Cursor = kCursorArrow;
  int Layer = 0;
};

enum class TEditKey { Esc, Delete, CtrlZ, CtrlY, KeypadPlus, KeypadMinus };

class TEditSession {
 public:
  // The scheme is not owned and must outlive the session; the canvas is the
  // paint box's, `width` × `height` pixels (it may be replaced later).
  TEditSession(TSVObject& scheme, TDialogHost& dialogs);
  // With item dialogs that outlive the session (not owned): the editor
  // window keeps one set for the whole program run, whichever passport it
  // edits, so every dialog offers its last choices again.
  TEditSession(TSVObject& scheme, TEditorDialogs& dialogs);
  ~TEditSession();
  TEditSession(const TEditSession&) = delete;
  TEditSession& operator=(const TEditSession&) = delete;

  // --- the paint box ---------------------------------------------------------
  void SetCanvas(TCanvas* canvas, int width, int height);
  int Width() const { return Width_; }
  int Height() const { return Height_; }

  // --- life cycle
  // -------------------------------------------------------------- Before the
  // window is shown: editing on, phase 1, the passport's real scale, the whole
  // scheme fitted, the tool enabling refreshed.
  void Prepare();
  // When the window is shown: the selection tool, no base image, nothing to
  // undo.
  void Show();
  // When the window closes: the placement in progress is cancelled, the
  // base image is dropped with the turn and scale the alignment gave the
  // scheme, the changed flag cleared.
  void Close();

  // --- tools
  // ------------------------------------------------------------------- Every
  // tool button in the order of the panel.
  static const std::vector<TToolInfo>& Tools();
  // Whether the button of tool `index` (into Tools()) may be pressed now.
  bool ToolEnabled(int index) const;
  // Re-reads the layer switches (after the layer dialog).
  void RefreshEnabling();
  // Presses the button with that hint; false (and nothing changes) when
  // there is no such tool or it is disabled.
  bool ChooseTool(const std::string& hint);
  // The hint of the active tool's button (label placement keeps its tool's).
  std::string ToolHint() const;
  int ActiveTool() const { return Tool_; }

  // --- the mouse, in paint-box pixels
  // ----------------------------------------------
  void MouseDown(int x, int y);
  void MouseMove(int x, int y);
  void MouseUp(int x, int y);
  // One tick of the edge-scrolling timer; the cursor where it is now. True
  // while the timer should keep running.
  bool EdgeTick(int x, int y);
  // Whether a mouse move asked for the edge timer to start.
  bool EdgeTimerWanted() const { return Nav_.EdgeTimerWanted(); }

  // --- keys and commands
  // -------------------------------------------------------------
  void Key(TEditKey key);
  // The mouse wheel: `steps` notches away from the user (negative: towards)
  // zoom in by a quarter each, keeping the scheme point under (x, y).
  void Wheel(double x, double y, int steps);
  // "Показать целиком".
  void Fit();
  // "Сохранить изменения": writes the scheme to the passport's map.txt;
  // false when it could not be written (the error has been shown). A label
  // still following the mouse is cancelled first, with its item.
  bool Save();
  // "Сбросить поворот": the scheme loses the turn and scale of "Подгонка
  // под основу"; the scheme point at the paint box's centre stays there.
  void ResetRotation();
  // "Редактирование/просмотр".
  void ToggleEditing();
  bool Editing() const { return Editing_; }
  // "Отменить последнее действие" and redo.
  void Undo();
  void Redo();
  int UndoSteps() const { return History_.UndoSteps(); }
  int RedoSteps() const { return History_.RedoSteps(); }
  // "Смена типа кабеля" on the selected cables.
  void ChangeCableType();
  // The phase selector: item `index` (0-based) chosen.
  void ChoosePhase(int index);
  // The items of the phase selector ("1" … n).
  std::vector<std::string> PhaseItems() const;
  int PhaseIndex() const { return PhaseIndex_; }

  // --- base image
  // --------------------------------------------------------------- A loaded
  // image or survey plan becomes the base, shown.
  void LoadBase(TRasterImage image);
  void LoadBase(TBaseDrawing drawing);
  // "Показать"/"Спрятать" and the base image button.
  void ToggleBase();
  TBaseState BaseState() const { return Base_->State(); }
  const TRasterImage& BaseImage() const { return Base_->Image(); }
  const TSchemeBase& Base() const { return *Base_; }
  // The caption the "Показать" menu item shows now.
  std::string BaseMenuCaption() const { return BaseState() == TBaseState::Shown ? "Спрятать" : "Показать"; }

  // --- output
  // ---------------------------------------------------------------------
  // Paints the whole paint box.
  void Repaint();
  // The cursor number to show.
  int Cursor() const { return Cursor_; }
  // Edits not yet saved.
  bool Changed() const { return Changed_; }
  // The status line: why the latest click was ignored, or else what the
  // active tool needs next.
  std::string Status() const;
  // The editor's view of the scheme (zoom, origin, base image position).
  TDrawContext& Context() { return Ctx_; }
  const TDrawContext& Context() const { return Ctx_; }
  // Placement points held by the placement in progress.
  int PointCount() const { return Place_.Count; }
  const TPlacement& Placement() const { return Place_; }
  TSVObject& Scheme() { return Scheme_; }
  // Pan and zoom of the view, shared with the viewer.
  TViewNavigator& Navigator() { return Nav_; }

  // --- what the tools use (not for the window)
  // -------------------------------------
  TEditorDialogs& Dialogs() { return *Dialogs_; }
  TPlacement& Place() { return Place_; }
  // Snaps the current placement point with the type code: true when found.
  bool Snap(std::uint32_t typeCode);
  bool SnapEx(std::uint32_t typeCode);
  // Forgets the current point (a click the tool ignores), saying why on the
  // status line until the next click.
  void DropPoint(const std::string& why);
  // Adds the current object to its layer, selected, as one undoable step.
  TSVItem* AddCurrent();
  // Adds the current object, then cancels (back to the tool's start).
  void AddAndRestart();
  // Cancels the placement in progress: frees the unfinished object (and,
  // during label placement, the label's owner), empties the points.
  void Cancel();
  // Switches to label placement for `label` of the just added `owner`;
  // `keepFirst`: the label starts with placement point 0 and snap entry 0.
  void StartLabel(TSVItem* owner, TSVItem* label, bool keepFirst);
  // The label placement has its three points.
  void FinishLabel();
  void SetCursor(int cursor) { Cursor_ = cursor; }
  // An XOR preview: the previous one is erased (drawn again) first. A
  // repaint forgets it.
  void ShowRubber(std::function<void()> draw);
  // The current object's own preview with the points held and `mode`.
  void ItemRubber(int mode);
  // The second step of a two-click tool: after the first click, point 1
  // follows the mouse and the current object previews itself.
  void FollowSecondPoint(int x, int y);
  // The scheme as last fully painted, then the current object's preview:
  // label and free-text placement, where the preview is not XOR-erasable.
  void RepaintWithPreview(int mode);
  int CurrentPhase() const;

 private:
  void Init();
  // The view without the turn and scale of an alignment.
  void Unrotate();
  void ApplyKeypadZoom(double factor);
  // Changes the view by `apply` holding the placement in progress on the
  // scheme.
  void ZoomKeepingPlacement(const std::function<void()>& apply);
  TEditTool& Active();

  TSVObject& Scheme_;
  std::unique_ptr<TEditorDialogs> OwnDialogs_;
  TEditorDialogs* Dialogs_ = nullptr;
  TDrawContext Ctx_;
  // The editor's edge timer stops as soon as the cursor leaves the edges.
  TViewNavigator Nav_{Ctx_, TNavigatorStyle{false}};
  TCanvas* Canvas_ = nullptr;
  int Width_ = 0;
  int Height_ = 0;
  std::unique_ptr<TSchemeBase> Base_ = std::make_unique<TSchemeBase>();
  std::vector<std::unique_ptr<TEditTool>> ToolObjects_;
  std::vector<bool> Enabled_;
  int Tool_ = 0;
  TPlacement Place_;
  // Label placement: the label's tool object, and what returns after it.
  std::unique_ptr<TEditTool> LabelTool_;
  bool PlacingLabel_ = false;
  int SavedCursor_ = kCursorArrow;
  int Cursor_ = kCursorArrow;
  bool Editing_ = true;
  bool Changed_ = false;
  // During label placement: the changed flag as it would be without the
  // label's item, which a cancel removes again.
  bool ChangedWithoutOwner_ = false;
  std::string Note_;
  std::function<void()> Rubber_;
  TEditHistory History_;
  int PhaseIndex_ = 0;
  std::unique_ptr<TPictureCache> Cache_;
};

#pragma once
// The main window: the viewer of one passport. It shows the scheme in a
// paint box, pans and zooms it, switches layer presets, plays the signal
// plan over it, and owns the program's start-up: the configuration, the
// database directory and the first passport.
#include <QMainWindow>
#include <QTimer>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "DialogHolder.h"
#include "InfoFileStamp.h"
#include "check/Finding.h"
#include "model/DrawContext.h"
#include "qt/FileStamp.h"
#include "view/SchemeView.h"
#include "view/ViewNavigator.h"

class QAction;
class QMenu;
class TComplForm;
class TCompareForm;
class THistoryForm;
class TTramSForm;
class TtexForm;
class TChooseObjectForm;
class TDataPathForm;
class TExportForm;
class TIniFile;
enum class TPrefer;
struct TSyncConflict;
class TPaintBox;
class TQtCanvas;
class TSVObject;
class TSetScale;
class TToolPanel;
class TlayersDlg;
class TInfoForm;
class TPhaseForm;
class TNaprDataForm;
class Texoform;
class TPlanGridDialog;

// The menu entries, for the windows that attach to them later.
struct TMainMenu {
  QAction* LoadPassport = nullptr;
  QAction* SaveSchemeAs = nullptr;
  QAction* PublishDatabase = nullptr;
  QAction* ExportTables = nullptr;
  QAction* Exit = nullptr;
  QAction* GeneralInfo = nullptr;
  QMenu* Organisation = nullptr;
  QAction* ByPhases = nullptr;
  QAction* ByDirections = nullptr;
  QAction* NonStandard = nullptr;
  QAction* ChangeTable = nullptr;
  QAction* EquipmentTable = nullptr;
  QAction* TramHeads = nullptr;
  QAction* SaveInfo = nullptr;
  QAction* Edit = nullptr;
  QAction* SetScale = nullptr;
  QAction* ShowWhole = nullptr;
  QAction* PresetAll = nullptr;
  QAction* PresetCable = nullptr;
  QAction* PresetTsrd = nullptr;
  QAction* PresetOdd = nullptr;
  QAction* PrintScheme = nullptr;
  QAction* PrintTimeDiagram = nullptr;
  QAction* PrintTablesWord = nullptr;
  QAction* PrintTramHeads = nullptr;
  QAction* PrintTsrd = nullptr;
  QAction* PrintOdd = nullptr;
  QAction* PrintCable = nullptr;
  QAction* DataPath = nullptr;
  QAction* PageSetup = nullptr;
  QAction* HelpContents = nullptr;
  QAction* About = nullptr;
};

// What the scheme printing entries hand to the print dialog.
struct TPrintRequest {
  enum TMode { Scheme, TimeDiagram, TramHeads };
  TMode Mode = Scheme;
  QString Title;
  // The layer-set prints: their pictures carry no phase caption.
  bool LayerSet = false;
};

class TMainForm : public QMainWindow {
  Q_OBJECT

 public:
  using TMouseMode = TNavMode;
  using TEdge = TNavEdge;

  explicit TMainForm(QWidget* parent = nullptr);
  ~TMainForm() override;

  // Configuration, database directory (asking for it when it is missing),
  // the first passport and its fit. False when the user gave up finding the
  // database: the program ends.
  bool Start();
  // Shows the window maximised; where no window manager maximises it, it
  // still takes the screen's available area.
  void ShowOnScreen();

  TSVObject* Scheme() const { return Scheme_.get(); }
  TDrawContext& View() { return View_; }
  TPaintBox* Map() const { return Map_; }
  TToolPanel* Tools() const { return Tools_; }
  const TMainMenu& Menu() const { return Menu_; }
  TIniFile* Config() const { return Config_.get(); }
  const std::string& DatabaseDir() const { return DatabaseDir_; }
  // The dialogs, created on first use and kept.
  TDialogHolder& Dialogs() { return Dialogs_; }
  TDataPathForm* DataPathForm() { return Dialogs_.DataPath(); }
  TChooseObjectForm* ChooseObjectForm() { return Dialogs_.ChooseObject(); }
  TlayersDlg* LayersDialog() { return Dialogs_.Layers(); }
  TSetScale* ScaleDialog() { return Dialogs_.Scale(); }

  // Opens database directory + "svo" + number, creating the directory when
  // it is missing. A number that is not 1 to 5 letters or digits is refused.
  bool OpenPassport(const QString& number);
  // Passport title + " (Объект № N) ".
  QString PassportTitle() const;

  // The paint handler: background, every layer in the viewer's look, the
  // phase selector and the seconds label.
  void Repaint();
  void FitWhole();
  void ApplyPreset(TLayerPreset preset);

  TMouseMode MouseMode() const { return Nav_.Mode(); }
  void SetMouseMode(TMouseMode mode);
  void MapMouseDown(QPoint p);
  void MapMouseMove(QPoint p);
  void MapMouseUp(QPoint p);
  // Zooms about the cursor by whole wheel notches.
  void MapWheel(QPointF p, int steps);
  // The keys: the origin moves by (dx, dy) pixels; the zoom changes by the
  // factor about the paint box's centre.
  void PanView(int dx, int dy);
  void ZoomView(double factor);
  // One tick of the edge scroll timer with the cursor at `cursor` (paint box coordinates).
  void EdgeScrollTick(QPoint cursor);
  TEdge EdgeDirection() const { return Nav_.Edge(); }
  QTimer& EdgeTimer() { return EdgeTimer_; }

  void RebuildPhaseSelector(int n);
  void ChoosePhase();
  void ChooseProgram();
  void Play();
  void Stop();
  void AnimationTick();
  QTimer& AnimationTimer() { return AnimTimer_; }

  void LayersClick();
  void ScaleClick();
  void LoadPassportClick();
  // "Сохранить схему как…": the picture as the window shows it, into a PNG
  // image or an SVG drawing, the scheme as a DXF drawing, or its printed
  // page as PDF, in the file the user names.
  void SaveSchemeAsClick();
  void PublishDatabaseClick();
  // Writes the scheme to `path`, its format by the extension (.svg, .dxf,
  // .pdf, else PNG); false when it could not be written (the old file stays).
  bool SaveShownScheme(const std::string& path);
  void DataPathClick();
  // "Автор изменений…": who the versions saved from now on are recorded
  // under, the open passport's included.
  void AuthorClick();
  // "Синхронизировать базу", "Сделать базу общей…".
  void SyncDatabaseClick();
  void ShareDatabaseClick();
  // What "Сравнить…" of the sync's conflict question opens: the passport and
  // the shared database's version of it.
  void SetVersionComparer(std::function<void(const std::string&, const std::string&)> compare);
  // "История паспорта…": the versions of the open passport, or how to turn
  // versions on where the database keeps none.
  void PassportHistoryClick();
  void AboutClick();
  void HelpClick();
  // "Печать схемы расстановки ТСРД" and its two siblings: the preset
  // question, then the print dialog.
  void PrintPresetClick(TLayerPreset preset);
  // Where the print entries go; they stay disabled until one is set.
  void SetPrintHandler(std::function<void(const TPrintRequest&)> handler);

  // "&Изменить" (F4): the scheme editor on this window's scheme object. The
  // runner shows the editor modally; meanwhile this window is hidden and its
  // animation paused. Afterwards the passport is read again from disk (the
  // editor saves what it keeps) and the phase shown before is shown again,
  // when the passport still has it.
  //
  // While the editor runs, the passport's lock keeps other instances of the
  // program to viewing; a passport another instance is editing is not
  // opened in the editor here (the user is told who holds it).
  using TEditorRunner = std::function<void(TMainForm&, TSVObject&)>;
  void SetEditorRunner(TEditorRunner runner);
  void EditClick();
  // map.txt as it was when the shown scheme was read.
  const TFileStamp& MapStamp() const { return MapStamp_; }
  // Who edits the shown passport in another instance, empty when nobody;
  // taken when the passport is read and shown in the title.
  const QString& EditedElsewhereBy() const { return EditedElsewhereBy_; }

  // "Общая информация по СО" and "Организация движения": the general
  // information and the signal-plan tables, created on first use and kept.
  TInfoForm* InfoForm() { return Dialogs_.Info(); }
  TPhaseForm* PhaseForm() { return Dialogs_.Phases(); }
  TNaprDataForm* NaprDataForm() { return Dialogs_.Directions(); }
  Texoform* ExoForm() { return Dialogs_.NonStandard(); }
  // A confirmed general information may change the object type and the
  // number of phases: the entries, the title and the phase selector follow.
  void GeneralInfoClick();
  void PlanTableClick(TPlanGridDialog* table);
  // "Экспорт таблиц в Word" and "Печать таблиц через Word": the export
  // dialog over the passport, focused on "Экспорт" or on "Печать".
  void ExportTablesClick(bool print);
  TExportForm* ExportForm() { return Dialogs_.Export(); }

  // The items a finding of the check concerns: framed on the map until
  // other items are marked, the mark is cleared or the passport is read
  // again. None clears the mark.
  void MarkItems(std::vector<TItemRef> items);
  const std::vector<TItemRef>& MarkedItems() const { return Marked_; }
  // The box around the marked items on the map, in its pixels; empty
  // (Right < Left) when nothing is marked.
  TRect MarkBox();

  // The end of the program: writes [map] lastTramscale once.
  void Finish();

  // The passport information the user keeps: the change log, equipment and
  // tram-head tables of "Светофорный объект", "Сохранить информацию о СО"
  // (Ctrl+S), and the question before anything reads the passport again
  // over edits not yet written.
  void ChangeTableClick();
  void EquipmentTableClick();
  void TramHeadsClick();
  TtexForm* ChangeForm() { return Dialogs_.Changes(); }
  TComplForm* EquipmentForm() { return Dialogs_.Equipment(); }
  TTramSForm* TramSchemeForm() { return Dialogs_.TramSchemes(); }
  // Writes info.txt, asking first when the file changed on disk since it
  // was read; false when it was not written.
  bool SaveInfo();
  // When the information holds unsaved edits, asks "Сохранить изменения
  // информации о СО?": "Да" saves, "Нет" lets them go; false for "Отмена"
  // (or a save that did not happen): nothing may be read again.
  bool ConfirmInfoReload();
  // The title shows an asterisk while the information holds unsaved edits.
  void InfoChanged();

 protected:
  void closeEvent(QCloseEvent* event) override;
  // The tool panel's layout changed (phase items, fonts): the minimum follows.
  bool eventFilter(QObject* watched, QEvent* event) override;
  // A display without a window manager lets the window be made smaller than
  // its minimum; it grows back.
  void resizeEvent(QResizeEvent* event) override;

 private:
  void CreateMenus();
  // Arrows (Shift: farther) and keypad plus and minus.
  void CreateViewKeys();
  // The window cannot be made so small that the tool panel's controls overlap.
  void UpdateMinimumSize();
  void AttachPlanTables();
  void WireTableExport();
  // "База светофорных объектов" and "Проверка паспорта…" with their windows.
  void CreateCheckEntries(QMenu* file, QMenu* object);
  // "Сравнить с паспортом…" and its window.
  void CreateCompareEntry(QMenu* object);
  void CreateSyncEntries(QMenu* file);
  void CreateAuthorEntry(QMenu* options);
  // After a sync: the open passport read again when the sync wrote its
  // files — it is among `received`, or, with none given (the sync failed
  // part-way), its files changed on disk. True when it was read again.
  bool ReloadSyncedPassport(const std::vector<std::string>* received);
  // "История паспорта…" and its window; wires the conflict question's "Сравнить…".
  void CreateHistoryEntry(QMenu* object);
  // Restores version `rev` of the open passport and reads it again; false
  // when it was not restored (the user was told why).
  bool RestoreVersion(const std::string& rev);
  // Waits for the versions the open passport's saves are still recording
  // (the history, a restore and a sync must see them).
  void SettleVersions();
  // The working passport `passport` against its version `rev`, in a modal window.
  void CompareVersion(const std::string& passport, const std::string& rev);
  // The question of a passport changed on both sides.
  TPrefer AskConflict(const TSyncConflict& conflict);
  std::function<void(const std::string&, const std::string&)> CompareVersions_;
  void DrawMark();
  bool FindDatabase();
  void CanvasChanged(TQtCanvas* canvas);
  void MapPaint();
  void UpdatePassportEntries();
  void ShowPassportTitle();
  // Remembers the scheme file as just read and whether another instance
  // holds the passport.
  void NotePassportRead();
  void ReloadPassport(int phase);
  void ViewTouched() { StartFitPending_ = false; }
  void CreateInfoEntries(QMenu* object);
  // The window title: the passport, an asterisk for unsaved information,
  // and who edits the scheme elsewhere.
  QString TitleShown() const;
  // After info.txt was read: nothing unsaved, the file remembered as read.
  void InfoRead();

  std::unique_ptr<TIniFile> Config_;
  std::string DatabaseDir_;
  std::unique_ptr<TSVObject> Scheme_;
  TDrawContext View_;
  THeadRedraw Heads_;
  TPaintBox* Map_;
  TToolPanel* Tools_;
  TMainMenu Menu_;
  // The viewer's edge timer ticks on until the cursor leaves the paint box.
  TViewNavigator Nav_{View_, TNavigatorStyle{true}};
  QTimer EdgeTimer_;
  QTimer AnimTimer_;
  // Until the user moves the view, resizing the window fits the scheme
  // again (the window is laid out only after the passport is loaded).
  bool StartFitPending_ = false;
  bool Finished_ = false;
  std::function<void(const TPrintRequest&)> PrintHandler_;
  TEditorRunner EditorRunner_;
  TFileStamp MapStamp_;
  QString EditedElsewhereBy_;

  TDialogHolder Dialogs_{*this};
  TInfoFileStamp InfoStamp_;
  std::vector<TItemRef> Marked_;
  TCompareForm* CompareForm_ = nullptr;
  THistoryForm* HistoryForm_ = nullptr;
};

// Remaining seconds as the label shows them: up to 5 significant digits,
// with a decimal comma ("12,5").
QString SecondsText(double remaining);

#include "EditSession.h"

#include <cmath>
#include <cstdlib>

#include "EditTool.h"
#include "EditorDialogs.h"
#include "PictureCache.h"
#include "ToolTable.h"
#include "items/ECable.h"
#include "model/Geometry.h"
#include "model/SchemeColors.h"
#include "model/SVObject.h"
#include "plan/SVInfo.h"
#include "plan/SVtime.h"
#include "platform/Messages.h"
#include "view/SchemeView.h"

namespace {

}  // namespace

TEditSession::TEditSession(TSVObject& scheme, TDialogHost& dialogs)
    : Scheme_(scheme), OwnDialogs_(MakeEditorDialogs(dialogs)), Cache_(std::make_unique<TPictureCache>()) {
  Dialogs_ = OwnDialogs_.get();
  Init();
}

TEditSession::TEditSession(TSVObject& scheme, TEditorDialogs& dialogs)
    : Scheme_(scheme), Dialogs_(&dialogs), Cache_(std::make_unique<TPictureCache>()) {
  Init();
}

void TEditSession::Init() {
  for (const TToolEntry& e : ToolEntries()) {
    ToolObjects_.push_back(e.Make());
    ToolObjects_.back()->SetSteps(e.Steps);
  }
  Enabled_.assign(ToolObjects_.size(), true);
  Ctx_.Normalize();
  Ctx_.HitTolerance = 3;
}

TEditSession::~TEditSession() = default;

const std::vector<TToolInfo>& TEditSession::Tools() {
  static const std::vector<TToolInfo> infos = [] {
    std::vector<TToolInfo> v;
    for (const TToolEntry& e : ToolEntries()) v.push_back(e.Info);
    return v;
  }();
  return infos;
}

void TEditSession::SetCanvas(TCanvas* canvas, int width, int height) {
  Canvas_ = canvas;
  Width_ = width;
  Height_ = height;
  Ctx_.Canvas = canvas;
  Rubber_ = nullptr;
  Cache_->Forget();
}

TEditTool& TEditSession::Active() {
  if (PlacingLabel_) return *LabelTool_;
  return *ToolObjects_[static_cast<std::size_t>(Tool_)];
}

// --- life cycle
// -------------------------------------------------------------------

void TEditSession::Prepare() {
  Editing_ = true;
  Unrotate();
  Ctx_.HitTolerance = 3;
  Ctx_.ObjectScale = Scheme_.Info->RealScale;
  ChoosePhase(0);
  Fit();
  RefreshEnabling();
}

void TEditSession::Show() {
  Cancel();
  Tool_ = 0;
  Nav_.SetMode(TNavMode::Pointer);
  Cursor_ = Tools()[0].Cursor;
  Active().Start(*this);
  Base_->Drop();
  History_.Clear();
  Repaint();
}

void TEditSession::Close() {
  Cancel();
  Base_->Drop();
  // The turn and scale of an alignment fit the scheme to the image just
  // dropped; without it they only distort the scheme.
  Unrotate();
  Changed_ = false;
}

void TEditSession::Unrotate() {
  Ctx_.Angle = 0;
  Ctx_.BaseScale = 1;
  Ctx_.Normalize();
}

void TEditSession::ResetRotation() {
  ZoomKeepingPlacement([this] {
    const double cx = Width_ / 2.0, cy = Height_ / 2.0;
    // The scheme point under the centre, to the fraction of a pixel.
    const double k = Ctx_.BaseScale * Ctx_.Zoom;
    const double u = (cx - Ctx_.OriginX) / k, v = (cy - Ctx_.OriginY) / k;
    const double wx = u * Ctx_.CosAngle + v * Ctx_.SinAngle;
    const double wy = -u * Ctx_.SinAngle + v * Ctx_.CosAngle;
    Unrotate();
    Ctx_.OriginX = cx - wx * Ctx_.Zoom;
    Ctx_.OriginY = cy - wy * Ctx_.Zoom;
  });
}

// --- tools
// ------------------------------------------------------------------------

bool TEditSession::ToolEnabled(int index) const {
  return index >= 0 && index < static_cast<int>(Enabled_.size()) && Enabled_[static_cast<std::size_t>(index)];
}

void TEditSession::RefreshEnabling() {
  const auto& infos = Tools();
  for (std::size_t i = 0; i < infos.size(); ++i) {
    const int n = infos[i].Layer;
    Enabled_[i] = n == 0 || Scheme_.Layer(n).IsEditableNow();
  }
}

bool TEditSession::ChooseTool(const std::string& hint) {
  const auto& infos = Tools();
  for (std::size_t i = 0; i < infos.size(); ++i) {
    const std::string& former = ToolEntries()[i].FormerHint;
    if (infos[i].Hint != hint && (former.empty() || former != hint)) continue;
    if (!Enabled_[i]) return false;
    Cancel();
    Tool_ = static_cast<int>(i);
    // The view tools put the navigator in their mode when they start.
    Nav_.SetMode(TNavMode::Pointer);
    Cursor_ = infos[i].Cursor;
    Active().Start(*this);
    Repaint();
    return true;
  }
  return false;
}

std::string TEditSession::ToolHint() const { return Tools()[static_cast<std::size_t>(Tool_)].Hint; }

// --- mouse
// ------------------------------------------------------------------------

void TEditSession::MouseDown(int x, int y) {
  // A placement never holds more than its hundred points: the tools that
  // collect points end at the hundredth, so a press beyond is not recorded.
  if (Place_.Full()) return;
  Note_.clear();
  Place_.Points[static_cast<std::size_t>(Place_.Count)] = TPoint{x, y};
  Place_.Snap[static_cast<std::size_t>(Place_.Count)] = TSnapEntry{};
  ++Place_.Count;
  TEditTool& tool = Active();
  if (tool.Dragging()) {
    tool.Press(*this);
    return;
  }
  if (!Editing_) {
    Cancel();
    if (Active().WorksInView()) {
      Place_.Points[0] = TPoint{x, y};
      Place_.Count = 1;
      Active().Press(*this);
    }
  } else {
    tool.Press(*this);
  }
  Repaint();
}

void TEditSession::MouseMove(int x, int y) {
  // The edge under the cursor; while panning the scheme follows the cursor
  // (the pan tool repaints).
  Nav_.Move(TPoint{x, y}, Width_, Height_);
  Active().Move(*this, x, y);
}

void TEditSession::MouseUp(int x, int y) {
  if (Active().Release(*this, x, y)) {
    Place_.Count = 0;
    Repaint();
  }
}

bool TEditSession::EdgeTick(int x, int y) {
  const TEdgeTick tick = Nav_.EdgeTick(x, y, TRect{0, 0, Width_, Height_});
  if (tick.Scrolled()) {
    // The placement in progress stays attached to the scheme.
    for (int i = 0; i < Place_.Count; ++i) {
      Place_.Points[static_cast<std::size_t>(i)].x += tick.Dx;
      Place_.Points[static_cast<std::size_t>(i)].y += tick.Dy;
    }
    Repaint();
  }
  return tick.KeepTicking;
}

// --- keys and commands
// ----------------------------------------------------------------

void TEditSession::Key(TEditKey key) {
  switch (key) {
    case TEditKey::Esc:
      Cancel();
      Repaint();
      break;
    case TEditKey::Delete: {
      Cancel();
      // Deleted items stay in their layers, hidden, for undo; the history
      // keeps every deletion, not only the last.
      std::vector<TSVItem*> gone;
      for (int n = 1; n <= kLayerCount; ++n) {
        TLayer& layer = Scheme_.Layer(n);
        if (!layer.IsEditableNow()) continue;
        for (const auto& p : layer.Items())
          if (p->Selected && !p->Hidden) {
            p->Hidden = true;
            p->Selected = false;
            gone.push_back(p.get());
          }
      }
      if (!gone.empty()) {
        History_.Deleted(std::move(gone));
        Changed_ = true;
      }
      Repaint();
      break;
    }
    case TEditKey::CtrlZ:
      Undo();
      break;
    case TEditKey::CtrlY:
      Redo();
      break;
    case TEditKey::KeypadPlus:
      ApplyKeypadZoom(TViewNavigator::kZoomInStep);
      break;
    case TEditKey::KeypadMinus:
      ApplyKeypadZoom(TViewNavigator::kKeyZoomOut);
      break;
  }
}

void TEditSession::ApplyKeypadZoom(double factor) {
  ZoomKeepingPlacement([&] { Nav_.KeyZoom(factor); });
}

void TEditSession::Wheel(double x, double y, int steps) {
  if (steps == 0) return;
  const std::optional<double> z = Nav_.WheelZoom(steps);
  if (!z) return;
  ZoomKeepingPlacement([&] { Ctx_.ZoomAt(*z, x, y); });
}

void TEditSession::ZoomKeepingPlacement(const std::function<void()>& apply) {
  // Points not snapped are held in world coordinates across the zoom, so
  // the placement in progress stays where it was on the scheme.
  for (int i = 0; i < Place_.Count; ++i) {
    TSnapEntry& s = Place_.Snap[static_cast<std::size_t>(i)];
    if (!s.Found) {
      const TPoint p = Place_.Points[static_cast<std::size_t>(i)];
      Ctx_.ScreenToWorld(p.x, p.y, s.X, s.Y);
    }
  }
  apply();
  for (int i = 0; i < Place_.Count; ++i) {
    const TSnapEntry& s = Place_.Snap[static_cast<std::size_t>(i)];
    Place_.Points[static_cast<std::size_t>(i)] = Ctx_.WorldToScreen(s.X, s.Y);
  }
  Repaint();
}

void TEditSession::Fit() {
  FitVisible(Scheme_, Ctx_, Width_, Height_);
  Repaint();
}

bool TEditSession::Save() {
  // A label following the mouse has no place yet, and its item is finished
  // only with it: the file gets neither, as after Esc.
  if (PlacingLabel_) {
    Cancel();
    Repaint();
  }
  if (!Scheme_.SaveMap()) return false;
  Changed_ = false;
  return true;
}

void TEditSession::ToggleEditing() {
  Editing_ = !Editing_;
  Repaint();
}

void TEditSession::Undo() {
  // During label placement the owner has not been finished: undoing is
  // cancelling it.
  if (PlacingLabel_) {
    Cancel();
  } else if (History_.Undo(Scheme_)) {
    Changed_ = true;
  }
  Repaint();
}

void TEditSession::Redo() {
  if (PlacingLabel_) {
    Cancel();
  } else if (History_.Redo(Scheme_)) {
    Changed_ = true;
  }
  Repaint();
}

void TEditSession::ChangeCableType() {
  TLayer& cables = Scheme_.Layer(TLayerId::Cables);
  if (cables.CountSelected() == 0) {
    ShowError("Не был выбран ни один участок кабеля.");
    return;
  }
  int type = 0;
  if (!Dialogs_->CableType(type)) return;
  std::vector<TEditHistory::TTypeChange> changes;
  cables.ForEachSelected([&](TSVItem& item) {
    if (auto* cable = dynamic_cast<TECable*>(&item)) {
      changes.push_back({cable, cable->CableType, static_cast<std::uint8_t>(type)});
      cable->CableType = static_cast<std::uint8_t>(type);
    }
  });
  if (!changes.empty()) {
    History_.CableTypes(std::move(changes));
    Changed_ = true;
    // A label being placed meanwhile may still be cancelled; this edit stays.
    ChangedWithoutOwner_ = true;
  }
  Repaint();
}

int TEditSession::CurrentPhase() const { return Scheme_.Time->Phase; }

std::vector<std::string> TEditSession::PhaseItems() const {
  std::vector<std::string> items;
  for (int k = 1; k <= Scheme_.Info->Phases.Count; ++k) items.push_back(std::to_string(k));
  return items;
}

void TEditSession::ChoosePhase(int index) {
  PhaseIndex_ = index;
  ShowPhase(Scheme_, index + 1);
  Cancel();
  Scheme_.Layer(TLayerId::Directions).DeselectLayer();
  Repaint();
}

// --- base image
// ---------------------------------------------------------------------

void TEditSession::LoadBase(TRasterImage image) {
  Base_->Load(std::move(image));
  Repaint();
}

void TEditSession::LoadBase(TBaseDrawing drawing) {
  Base_->Load(std::move(drawing));
  Repaint();
}

void TEditSession::ToggleBase() {
  if (Base_->State() == TBaseState::None) return;
  Base_->Toggle();
  Repaint();
}

// --- placement services
// ------------------------------------------------------------------

bool TEditSession::Snap(std::uint32_t typeCode) {
  TSnapEntry& s = Place_.LastSnap();
  const TPoint p = Place_.Last();
  double x = 0, y = 0;
  if (!Scheme_.FindAnchor(p.x, p.y, typeCode, Ctx_, x, y)) return false;
  s.X = x;
  s.Y = y;
  s.Found = true;
  return true;
}

bool TEditSession::SnapEx(std::uint32_t typeCode) {
  TSnapEntry& s = Place_.LastSnap();
  const TPoint p = Place_.Last();
  double x = 0, y = 0, x2 = 0, y2 = 0;
  if (!Scheme_.FindAnchorEx(p.x, p.y, typeCode, Ctx_, x, y, x2, y2)) return false;
  s = TSnapEntry{x, y, true, x2, y2};
  return true;
}

void TEditSession::DropPoint(const std::string& why) {
  if (Place_.Count > 0) --Place_.Count;
  Note_ = why;
}

std::string TEditSession::Status() const {
  if (!Note_.empty()) return Note_;
  const TEditTool& tool =
      PlacingLabel_ ? *LabelTool_ : *ToolObjects_[static_cast<std::size_t>(Tool_)];
  if (!Editing_ && !tool.WorksInView() && !tool.Dragging())
    return "Режим просмотра: схема не изменяется; вернуться к правке — «Редактирование/просмотр»";
  return tool.Step(*this);
}

TSVItem* TEditSession::AddCurrent() {
  if (!Place_.Current) return nullptr;
  TSVItem* item = Place_.Current.get();
  Scheme_.DeselectAll();
  if (Scheme_.AddItem(std::move(Place_.Current)) == 0) return nullptr;
  item->Selected = true;
  History_.Added(item);
  ChangedWithoutOwner_ = Changed_;
  Changed_ = true;
  return item;
}

void TEditSession::AddAndRestart() {
  AddCurrent();
  Cancel();
}

void TEditSession::Cancel() {
  if (PlacingLabel_) {
    // The label's item goes with it: an item is finished with its label.
    TSVItem* owner = Place_.LabelOwner;
    PlacingLabel_ = false;
    Place_.Label = nullptr;
    Place_.LabelOwner = nullptr;
    History_.Forget(owner);
    if (owner && owner->Owner) {
      TLayerOpened opened(*owner->Owner);
      owner->Owner->RemoveLayerItem(owner);
    }
    Changed_ = ChangedWithoutOwner_;
    Cursor_ = SavedCursor_;
    LabelTool_.reset();
  }
  Place_.Current.reset();
  Place_.Count = 0;
  Rubber_ = nullptr;
  Note_.clear();
  Active().Start(*this);
}

void TEditSession::StartLabel(TSVItem* owner, TSVItem* label, bool keepFirst) {
  Place_.Current.reset();
  Place_.Count = keepFirst ? 1 : 0;
  Place_.Label = label;
  Place_.LabelOwner = owner;
  SavedCursor_ = Cursor_;
  Cursor_ = CursorId::PlaceText;
  LabelTool_ = MakeLabelTool();
  PlacingLabel_ = true;
}

void TEditSession::FinishLabel() {
  TSVItem* label = Place_.Label;
  label->PlaceAt(Ctx_, Place_.Points, Place_.Snap, Place_.Count);
  if (TSVItem* owner = Place_.LabelOwner; owner && owner->Owner) owner->Owner->ShowText = true;
  Place_.Label = nullptr;
  Place_.LabelOwner = nullptr;
  PlacingLabel_ = false;
  Cursor_ = SavedCursor_;
  Place_.Count = 0;
  Changed_ = true;
  Active().Start(*this);
}

// --- drawing
// ---------------------------------------------------------------------------

void TEditSession::Repaint() {
  Rubber_ = nullptr;
  if (!Canvas_) return;
  TCanvas& c = *Canvas_;
  c.SetClipRect(TRect{0, 0, Width_, Height_});
  PaintBackground(c, TSchemeLook::Edit);
  Base_->Draw(c, Ctx_, Width_, Height_, kSchemeBackground);
  DrawScheme(Scheme_, Ctx_, Editing_ ? TSchemeLook::Edit : TSchemeLook::View);
  Cache_->Taken(c);
}

void TEditSession::ShowRubber(std::function<void()> draw) {
  if (!Canvas_) return;
  if (Rubber_) Rubber_();
  Rubber_ = std::move(draw);
  if (Rubber_) Rubber_();
}

void TEditSession::ItemRubber(int mode) {
  TSVItem* item = Place_.Label ? Place_.Label : Place_.Current.get();
  if (!item) return;
  const TScreenPoints pts = Place_.Points;
  ShowRubber([this, item, pts, mode] { item->DrawRubber(Ctx_, pts, mode); });
}

void TEditSession::FollowSecondPoint(int x, int y) {
  if (Place_.Count != 1 || !Place_.Current) return;
  Place_.Points[1] = TPoint{x, y};
  ItemRubber(1);
}

void TEditSession::RepaintWithPreview(int mode) {
  if (!Canvas_) return;
  // The scheme as last painted comes back from the cache when the canvas
  // keeps one; otherwise it is painted again.
  if (!Cache_->Restore(*Canvas_)) Repaint();
  Rubber_ = nullptr;
  TSVItem* item = Place_.Label ? Place_.Label : Place_.Current.get();
  if (item && mode > 0) item->DrawRubber(Ctx_, Place_.Points, mode);
}

#include "SymbolTools.h"

#include "EditSession.h"
#include "EditorDialogs.h"
#include "items/Contr.h"
#include "items/ECable.h"
#include "items/LinedText.h"
#include "items/STOLB.h"
#include "items/SVRealText.h"
#include "items/SVText.h"
#include "items/WELL.h"
#include "model/SVObject.h"

namespace {

// Asks the text dialog and, on a text, starts placing it as the label of
// `owner`; otherwise the placement ends.
template <typename TOwner>
void AskPlainLabel(TEditSession& s, TOwner* owner) {
  std::string text;
  if (owner && s.Dialogs().Text(text) && !text.empty()) {
    owner->Label = TSVText::MakeLabel(owner, text, 1.0);
    s.StartLabel(owner, owner->Label.get(), true);
    return;
  }
  s.Cancel();
}

class TWellTool : public TEditTool {
 public:
  void Press(TEditSession& s) override {
    TPlacement& p = s.Place();
    p.Current = TSVObject::CreateItem(TypeCode::WELL);
    s.Snap(SnapRequest::Well);
    auto* well = dynamic_cast<TWELL*>(p.Current.get());
    well->PlaceAt(s.Context(), p.Points, p.Snap, 1);
    if (!s.AddCurrent()) {
      s.Cancel();
      return;
    }
    // The label hangs on the well itself, wherever the click was.
    p.Snap[0] = TSnapEntry{well->X, well->Y, true, 0, 0};
    AskPlainLabel(s, well);
  }
};

class TCabinetTool : public TEditTool {
 public:
  explicit TCabinetTool(std::uint8_t kind) : Kind_(kind) {}

  void Press(TEditSession& s) override {
    TPlacement& p = s.Place();
    if (p.Count == 1) {
      auto contr = std::make_unique<TContr>(TypeCode::Contr);
      contr->Kind = Kind_;
      p.Current = std::move(contr);
      s.Snap(SnapRequest::Cabinet);
      return;
    }
    auto* contr = dynamic_cast<TContr*>(p.Current.get());
    contr->PlaceAt(s.Context(), p.Points, p.Snap, 2);
    if (!s.AddCurrent()) {
      s.Cancel();
      return;
    }
    AskPlainLabel(s, contr);
  }

  void Move(TEditSession& s, int x, int y) override { s.FollowSecondPoint(x, y); }

 private:
  std::uint8_t Kind_;
};

class TPoleTool : public TEditTool {
 public:
  void Press(TEditSession& s) override {
    TPlacement& p = s.Place();
    auto pole = std::make_unique<TSTOLB>(TypeCode::STOLB);
    s.Snap(SnapRequest::Pole);
    TSTOLB* raw = pole.get();
    if (!s.Dialogs().Pole(*raw)) {
      s.Cancel();
      return;
    }
    p.Current = std::move(pole);
    raw->PlaceAt(s.Context(), p.Points, p.Snap, 1);
    if (!s.AddCurrent()) {
      s.Cancel();
      return;
    }
    if (raw->Label && !raw->Label->Text.empty())
      s.StartLabel(raw, raw->Label.get(), true);
    else
      s.Cancel();
  }
};

class TCableTool : public TEditTool {
 public:
  void Press(TEditSession& s) override {
    TPlacement& p = s.Place();
    if (p.Count == 1) {
      p.Current = TSVObject::CreateItem(TypeCode::ECable);
      s.Snap(SnapRequest::Cable);
      return;
    }
    s.Snap(SnapRequest::Cable);
    auto* cable = dynamic_cast<TECable*>(p.Current.get());
    cable->PlaceAt(s.Context(), p.Points, p.Snap, 2);
    int type = 0;
    std::string upper, lower;
    if (!s.Dialogs().Cable(type, upper, lower)) {
      s.Cancel();
      return;
    }
    cable->CableType = static_cast<std::uint8_t>(type);
    if (!s.AddCurrent()) {
      s.Cancel();
      return;
    }
    if (upper.empty() && lower.empty()) {
      s.Cancel();
      return;
    }
    cable->Label = TLinedText::MakeLabel(cable, upper, lower, 1.0);
    s.StartLabel(cable, cable->Label.get(), false);
  }

  void Move(TEditSession& s, int x, int y) override { s.FollowSecondPoint(x, y); }
};

class TFreeTextTool : public TEditTool {
 public:
  void Press(TEditSession& s) override {
    TPlacement& p = s.Place();
    if (p.Count == 1) {
      std::string text;
      if (!s.Dialogs().Text(text) || text.empty()) {
        s.Cancel();
        return;
      }
      p.Current = TSVRealText::MakeFreeText(text);
      return;
    }
    if (p.Count < 3) return;
    p.Current->PlaceAt(s.Context(), p.Points, p.Snap, 2);
    s.Scheme().Layer(TLayerId::CurbsRails).ShowText = true;
    s.AddAndRestart();
  }

  void Move(TEditSession& s, int x, int y) override {
    TPlacement& p = s.Place();
    if (p.Count < 1 || !p.Current) return;
    p.Points[static_cast<std::size_t>(p.Count)] = TPoint{x, y};
    s.RepaintWithPreview(p.Count);
  }
};

}  // namespace

std::unique_ptr<TEditTool> MakeWellTool() { return std::make_unique<TWellTool>(); }
std::unique_ptr<TEditTool> MakeCabinetTool(std::uint8_t kind) { return std::make_unique<TCabinetTool>(kind); }
std::unique_ptr<TEditTool> MakePoleTool() { return std::make_unique<TPoleTool>(); }
std::unique_ptr<TEditTool> MakeCableTool() { return std::make_unique<TCableTool>(); }
std::unique_ptr<TEditTool> MakeFreeTextTool() { return std::make_unique<TFreeTextTool>(); }

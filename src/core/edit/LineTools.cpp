#include "LineTools.h"

#include "EditSession.h"
#include "EditorDialogs.h"
#include "items/Build.h"
#include "items/LinedText.h"
#include "items/MarkArrow.h"
#include "items/Napr.h"
#include "items/SVText.h"
#include "items/SingleLine.h"
#include "model/Geometry.h"
#include "model/SVObject.h"
#include "plan/SVtime.h"

namespace {

class TTwoClickTool : public TEditTool {
 public:
  TTwoClickTool(std::uint32_t code, bool snap, TTwoClickEnd end) : Code_(code), Snap_(snap), End_(end) {}

  void Press(TEditSession& s) override {
    TPlacement& p = s.Place();
    if (p.Count == 1) {
      p.Current = TSVObject::CreateItem(Code_);
      if (Snap_) s.Snap(Code_);
      return;
    }
    if (Snap_) s.Snap(Code_);
    TSVItem& item = *p.Current;
    switch (End_) {
      case TTwoClickEnd::Add:
        item.PlaceAt(s.Context(), p.Points, p.Snap, 2);
        s.AddCurrent();
        break;
      case TTwoClickEnd::LineDialog: {
        int kind = 0;
        if (s.Dialogs().Line(kind)) {
          if (auto* line = dynamic_cast<TSingleLine*>(&item)) line->LineKind = static_cast<std::uint8_t>(kind);
          item.PlaceAt(s.Context(), p.Points, p.Snap, 2);
          s.AddCurrent();
        }
        break;
      }
      case TTwoClickEnd::ArrowDialog: {
        item.PlaceAt(s.Context(), p.Points, p.Snap, 2);
        int kind = 0;
        if (s.Dialogs().LaneArrow(kind)) {
          if (auto* arrow = dynamic_cast<TMarkArrow*>(&item)) arrow->ArrowKind = kind;
          s.AddCurrent();
        }
        break;
      }
    }
    s.Cancel();
  }

  void Move(TEditSession& s, int x, int y) override { s.FollowSecondPoint(x, y); }

 private:
  std::uint32_t Code_;
  bool Snap_;
  TTwoClickEnd End_;
};

class TArcTool : public TEditTool {
 public:
  TArcTool(std::uint32_t code, bool movePoints) : Code_(code), Move_(movePoints) {}

  void Press(TEditSession& s) override {
    TPlacement& p = s.Place();
    if (p.Count == 1) p.Current = TSVObject::CreateItem(Code_);
    if (p.Count <= 2) {
      // The curb's end jumps to the anchor it snapped to, so the arc drawn
      // while choosing its bend starts where the curb will.
      if (s.Snap(Code_) && Move_) p.Last() = s.Context().WorldToScreen(p.LastSnap().X, p.LastSnap().Y);
      return;
    }
    p.Current->PlaceAt(s.Context(), p.Points, p.Snap, 3);
    s.AddAndRestart();
  }

  void Move(TEditSession& s, int x, int y) override {
    TPlacement& p = s.Place();
    if (p.Count < 1 || !p.Current) return;
    p.Points[static_cast<std::size_t>(p.Count)] = TPoint{x, y};
    s.ItemRubber(p.Count);
  }

 private:
  std::uint32_t Code_;
  bool Move_;
};

class TPathTool : public TEditTool {
 public:
  TPathTool(std::uint32_t code, bool closesOnFirst) : Code_(code), ClosesOnFirst_(closesOnFirst) {}

  void Press(TEditSession& s) override {
    TPlacement& p = s.Place();
    if (p.Count == 1) {
      p.Current = TSVObject::CreateItem(Code_);
      if (!ClosesOnFirst_) s.Snap(Code_);
      return;
    }
    if (!Closes(s) && !p.Full()) return;
    if (ClosesOnFirst_)
      FinishBuilding(s);
    else
      FinishDirection(s);
  }

  void Move(TEditSession& s, int x, int y) override {
    TPlacement& p = s.Place();
    if (p.Count < 1 || !p.Current || p.Full()) return;
    p.Points[static_cast<std::size_t>(p.Count)] = TPoint{x, y};
    s.ItemRubber(p.Count);
  }

 private:
  // The latest click lies closer than the hit tolerance to an earlier
  // point (for a direction, not counting its first).
  bool Closes(TEditSession& s) const {
    const TPlacement& p = s.Place();
    const TPoint last = p.Points[static_cast<std::size_t>(p.Count - 1)];
    const double tolerance = s.Context().HitTolerance;
    for (int i = ClosesOnFirst_ ? 0 : 1; i < p.Count - 1; ++i)
      if (PointDistance(p.Points[static_cast<std::size_t>(i)], last) < tolerance) return true;
    return false;
  }

  void FinishBuilding(TEditSession& s) {
    TPlacement& p = s.Place();
    p.Current->PlaceAt(s.Context(), p.Points, p.Snap, p.Count - 1);
    auto* build = dynamic_cast<TBuild*>(p.Current.get());
    TSVItem* added = s.AddCurrent();
    std::string text;
    if (build && added && s.Dialogs().Text(text) && !text.empty()) {
      build->Label = TSVText::MakeLabel(build, text, 1.0);
      s.StartLabel(build, build->Label.get(), true);
      return;
    }
    s.Cancel();
  }

  void FinishDirection(TEditSession& s) {
    TPlacement& p = s.Place();
    auto* napr = dynamic_cast<TNapr*>(p.Current.get());
    std::string label;
    if (!napr || !s.Dialogs().Napr(*napr, s.CurrentPhase(), label)) {
      s.Cancel();
      return;
    }
    napr->PlaceAt(s.Context(), p.Points, p.Snap, p.Count - 1);
    if (!s.AddCurrent()) {
      s.Cancel();
      return;
    }
    if (label.empty()) {
      s.Cancel();
      return;
    }
    napr->Label = TLinedText::MakeLabel(napr, label, "", 1.0);
    s.StartLabel(napr, napr->Label.get(), false);
  }

  std::uint32_t Code_;
  bool ClosesOnFirst_;
};

}  // namespace

std::unique_ptr<TEditTool> MakeTwoClickTool(std::uint32_t typeCode, bool snap, TTwoClickEnd end) {
  return std::make_unique<TTwoClickTool>(typeCode, snap, end);
}

std::unique_ptr<TEditTool> MakeArcTool(std::uint32_t typeCode, bool movePoints) {
  return std::make_unique<TArcTool>(typeCode, movePoints);
}

std::unique_ptr<TEditTool> MakePathTool(std::uint32_t typeCode, bool closesOnFirst) {
  return std::make_unique<TPathTool>(typeCode, closesOnFirst);
}

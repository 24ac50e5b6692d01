#include "ViewTools.h"

#include "EditSession.h"
#include "ToolTable.h"
#include "model/Geometry.h"
#include "model/SVObject.h"

namespace {

const char* const kNoBase = "Основа не загружена: загрузите её командой «Основа» → «Загрузить»";

// A 1-pixel dotted white XOR rectangle.
void DragFrame(TEditSession& s, const TRect& r) {
  TCanvas* c = s.Context().Canvas;
  if (!c) return;
  s.ShowRubber([c, r] {
    SetPen(*c, clWhite, TPenMode::Xor, 1, TPenStyle::Dot);
    c->SetBrushStyle(TBrushStyle::Clear);
    c->Rectangle(r.Left, r.Top, r.Right, r.Bottom);
  });
}

class TSelectTool : public TEditTool {
 public:
  bool WorksInView() const override { return true; }
  void Start(TEditSession&) override { Dragging_ = false; }
  void Press(TEditSession& s) override {
    s.Scheme().DeselectAll();
    From_ = s.Place().Points[0];
    Dragging_ = true;
  }
  void Move(TEditSession& s, int x, int y) override {
    if (Dragging_) DragFrame(s, RectFromPoints(From_.x, From_.y, x, y));
  }
  bool Release(TEditSession& s, int x, int y) override {
    if (!Dragging_) return false;
    Dragging_ = false;
    s.Scheme().SelectInRect(s.Context(), RectFromPoints(From_.x, From_.y, x, y));
    // Deleted items wait hidden for undo; they cannot be picked.
    for (int n = 1; n <= kLayerCount; ++n)
      for (const auto& item : s.Scheme().Layer(n).Items())
        if (item->Hidden) item->Selected = false;
    return true;
  }

 private:
  TPoint From_;
  bool Dragging_ = false;
};

// Pan: the navigator moves the view as the mouse drags (the session hands
// it every move); the tool shows the grabbing hand and repaints.
class TPanTool : public TEditTool {
 public:
  bool Dragging() const override { return true; }
  void Start(TEditSession& s) override { s.Navigator().SetMode(TNavMode::PanReady); }
  void Press(TEditSession& s) override {
    s.Navigator().Press(s.Place().Last());
    s.SetCursor(CursorId::Fist);
  }
  void Move(TEditSession& s, int, int) override {
    if (s.Navigator().Mode() == TNavMode::Panning) s.Repaint();
  }
  bool Release(TEditSession& s, int x, int y) override {
    if (!s.Navigator().Release(TPoint{x, y}, s.Width(), s.Height())) return false;
    s.SetCursor(CursorId::Hand);
    return true;
  }
};

// Base move: the press grabs the base image, moves drag it, the release
// lets go.
class TBaseMoveTool : public TEditTool {
 public:
  bool Dragging() const override { return true; }
  void Start(TEditSession&) override { Held_ = false; }
  void Press(TEditSession& s) override {
    Held_ = true;
    From_ = s.Place().Last();
    BaseX_ = s.Context().BaseImageX;
    BaseY_ = s.Context().BaseImageY;
    s.SetCursor(CursorId::Hand);
  }
  void Move(TEditSession& s, int x, int y) override {
    if (!Held_) return;
    TDrawContext& ctx = s.Context();
    // Measured from the press, so rounding does not creep in move by move.
    ctx.BaseImageX = BaseX_ + Round((x - From_.x) / ctx.Zoom);
    ctx.BaseImageY = BaseY_ + Round((y - From_.y) / ctx.Zoom);
    s.Repaint();
  }
  bool Release(TEditSession& s, int, int) override {
    if (!Held_) return false;
    Held_ = false;
    s.SetCursor(CursorId::Hand);
    return true;
  }
  std::string Step(const TEditSession& s) const override {
    if (s.BaseState() == TBaseState::None) return kNoBase;
    return TEditTool::Step(s);
  }

 private:
  bool Held_ = false;
  TPoint From_;
  int BaseX_ = 0, BaseY_ = 0;
};

// Zoom-in: a drag frames the part to show, a click zooms in (the
// navigator's rules); the tool draws the frame while the mouse drags.
class TZoomInTool : public TEditTool {
 public:
  bool WorksInView() const override { return true; }
  void Start(TEditSession& s) override { s.Navigator().SetMode(TNavMode::ZoomInReady); }
  void Press(TEditSession& s) override { s.Navigator().Press(s.Place().Points[0]); }
  void Move(TEditSession& s, int x, int y) override {
    if (s.Navigator().Mode() == TNavMode::ZoomInDragging) DragFrame(s, s.Navigator().Frame(TPoint{x, y}));
  }
  bool Release(TEditSession& s, int x, int y) override {
    return s.Navigator().Release(TPoint{x, y}, s.Width(), s.Height());
  }
};

class TZoomOutTool : public TEditTool {
 public:
  bool WorksInView() const override { return true; }
  void Start(TEditSession& s) override { s.Navigator().SetMode(TNavMode::ZoomOut); }
  void Press(TEditSession& s) override {
    s.Navigator().Press(s.Place().Last());
    s.Place().Count = 0;
  }
};

class TAlignTool : public TEditTool {
 public:
  std::string Step(const TEditSession& s) const override {
    if (s.BaseState() == TBaseState::None) return kNoBase;
    return TEditTool::Step(s);
  }
  void Press(TEditSession& s) override {
    TPlacement& p = s.Place();
    if (p.Count < 4) return;
    TDrawContext& ctx = s.Context();
    const TRealPoint first = ctx.ScreenToWorld(p.Points[0].x, p.Points[0].y);
    ctx.AlignBySegments(p.Points);
    // The base image follows so that the point clicked on it (the third
    // click) lies under the first scheme point where that point is now.
    const TPoint now = ctx.WorldToScreen(first.x, first.y);
    ctx.BaseImageX += Round((now.x - p.Points[2].x) / ctx.Zoom);
    ctx.BaseImageY += Round((now.y - p.Points[2].y) / ctx.Zoom);
    p.Count = 0;
  }
  void Move(TEditSession& s, int x, int y) override {
    TPlacement& p = s.Place();
    if (p.Count >= 4) return;
    p.Points[static_cast<std::size_t>(p.Count)] = TPoint{x, y};
    TCanvas* c = s.Context().Canvas;
    if (!c || p.Count < 1) return;
    const TPoint q[4] = {p.Points[0], p.Points[1], p.Points[2], p.Points[3]};
    const int n = p.Count;
    s.ShowRubber([c, q, n] {
      SetPen(*c, clWhite, TPenMode::Xor, 1, TPenStyle::Solid);
      const auto cross = [c](TPoint a) {
        c->Line(a.x - 15, a.y, a.x + 15, a.y);
        c->Line(a.x, a.y - 15, a.x, a.y + 15);
      };
      cross(q[0]);
      c->Line(q[0].x, q[0].y, q[1].x, q[1].y);
      if (n >= 2) cross(q[1]);
      if (n >= 3) {
        cross(q[2]);
        c->Line(q[2].x, q[2].y, q[3].x, q[3].y);
      }
    });
  }
};

class TLabelTool : public TEditTool {
 public:
  TLabelTool() {
    // A plain label starts with its item's click, a leader label with a
    // click of its own on the cable or direction.
    SetSteps({"Щёлкните кабель или направление там, откуда пойдёт выноска подписи",
              "Щёлкните, где начинается подпись", "Щёлкните, куда направлена подпись"});
  }
  void Press(TEditSession& s) override {
    TPlacement& p = s.Place();
    // A leader label starts on a cable or a direction.
    if (p.Count == 1) s.Snap(SnapRequest::LinedLabel);
    if (p.Count >= 3) s.FinishLabel();
  }
  void Move(TEditSession& s, int x, int y) override {
    TPlacement& p = s.Place();
    if (p.Count >= 3) return;
    p.Points[static_cast<std::size_t>(p.Count)] = TPoint{x, y};
    s.RepaintWithPreview(p.Count);
  }
};

}  // namespace

std::unique_ptr<TEditTool> MakeSelectTool() { return std::make_unique<TSelectTool>(); }
std::unique_ptr<TEditTool> MakePanTool() { return std::make_unique<TPanTool>(); }
std::unique_ptr<TEditTool> MakeZoomInTool() { return std::make_unique<TZoomInTool>(); }
std::unique_ptr<TEditTool> MakeZoomOutTool() { return std::make_unique<TZoomOutTool>(); }
std::unique_ptr<TEditTool> MakeBaseMoveTool() { return std::make_unique<TBaseMoveTool>(); }
std::unique_ptr<TEditTool> MakeAlignTool() { return std::make_unique<TAlignTool>(); }
std::unique_ptr<TEditTool> MakeLabelTool() { return std::make_unique<TLabelTool>(); }

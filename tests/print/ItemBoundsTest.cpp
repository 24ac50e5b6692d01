// Fitting a page uses the items' bounds: every item must lie inside its
// bounds in the look it is drawn in, on screen and on a 600-dpi printer.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>

#include "items/ECable.h"
#include "items/Ferma.h"
#include "items/PedLine.h"
#include "items/WELL.h"
#include "model/DrawContext.h"
#include "model/Geometry.h"
#include "platform/RecordingCanvas.h"

namespace {

// The pixels a recorded primitive covers, its pen included.
TRect Covered(const TCanvasOp& op) {
  int l = op.Points[0].x, t = op.Points[0].y, r = l, b = t;
  for (const TPoint p : op.Points) {
    l = std::min(l, p.x);
    t = std::min(t, p.y);
    r = std::max(r, p.x);
    b = std::max(b, p.y);
  }
  if (op.Kind == TCanvasOpKind::FillRect) return TRect{l, t, r, b};
  // A pen wider than a pixel is centred on the outline.
  const int half = op.Pen.Width / 2;
  return TRect{l - half, t - half, r + half, b + half};
}

struct TLookCase {
  const char* Name;
  double LineFactor;
  double SignScale;
  double Zoom;
  bool Print;
};

// Screen at two sign scales, and a 600-dpi printer whose preview-to-device
// factor makes symbols large and millimetres 23.6 pixels.
const TLookCase kLooks[] = {
    {"screen", 1.0, 1.0, 1.0, false},
    {"screen, large signs", 1.0, 2.5, 0.4, false},
    {"600 dpi", 600 / 25.4, 5.0, 3.7, true},
    {"600 dpi, small scheme", 600 / 25.4, 5.0, 0.3, true},
};

using TMaker = std::function<std::unique_ptr<TSVItem>()>;

template <class T>
std::unique_ptr<TSVItem> Line(std::uint32_t code, double x1, double y1, double x2, double y2,
                              std::function<void(T&)> setup = {}) {
  auto item = std::make_unique<T>(code);
  item->X1 = x1;
  item->Y1 = y1;
  item->X2 = x2;
  item->Y2 = y2;
  if (setup) setup(*item);
  return item;
}

TEST(ItemBounds, HoldEverythingTheItemPaintsInEveryLook) {
  const std::pair<const char*, TMaker> items[] = {
      {"crossing line, long and slanted", [] { return Line<TPedLine>(26, 10, 20, 170, 95); }},
      {"crossing line shorter than a dash", [] { return Line<TPedLine>(26, 40, 40, 49, 46); }},
      {"portal gantry, slanted", [] { return Line<TFerma>(17, 30, 10, 130, 70); }},
      {"cantilever gantry, upright",
       [] { return Line<TFerma>(17, 80, 20, 80, 140, [](TFerma& f) { f.Cantilever = 1; }); }},
  };
  std::vector<std::pair<std::string, TMaker>> all(std::begin(items), std::end(items));
  for (int type = 0; type <= 5; ++type)
    all.emplace_back("cable of type " + std::to_string(type), [type] {
      return Line<TECable>(5, 15, 60, 190, 25, [type](TECable& c) { c.CableType = static_cast<std::uint8_t>(type); });
    });
  all.emplace_back("well", [] {
    auto w = std::make_unique<TWELL>(2);
    w->X = 60;
    w->Y = 45;
    return std::unique_ptr<TSVItem>(std::move(w));
  });

  for (const auto& look : kLooks) {
    for (const auto& [name, make] : all) {
      const auto item = make();
      TRecordingCanvas canvas(TRect{0, 0, 4000, 4000});
      TDrawContext ctx;
      ctx.Canvas = &canvas;
      ctx.Normalize();
      ctx.Zoom = look.Zoom;
      ctx.SignScale = look.SignScale;
      ctx.LineFactor = look.LineFactor;
      ctx.OriginX = 500;
      ctx.OriginY = 300;
      const TRect bounds = item->GetBounds(ctx);
      if (look.Print)
        item->DrawPrint(ctx);
      else
        item->DrawInactive(ctx);
      ASSERT_FALSE(canvas.Ops().empty()) << name << " / " << look.Name;
      for (const auto& op : canvas.Ops()) {
        const TRect c = Covered(op);
        EXPECT_TRUE(c.Left >= bounds.Left && c.Top >= bounds.Top && c.Right <= bounds.Right &&
                    c.Bottom <= bounds.Bottom)
            << name << " / " << look.Name << ": painted " << c.Left << "," << c.Top << "," << c.Right << ","
            << c.Bottom << " outside " << bounds.Left << "," << bounds.Top << "," << bounds.Right << ","
            << bounds.Bottom;
      }
    }
  }
}

}  // namespace

// The tee draws on its target with the state set on the tee, measures text
// with the target's metrics, and records the same primitives.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/TeeCanvas.h"

namespace {

// A target whose metrics differ from the recorder's half-height characters.
class TWideTarget : public TRecordingCanvas {
 public:
  TSize TextExtent(const std::string& text) override { return TSize{7 * static_cast<int>(text.size()), 11}; }
};

}  // namespace

TEST(TeeCanvas, TheTargetDrawsWithTheTeesStateAndTheRecorderKeepsTheSame) {
  TWideTarget target;
  TRecordingCanvas recorder;
  TTeeCanvas tee(target, recorder);
  tee.Pen = TPen{0x123456, 3, TPenStyle::Dot, TPenMode::Xor};
  tee.MoveTo(1, 2);
  tee.LineTo(30, 4);
  TFontDesc font;
  font.Height = -17;
  font.FaceName = "Arial Cyr";
  tee.SetFont(font);
  tee.FontColor = 0x0000C0;
  EXPECT_EQ(tee.TextExtent("abc"), (TSize{21, 11}));
  tee.TextOut(5, 6, "Ф1");
  tee.SetBrushColor(0x00A0B0);
  tee.StretchDrawPart(TRect{10, 20, 30, 35}, TRasterImage{4, 3, std::vector<TColor>(12, clRed)}, TRect{1, 0, 3, 2});

  const TRecordingCanvas* const canvases[] = {&target, &recorder};
  for (const TRecordingCanvas* c : canvases) {
    SCOPED_TRACE(c == &target ? "target" : "recorder");
    const std::vector<TCanvasOp>& ops = c->Ops();
    ASSERT_EQ(ops.size(), 3u);
    EXPECT_EQ(ops[0].Points, (std::vector<TPoint>{{1, 2}, {30, 4}}));
    EXPECT_EQ(ops[0].Pen.Color, 0x123456u);
    EXPECT_EQ(ops[0].Pen.Width, 3);
    EXPECT_EQ(ops[0].Pen.Style, TPenStyle::Dot);
    EXPECT_EQ(ops[0].Pen.Mode, TPenMode::Xor);
    EXPECT_EQ(ops[1].Font.FaceName, "Arial Cyr");
    EXPECT_EQ(ops[1].Font.Height, -17);
    EXPECT_EQ(ops[1].FontColor, 0x0000C0u);
    EXPECT_EQ(ops[2].Kind, TCanvasOpKind::StretchDraw);
    EXPECT_EQ(ops[2].Points, (std::vector<TPoint>{{10, 20}, {30, 35}}));
    EXPECT_EQ(ops[2].Brush.Color, 0x00A0B0u);
  }
}

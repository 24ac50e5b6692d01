// The tee draws on its target and records the same primitives, with the state
// set on the tee in force and the target's own text metrics.
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

void ExpectSameOp(const TCanvasOp& a, const TCanvasOp& b) {
  EXPECT_EQ(a.Kind, b.Kind);
  EXPECT_EQ(a.Points, b.Points);
  EXPECT_EQ(a.Pen.Color, b.Pen.Color);
  EXPECT_EQ(a.Pen.Width, b.Pen.Width);
  EXPECT_EQ(a.Pen.Style, b.Pen.Style);
  EXPECT_EQ(a.Pen.Mode, b.Pen.Mode);
  EXPECT_EQ(a.Brush.Color, b.Brush.Color);
  EXPECT_EQ(a.Brush.Style, b.Brush.Style);
  EXPECT_EQ(a.Text, b.Text);
  EXPECT_TRUE(a.Font == b.Font);
  EXPECT_EQ(a.FontColor, b.FontColor);
  EXPECT_EQ(a.Align, b.Align);
}

}  // namespace

TEST(TeeCanvas, DrawsAndRecordsEveryPrimitiveWithTheStateSetOnTheTee) {
  TWideTarget target;
  TRecordingCanvas recorder;
  TTeeCanvas tee(target, recorder);

  tee.Pen = TPen{0x123456, 3, TPenStyle::Dot, TPenMode::Xor};
  tee.SetBrushColor(0x00A0B0);
  tee.MoveTo(1, 2);
  tee.LineTo(30, 4);
  tee.LineTo(50, 60);
  TFontDesc font;
  font.Height = -17;
  font.Escapement = 900;
  font.FaceName = "Arial Cyr";
  tee.SetFont(font);
  tee.FontColor = 0x0000C0;
  tee.TextAlign = TTextAlign::CenterTop;
  EXPECT_EQ(tee.TextExtent("abc"), (TSize{21, 11}));
  tee.TextOut(5, 6, "Ф1");
  tee.SetBrushStyle(TBrushStyle::Clear);
  tee.Polygon(std::vector<TPoint>{{0, 0}, {9, 1}, {4, 7}});
  tee.Polyline(std::vector<TPoint>{{3, 3}, {8, 2}});
  tee.Ellipse(1, 2, 11, 8);
  tee.Rectangle(2, 3, 12, 9);
  tee.Arc(0, 0, 20, 10, 20, 5, 0, 5);
  tee.Pie(0, 0, 20, 10, 10, 0, 0, 5);
  tee.FillRect(TRect{4, 5, 40, 50});
  const TRasterImage image{4, 3, std::vector<TColor>(12, clRed)};
  tee.StretchDrawPart(TRect{10, 20, 30, 35}, image, TRect{1, 0, 3, 2});
  tee.SetClipRect(TRect{2, 3, 70, 80});

  const std::vector<TCanvasOp>& drawn = target.Ops();
  const std::vector<TCanvasOp>& kept = recorder.Ops();
  ASSERT_EQ(drawn.size(), 11u);
  ASSERT_EQ(kept.size(), drawn.size());
  for (std::size_t i = 0; i < drawn.size(); ++i) {
    SCOPED_TRACE(i);
    ExpectSameOp(kept[i], drawn[i]);
  }
  EXPECT_EQ(drawn[1].Points, (std::vector<TPoint>{{30, 4}, {50, 60}}));
  EXPECT_EQ(drawn[1].Pen.Color, 0x123456u);
  EXPECT_EQ(drawn[1].Pen.Width, 3);
  EXPECT_EQ(drawn[1].Pen.Style, TPenStyle::Dot);
  EXPECT_EQ(drawn[1].Pen.Mode, TPenMode::Xor);
  EXPECT_EQ(drawn[2].Kind, TCanvasOpKind::Text);
  EXPECT_EQ(drawn[2].Font.FaceName, "Arial Cyr");
  EXPECT_EQ(drawn[2].Font.Escapement, 900);
  EXPECT_EQ(drawn[2].FontColor, 0x0000C0u);
  EXPECT_EQ(drawn[2].Align, TTextAlign::CenterTop);
  EXPECT_EQ(drawn[2].Brush.Style, TBrushStyle::Solid);
  EXPECT_EQ(drawn[3].Brush.Style, TBrushStyle::Clear);
  EXPECT_EQ(drawn[3].Brush.Color, 0x00A0B0u);
  EXPECT_EQ(drawn[10].Kind, TCanvasOpKind::StretchDraw);
  EXPECT_EQ(drawn[10].Points, (std::vector<TPoint>{{10, 20}, {30, 35}}));
  EXPECT_EQ(target.ClipRect(), (TRect{2, 3, 70, 80}));
  EXPECT_EQ(recorder.ClipRect(), (TRect{2, 3, 70, 80}));
}

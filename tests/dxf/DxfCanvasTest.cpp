// Primitives one by one, the ones the scheme items use least among them,
// each as the entity ezdxf reads back, with coordinates and angles worked
// out by hand (y turned up).
#include <gtest/gtest.h>

#include "DxfCheck.h"
#include "dxf/DxfCanvas.h"

using namespace dxftest;

TEST(DxfCanvas, ArcsPiesHatchesAndAlignedTextsAsEzdxfReadsThem) {
  if (!HaveEzdxf()) GTEST_SKIP() << "python3-ezdxf is not installed (scripts/deps.sh)";
  TTempDir tmp;
  TApproxTextMeasure measure;
  TDxfCanvas c(measure, 0x404040);
  // A dotted line and a wide one; a line to where the pen stands is nothing.
  c.Pen.Style = TPenStyle::Dot;
  c.Line(5, 6, 25, 7);
  c.Line(25, 7, 25, 7);
  c.Pen = TPen{};
  c.Pen.Width = 3;
  c.Line(5, 60, -15, 60);
  c.Pen = TPen{};
  c.BeginLayer(7);
  c.Pen.Color = 0x0000FF;  // red
  // A quarter of a circle of radius 20 about (20, 20), from 12 to 9 o'clock.
  c.Arc(0, 0, 40, 40, 20, 0, 0, 20);
  // A quarter of a wide and of a tall ellipse, from 3 to 12 o'clock.
  c.Arc(0, 0, 40, 20, 40, 10, 20, 0);
  c.Arc(0, 0, 20, 40, 20, 20, 10, 0);
  c.EndLayer();
  // An XOR pen is what it gives over the background (0x404040), the
  // brush under it too: white gives bfbfbf, green 40bf40.
  c.Pen.Mode = TPenMode::Xor;
  c.Pen.Color = 0xFFFFFF;
  c.SetBrushColor(0x00FF00);
  c.Pie(0, 0, 40, 40, 40, 20, 20, 0);
  c.Pen.Mode = TPenMode::Copy;
  c.SetBrushColor(0x00FFFF);
  c.SetBrushStyle(TBrushStyle::DiagCross);
  c.FillRect(TRect{10, 20, 30, 50});
  TFontDesc font;
  font.Height = -20;
  c.SetFont(font);
  c.FontColor = 0xFF0000;  // blue
  c.TextTransparent = false;
  c.BackColor = 0xFFFFFF;
  c.TextAlign = TTextAlign::CenterTop;
  c.TextOut(100, 50, "Abcd");
  c.TextTransparent = true;
  font.Escapement = 900;
  c.SetFont(font);
  c.TextAlign = TTextAlign::LeftTop;
  c.TextOut(10, 10, "Ab");
  WriteBytes(tmp.File("c.dxf"), c.Document());

  std::string err;
  const TAudit audit = Audit(tmp.File("c.dxf"), tmp, err);
  EXPECT_EQ(audit.Errors, 0) << Joined(audit.Messages) << err;
  EXPECT_EQ(audit.Fixes, 0) << Joined(audit.Messages);
  EXPECT_EQ(audit.Layers.at("07 Направления движ."), 3);
  EXPECT_EQ(audit.Layers.at("0"), 8);
  // Text: em 20, ascent 18, cell 23, 0.55 em a letter: "Abcd" 44 wide; the
  // centred one's baseline 18 below its top, the turned one's 18 to the
  // right of its top-left point.
  const std::vector<std::string> expected = {
      "LINE|0|color=000000|ltype=DOT|from=5,-6|to=25,-7",
      "LWPOLYLINE|0|color=000000|points=5,-60 -15,-60|closed=0|width=3",
      "ARC|07 Направления движ.|color=ff0000|center=20,-20|radius=20|angles=90,180",
      "ELLIPSE|07 Направления движ.|color=ff0000|center=20,-10|major=20,0|ratio=0.5|params=0,1.571",
      "ELLIPSE|07 Направления движ.|color=ff0000|center=10,-20|major=0,20|ratio=0.5|params=4.712,0",
      "HATCH|0|color=40bf40|solid=1|path=20,-20 40,-20 34.142,-5.858 20,0",
      "LWPOLYLINE|0|color=bfbfbf|points=20,-20 40,-20 34.142,-5.858 20,0|closed=1|width=0",
      "HATCH|0|color=ffff00|solid=0|path=10,-20 30,-20 30,-50 10,-50",
      "HATCH|0|color=ffffff|solid=1|path=78,-50 122,-50 122,-73 78,-73",
      "TEXT|0|color=0000ff|insert=78,-68|height=14.32|rotation=0|halign=1|text=\"Abcd\"|raw=\"Abcd\"",
      "TEXT|0|color=0000ff|insert=28,-10|height=14.32|rotation=90|halign=0|text=\"Ab\"|raw=\"Ab\"",
  };
  EXPECT_EQ(Joined(Check("entities", tmp.File("c.dxf"), tmp, err)), Joined(expected)) << err;
}

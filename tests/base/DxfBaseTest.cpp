// The survey plan under the editor: a plan written by ezdxf is drawn where
// its coordinates say, every element, in the one colour of the base.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "DxfSample.h"
#include "TestSupport.h"
#include "base/DxfBaseReader.h"
#include "base/SchemeBase.h"
#include "platform/Codec1251.h"
#include "platform/RecordingCanvas.h"

namespace {

std::string ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

struct TExpectedOp {
  TCanvasOpKind Kind;
  std::vector<TPoint> Points;
  std::string Text;
};

class TDxfBase : public ::testing::Test {
 protected:
  void SetUp() override {
    Path = Dir.File("plan.dxf");
    if (!WriteDxfSample(Path)) GTEST_SKIP() << "python3 with ezdxf is not installed";
  }
  TTempDir Dir;
  std::string Path;
};

TEST_F(TDxfBase, EveryEntityIsDrawnWhereItsCoordinatesSayWithYTurnedDown) {
  // The Russian text is stored as Windows-1251 bytes, not escaped.
  ASSERT_NE(ReadAll(Path).find(Encode1251("Улица Ленина")), std::string::npos);

  TBaseDrawing drawing;
  std::string reason;
  ASSERT_TRUE(ReadDxfBase(Path, drawing, reason)) << reason;
  EXPECT_EQ(drawing.SkippedMessage(), "Пропущено объектов: 3 (SPLINE, 3DFACE)");

  TSchemeBase base;
  base.Load(std::move(drawing));
  ASSERT_EQ(base.State(), TBaseState::Shown);
  TDrawContext ctx;
  ctx.Normalize();
  ctx.Zoom = 2;
  ctx.OriginX = 5;
  ctx.OriginY = 900;
  TRecordingCanvas canvas(TRect{0, 0, 1400, 1000});
  base.Draw(canvas, ctx, 1400, 1000, clBlack);

  // Screen = (2·x + 5, 900 − 2·y) for DXF point (x, y), worked out by hand.
  using K = TCanvasOpKind;
  const std::vector<TExpectedOp> expected{
      {K::Polyline, {{25, 860}, {225, 860}}, ""},
      {K::Polyline, {{25, 860}, {25, 760}}, ""},
      // Centre (405, 800), radius 60; from 0° to 90° counter-clockwise.
      {K::Arc, {{345, 740}, {465, 860}, {465, 800}, {405, 740}}, ""},
      // The bulge 1 from (300,0) to (340,0): a half circle round (320,0)
      // from 180° to 360°, below the chord; then the straight segment.
      {K::Arc, {{605, 860}, {685, 940}, {605, 900}, {685, 900}}, ""},
      {K::Polyline, {{685, 900}, {725, 840}}, ""},
      {K::Text, {{105, 700}}, "Улица Ленина"},
      // MTEXT: two paragraphs, the second 5/3 of the height lower.
      {K::Text, {{65, 300}}, "Первая"},
      {K::Text, {{65, 313}}, "Вторая"},
      // Insertions of the model space come after its own entities.
      // WELL at (500,100): its base point (1,2) lands there.
      {K::Polyline, {{1005, 700}, {1025, 700}}, ""},
      {K::Ellipse, {{997, 692}, {1013, 708}}, ""},
      // WELL at (600,150) turned 90° and doubled: the line goes up 20.
      {K::Polyline, {{1205, 600}, {1205, 560}}, ""},
      {K::Ellipse, {{1189, 584}, {1221, 616}}, ""},
      // OUTER turned 180° at (650,250): WELL at (20,0) inside it goes to
      // (630,250), its line pointing back to (620,250).
      {K::Polyline, {{1265, 400}, {1245, 400}}, ""},
      {K::Ellipse, {{1257, 392}, {1273, 408}}, ""},
  };
  const auto& ops = canvas.Ops();
  ASSERT_EQ(ops.size(), expected.size());
  for (std::size_t i = 0; i < ops.size(); ++i) {
    SCOPED_TRACE("op " + std::to_string(i));
    EXPECT_EQ(ops[i].Kind, expected[i].Kind);
    ASSERT_EQ(ops[i].Points.size(), expected[i].Points.size());
    for (std::size_t k = 0; k < ops[i].Points.size(); ++k) {
      EXPECT_EQ(ops[i].Points[k].x, expected[i].Points[k].x) << "point " << k;
      EXPECT_EQ(ops[i].Points[k].y, expected[i].Points[k].y) << "point " << k;
    }
    EXPECT_EQ(ops[i].Text, expected[i].Text);
    if (ops[i].Kind == K::Text) {
      EXPECT_EQ(ops[i].FontColor, kBaseDrawingColor);
    } else {
      EXPECT_EQ(ops[i].Pen.Color, kBaseDrawingColor);
      EXPECT_EQ(ops[i].Pen.Mode, TPenMode::Copy);
      EXPECT_EQ(ops[i].Brush.Style, TBrushStyle::Clear);
    }
  }
  // Height 5 at zoom 2 is 10 pixels; 30° is 300 tenths; the MTEXT hangs
  // from its top left corner, the TEXT stands on its baseline.
  EXPECT_EQ(ops[5].Font.Height, -10);
  EXPECT_EQ(ops[5].Font.Escapement, 300);
  EXPECT_EQ(ops[5].Align, TTextAlign::BaselineLeft);
  EXPECT_EQ(ops[6].Font.Height, -8);
  EXPECT_EQ(ops[6].Font.Escapement, 0);
  EXPECT_EQ(ops[6].Align, TTextAlign::LeftTop);

  // Moved by the base's placement (world units, times the zoom), hidden
  // when toggled.
  ctx.BaseImageX = 10;
  ctx.BaseImageY = -7;
  canvas.Clear();
  base.Draw(canvas, ctx, 1400, 1000, clBlack);
  ASSERT_EQ(canvas.Ops().size(), expected.size());
  EXPECT_EQ(canvas.Ops()[0].Points[0].x, 45);
  EXPECT_EQ(canvas.Ops()[0].Points[0].y, 846);
  base.Toggle();
  canvas.Clear();
  base.Draw(canvas, ctx, 1400, 1000, clBlack);
  EXPECT_TRUE(canvas.Ops().empty());
}

TEST_F(TDxfBase, AFileThatCannotBeReadSaysWhyAndGivesNothing) {
  const std::string whole = ReadAll(Path);
  const std::string cut = Dir.File("cut.dxf");
  std::ofstream(cut, std::ios::binary) << whole.substr(0, whole.size() / 2);
  const std::string binary = Dir.File("binary.dxf");
  std::ofstream(binary, std::ios::binary) << std::string("AutoCAD Binary DXF\r\n\x1a\0", 22) << "junk";
  const std::string text = Dir.File("letter.dxf");
  std::ofstream(text, std::ios::binary) << "Dear surveyor,\nthe plan follows.\n";
  const std::string badCode = Dir.File("badcode.dxf");
  std::ofstream(badCode, std::ios::binary) << "0\nSECTION\n2\nENTITIES\n0\nLINE\n1O\n5\n0\nENDSEC\n0\nEOF\n";
  const std::string onlySplines = Dir.File("splines.dxf");
  std::ofstream(onlySplines, std::ios::binary)
      << "0\nSECTION\n2\nENTITIES\n0\nSPLINE\n8\n0\n0\nSPLINE\n8\n0\n0\nENDSEC\n0\nEOF\n";

  const struct {
    std::string File, Reason;
  } cases[] = {
      {cut, "файл оборван: нет конца чертежа (EOF)"},
      {binary, "двоичный DXF не поддерживается: сохраните чертёж как DXF в текстовом виде"},
      {text, "это не чертёж DXF"},
      {badCode, "повреждена строка 7: на месте кода группы не число"},
      {onlySplines, "в чертеже нет линий, дуг и текстов (Пропущено объектов: 2 (SPLINE))"},
      {Dir.File("absent.dxf"), "файл не найден или недоступен"},
      {Dir.File("empty.dxf"), "файл пуст"},
  };
  std::ofstream(Dir.File("empty.dxf")).close();
  for (const auto& c : cases) {
    SCOPED_TRACE(c.File);
    TBaseDrawing drawing;
    drawing.Skipped["KEPT"] = 1;
    std::string reason;
    EXPECT_FALSE(ReadDxfBase(c.File, drawing, reason));
    EXPECT_EQ(reason, c.Reason);
    EXPECT_EQ(drawing.Skipped.size(), 1u);
    EXPECT_TRUE(drawing.Shapes.empty());
  }
}

// What CAD programs write besides plain model-space entities: paper space
// (not drawn, not counted), arcs and texts seen from below (extrusion −Z:
// mirrored in x), attributes of insertions (drawn unless invisible), a
// POLYLINE with VERTEX records, decimal numbers whatever the locale.
TEST(DxfEntities, PaperSpaceMirroredArcsAttributesAndOldPolylines) {
  TTempDir dir;
  const std::string path = dir.File("misc.dxf");
  std::ofstream(path, std::ios::binary)
      << "0\nSECTION\n2\nBLOCKS\n0\nBLOCK\n2\n*Paper_Space\n10\n0\n20\n0\n"
         "0\nLINE\n10\n0\n20\n0\n11\n9\n21\n9\n0\nENDBLK\n0\nENDSEC\n"
         "0\nSECTION\n2\nENTITIES\n"
         "0\nLINE\n67\n1\n10\n0\n20\n0\n11\n5\n21\n5\n"
         "0\nARC\n10\n10.5\n20\n20\n40\n5\n50\n0\n51\n90\n210\n0\n220\n0\n230\n-1\n"
         "0\nPOLYLINE\n66\n1\n70\n1\n0\nVERTEX\n10\n1\n20\n2\n0\nVERTEX\n10\n3\n20\n2\n"
         "0\nVERTEX\n10\n3\n20\n5\n0\nSEQEND\n"
         "0\nATTRIB\n10\n7\n20\n8\n40\n2\n1\nП-12\n2\nTAG\n70\n0\n"
         "0\nATTRIB\n10\n7\n20\n8\n40\n2\n1\nhidden\n2\nTAG\n70\n1\n"
         "0\nVIEWPORT\n10\n0\n20\n0\n0\nHATCH\n67\n1\n"
         "0\nENDSEC\n0\nEOF\n";
  TBaseDrawing d;
  std::string reason;
  ASSERT_TRUE(ReadDxfBase(path, d, reason)) << reason;
  EXPECT_EQ(d.SkippedMessage(), "");
  ASSERT_EQ(d.Shapes.size(), 3u);
  // The arc about (10.5, 20) seen from below is the arc about (−10.5, 20)
  // from 90° to 180°: world centre (−10.5, −20).
  EXPECT_EQ(d.Shapes[0].Kind, TBaseShapeKind::Arc);
  EXPECT_DOUBLE_EQ(d.Shapes[0].At.x, -10.5);
  EXPECT_DOUBLE_EQ(d.Shapes[0].At.y, -20);
  EXPECT_NEAR(d.Shapes[0].Start, 3.14159265358979 / 2, 1e-12);
  EXPECT_NEAR(d.Shapes[0].End, 3.14159265358979, 1e-12);
  EXPECT_EQ(d.Shapes[1].Kind, TBaseShapeKind::Polyline);
  EXPECT_TRUE(d.Shapes[1].Closed);
  ASSERT_EQ(d.Shapes[1].Count, 3);
  const TRealPoint* p = d.Points.data() + d.Shapes[1].First;
  EXPECT_EQ((std::vector<double>{p[0].x, p[0].y, p[1].x, p[1].y, p[2].x, p[2].y}),
            (std::vector<double>{1, -2, 3, -2, 3, -5}));
  EXPECT_EQ(d.Shapes[2].Text, "П-12");
}

// A hostile plan: a block inserting an array of 4096 × 4096 of itself.
// The reader stops resolving it and keeps what the plan draws.
TEST(DxfEntities, ABlockInsertingItselfEndsWithTheRestOfThePlan) {
  TTempDir dir;
  const std::string path = dir.File("loop.dxf");
  std::ofstream(path, std::ios::binary)
      << "0\nSECTION\n2\nBLOCKS\n0\nBLOCK\n2\nLOOP\n10\n0\n20\n0\n"
         "0\nINSERT\n2\nLOOP\n10\n1\n20\n0\n70\n4096\n71\n4096\n0\nENDBLK\n0\nENDSEC\n"
         "0\nSECTION\n2\nENTITIES\n0\nINSERT\n2\nloop\n10\n0\n20\n0\n"
         "0\nLINE\n10\n0\n20\n0\n11\n4\n21\n3\n0\nENDSEC\n0\nEOF\n";
  TBaseDrawing d;
  std::string reason;
  ASSERT_TRUE(ReadDxfBase(path, d, reason)) << reason;
  ASSERT_EQ(d.Shapes.size(), 1u);
  EXPECT_EQ(d.Shapes[0].Count, 2);
}

TEST(DxfText, CodePagesEscapesAndSpecialSigns) {
  const struct {
    std::string Raw, CodePage;
    bool Utf8;
    std::string Expected;
  } cases[] = {
      {Encode1251("Ул. Мира"), "ANSI_1251", false, "Ул. Мира"},
      // A drawing that does not name its code page: UTF-8 when it is, else 1251.
      {"Ёж", "", false, "Ёж"},
      {Encode1251("Ёж"), "", false, "Ёж"},
      {"Ёж", "ANSI_1251", true, "Ёж"},
      {"caf\xE9", "ANSI_1252", false, "café"},
      {"\\U+0416\\U+004b z", "ANSI_1251", false, "ЖK z"},
      {"\\U+04", "ANSI_1251", false, "\\U+04"},
      {"%%c50 %%d %%p0.5 100%%% %%uпод%%u", "", false, "⌀50 ° ±0.5 100% под"},
  };
  for (const auto& c : cases) EXPECT_EQ(DecodeDxfText(c.Raw, c.CodePage, c.Utf8), c.Expected) << c.Raw;

  EXPECT_EQ(MTextLines("{\\fArial|b1|i0;Первая}\\PВторая\\~\\S1^2; \\H2.5x;мм\\P\\Lот\\l \\\\ и \\{"),
            (std::vector<std::string>{"Первая", "Вторая 1/2 мм", "от \\ и {"}));
}

TEST(DxfSkipped, TheMessageCountsEveryEntityAndNamesEachKindOnceMostFrequentFirst) {
  TBaseDrawing d;
  EXPECT_EQ(d.SkippedMessage(), "");
  d.Skipped = {{"3DFACE", 3}, {"SPLINE", 9}, {"HATCH", 3}};
  EXPECT_EQ(d.SkippedMessage(), "Пропущено объектов: 15 (SPLINE, 3DFACE, HATCH)");
}

}  // namespace

// A survey plan as the editor's base from a script: loaded, drawn under
// the scheme through the session, moved with the base; a plan that cannot
// be read leaves the base that was there.
#include <fstream>
#include <iterator>

#include "DxfSample.h"
#include "EditFixture.h"

namespace {

class TDxfBaseScript : public TEditFixture {};

TEST_F(TDxfBaseScript, APlanIsLoadedMovedAndKeptWhenTheNextCannotBeRead) {
  const std::string plan = Dir.File("plan.dxf");
  if (!WriteDxfSample(plan)) GTEST_SKIP() << "python3 with ezdxf is not installed";
  // The view is zoom 2, origin (10, 20); the base's origin at world (3, 200).
  Run("base \"" + plan + "\" 3 200");
  ASSERT_EQ(Session.BaseState(), TBaseState::Shown);
  ASSERT_TRUE(Session.Base().IsDrawing());
  EXPECT_EQ(Session.Base().Drawing().SkippedMessage(), "Пропущено объектов: 3 (SPLINE, 3DFACE)");
  ASSERT_EQ(Messages.Messages.size(), 1u);
  EXPECT_EQ(Messages.Messages[0].Text, "Пропущено объектов: 3 (SPLINE, 3DFACE)");

  // The DXF line (10,20)-(110,20) is world (10,−20)-(110,−20): screen
  // ((10 + 3)·2 + 10, (−20 + 200)·2 + 20) = (36, 380) to (236, 380).
  Session.Repaint();
  const auto lines = Canvas.OpsOf(TCanvasOpKind::Polyline);
  ASSERT_FALSE(lines.empty());
  EXPECT_EQ(lines[0].Points, (std::vector<TPoint>{{36, 380}, {236, 380}}));
  EXPECT_EQ(lines[0].Pen.Color, kBaseDrawingColor);

  // Truncated: the error names the file and the reason; the plan stays.
  const std::string cut = Dir.File("cut.dxf");
  {
    std::ifstream in(plan, std::ios::binary);
    const std::string whole((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::ofstream(cut, std::ios::binary) << whole.substr(0, whole.size() / 3);
  }
  std::string error;
  EXPECT_FALSE(TryRun("base \"" + cut + "\" 50 50", error));
  EXPECT_NE(error.find("cannot read the drawing " + cut + ": файл оборван: нет конца чертежа (EOF)"),
            std::string::npos)
      << error;
  EXPECT_EQ(Session.BaseState(), TBaseState::Shown);
  EXPECT_TRUE(Session.Base().IsDrawing());
  EXPECT_EQ(Session.Context().BaseImageX, 3);
  EXPECT_EQ(Session.Context().BaseImageY, 200);

  // A picture replaces the plan; hiding and showing work alike.
  TRasterImage image;
  image.Width = 2;
  image.Height = 1;
  image.Pixels = {clWhite, clBlack};
  Session.LoadBase(image);
  EXPECT_FALSE(Session.Base().IsDrawing());
  EXPECT_EQ(Session.BaseImage().Width, 2);
  Run("command \"Спрятать/показать основу\"");
  EXPECT_EQ(Session.BaseState(), TBaseState::Hidden);
}

}  // namespace

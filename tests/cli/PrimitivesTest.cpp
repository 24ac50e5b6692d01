// "render --primitives": the log of the picture's primitives, one JSON object
// a line, checked against what the sample passport's file says is drawn.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <algorithm>
#include <cstdlib>
#include <map>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "JsonReader.h"
#include "TestSupport.h"
#include "model/SVObject.h"
#include "plan/SVInfo.h"
#include "platform/RecordingCanvas.h"

namespace {

int RunCli(const std::string& args, const std::string& errFile) {
  const std::string cmd = std::string("'") + SVPASS_CLI + "' " + args + " >/dev/null 2>'" + errFile + "'";
  const int status = std::system(cmd.c_str());
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

const std::string kSvo1 = SourcePath("data/Data/svo1/");

// Renders `dir` 900 x 500 with signs at 1.5 (the fit's zoom is not the sign
// scale) and reads the log, one parsed object a line.
std::vector<TJson> RenderPrimitives(const std::string& dir, const TTempDir& tmp) {
  const int code = RunCli("render '" + dir + "' --width 900 --height 500 --sign-scale 1.5 --out '" +
                              tmp.File("p.png") + "' --primitives '" + tmp.File("p.jsonl") + "'",
                          tmp.File("err"));
  EXPECT_EQ(code, 0) << ReadBytes(tmp.File("err"));
  std::vector<TJson> ops;
  std::istringstream in(ReadBytes(tmp.File("p.jsonl")));
  for (std::string line; std::getline(in, line);) {
    SCOPED_TRACE(line);
    EXPECT_NO_THROW(ops.push_back(TJsonParser(line).Parse()));
  }
  return ops;
}

// The picture's view, from the buildings drawn first (layer 1): in map.txt
// of svo1 their corners span x 130 to 1150 and y 70 to 860.
struct TView {
  double Left = 1e9, Top = 1e9, Scale = 0, ScaleY = 0;
  double X(double x) const { return Left + (x - 130) * Scale; }
  double Y(double y) const { return Top + (y - 70) * Scale; }
};

TView ViewOfBuildings(const std::vector<TJson>& ops) {
  TView v;
  double right = -1e9, bottom = -1e9;
  int buildings = 0;
  for (std::size_t i = 1; i < ops.size() && buildings < 5; ++i) {
    if (ops[i]["op"].S != "polygon") continue;
    ++buildings;
    for (const TJson& p : ops[i]["points"].Items) {
      v.Left = std::min(v.Left, p[0].N), right = std::max(right, p[0].N);
      v.Top = std::min(v.Top, p[1].N), bottom = std::max(bottom, p[1].N);
    }
  }
  v.Scale = (right - v.Left) / (1150 - 130);
  v.ScaleY = (bottom - v.Top) / (860 - 70);
  return v;
}

bool RenderBuilt() {
  TTempDir tmp;
  return RunCli("render --help", tmp.File("err")) == 0;
}

}  // namespace

TEST(RenderPrimitives, EveryPrimitiveIsALineOfJsonInScreenPixelsWithItsPenBrushAndFont) {
  if (!RenderBuilt()) GTEST_SKIP() << "built without the canvas";
  TTempDir tmp;
  const std::vector<TJson> ops = RenderPrimitives(kSvo1, tmp);
  ASSERT_GT(ops.size(), 100u);

  const std::map<std::string, std::size_t> pointsOf = {
      {"line", 2}, {"ellipse", 2}, {"rectangle", 2}, {"fillrect", 2}, {"stretchdraw", 2},
      {"arc", 4},  {"pie", 4},     {"text", 1},      {"polyline", 0}, {"polygon", 0}};
  const std::regex hex("0x[0-9A-F]{6}");
  const std::vector<std::string> penStyles = {"solid", "dot"}, modes = {"copy", "xor"},
                                  brushStyles = {"solid", "clear", "diagcross"};
  const auto among = [](const std::vector<std::string>& names, const std::string& s) {
    return std::find(names.begin(), names.end(), s) != names.end();
  };
  std::map<std::string, const TJson*> labels;
  for (const TJson& op : ops) {
    const std::string kind = op["op"].S;
    ASSERT_TRUE(pointsOf.count(kind)) << kind;
    const std::size_t n = op["points"].Items.size();
    EXPECT_TRUE(pointsOf.at(kind) ? n == pointsOf.at(kind) : n >= 2) << kind << " " << n;
    for (const TJson& p : op["points"].Items) EXPECT_EQ(p.Items.size(), 2u);
    EXPECT_TRUE(std::regex_match(op["pen"]["color"].S, hex)) << op["pen"]["color"].S;
    EXPECT_TRUE(std::regex_match(op["brush"]["color"].S, hex)) << op["brush"]["color"].S;
    EXPECT_GE(op["pen"]["width"].N, 1);
    EXPECT_TRUE(among(penStyles, op["pen"]["style"].S) && among(modes, op["pen"]["mode"].S));
    EXPECT_TRUE(among(brushStyles, op["brush"]["style"].S));
    EXPECT_EQ(op.Has("font"), kind == "text");
    if (kind != "text") continue;
    for (const char* key : {"height", "escapement", "weight", "italic", "face", "color"})
      EXPECT_TRUE(op["font"].Has(key)) << key;
    labels[op["text"].S] = &op;
  }

  // The view's dark grey fills the whole picture first.
  EXPECT_EQ(ops[0]["op"].S, "fillrect");
  EXPECT_EQ(ops[0]["points"][1][0].N, 900);
  EXPECT_EQ(ops[0]["points"][1][1].N, 500);
  EXPECT_EQ(ops[0]["brush"]["color"].S, "0x404040");

  // The power cable from (0, 322) to (262, 322) is red, 0x0000FF in
  // 0x00BBGGRR; drawn in dashes, one of them starts at its first point.
  const TView view = ViewOfBuildings(ops);
  EXPECT_NEAR(view.ScaleY, view.Scale, 0.005);
  int cable = 0;
  for (const TJson& op : ops)
    if (op["op"].S == "line" && std::abs(op["points"][0][0].N - view.X(0)) <= 1 &&
        std::abs(op["points"][0][1].N - view.Y(322)) <= 1 && std::abs(op["points"][1][1].N - view.Y(322)) <= 1) {
      ++cable;
      EXPECT_EQ(op["pen"]["color"].S, "0x0000FF");
    }
  EXPECT_EQ(cable, 1) << "lines from (" << view.X(0) << ", " << view.Y(322) << ")";
  ASSERT_TRUE(labels.count("АВБбШв 4х16"));
  EXPECT_EQ((*labels["АВБбШв 4х16"])["font"]["color"].S, "0x0000FF");

  // A building's label: italic Arial Cyr, 14 pixels at sign scale 1.
  ASSERT_TRUE(labels.count("д. 15, жилой 9 эт."));
  const TJson& house = (*labels["д. 15, жилой 9 эт."])["font"];
  EXPECT_EQ(house["face"].S, "Arial Cyr");
  EXPECT_EQ(house["height"].N, -21);
  EXPECT_TRUE(house["italic"].B);
}

TEST(RenderPrimitives, TheLogHoldsWhatARecordingCanvasSeesOfTheSameView) {
  if (!RenderBuilt()) GTEST_SKIP() << "built without the canvas";
  // The sample's buildings and cables: how many primitives they draw does
  // not hang on the zoom, so the view read back from the picture is enough.
  TTempDir tmp;
  TSVObject scheme(kSvo1);
  scheme.LoadAll();
  for (int n = 3; n <= kLayerCount; ++n) scheme.Layer(n).ClearLayer();
  ASSERT_TRUE(scheme.SaveMap(tmp.File("map.txt")));
  WriteBytes(tmp.File("info.txt"), ReadBytes(kSvo1 + "info.txt"));
  const std::vector<TJson> ops = RenderPrimitives(tmp.Path(), tmp);
  const TView view = ViewOfBuildings(ops);

  TRecordingCanvas canvas(TRect{0, 0, 900, 500});
  TDrawContext ctx;
  ctx.Canvas = &canvas;
  ctx.Normalize();
  ctx.SignScale = 1.5;
  ctx.ObjectScale = scheme.Info->RealScale;
  ctx.Zoom = view.Scale;
  ctx.OriginX = view.X(0);
  ctx.OriginY = view.Y(0);
  canvas.FillRect(canvas.ClipRect());
  scheme.DrawAll(ctx, false);

  const char* const names[] = {"line", "polyline", "polygon", "ellipse",     "rectangle",
                               "arc",  "pie",      "fillrect", "stretchdraw", "text"};
  ASSERT_EQ(ops.size(), canvas.Ops().size());
  for (std::size_t i = 0; i < ops.size(); ++i) {
    const TCanvasOp& op = canvas.Ops()[i];
    EXPECT_EQ(ops[i]["op"].S, names[static_cast<int>(op.Kind)]) << i;
    if (op.Kind == TCanvasOpKind::Text) {
      EXPECT_EQ(ops[i]["text"].S, op.Text) << i;
    }
  }
}

TEST(RenderPrimitives, AMissingFileOrBothOnStandardOutputIsAUsageError) {
  if (!RenderBuilt()) GTEST_SKIP() << "built without the canvas";
  TTempDir tmp;
  const std::string render = "render '" + kSvo1 + "' ";
  for (const std::string& args :
       {render + "--out '" + tmp.File("p.png") + "' --primitives", render + "--out - --primitives -"}) {
    SCOPED_TRACE(args);
    EXPECT_EQ(RunCli(args, tmp.File("err")), 2);
    EXPECT_EQ(ReadBytes(tmp.File("err")).rfind("svpass-cli: render: missing or invalid arguments\n", 0), 0u);
  }
}

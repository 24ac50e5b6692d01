// `render --out FILE.dxf` as CAD clients see it: ezdxf audits every sample
// clean with each layer's entities as drawn, and LibreCAD's command line
// prints the first sample to a PDF.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>

#include "DxfCheck.h"
#include "DxfExpect.h"
#include "store/OpenPassport.h"

using namespace dxftest;

namespace {

int RunCli(const std::string& args, const std::string& errFile) {
  return Shell(std::string("'") + SVPASS_CLI + "' " + args + " >/dev/null 2>'" + errFile + "'");
}

bool RenderBuilt(const TTempDir& tmp) { return RunCli("render --help", tmp.File("help")) == 0; }

std::size_t LineCount(const std::string& text) { return static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')); }

}  // namespace

TEST(DxfClients, RenderWritesEverySampleAsADrawingEzdxfAuditsClean) {
  TTempDir tmp;
  if (!RenderBuilt(tmp)) GTEST_SKIP() << "built without the canvas";
  if (!HaveEzdxf()) GTEST_SKIP() << "python3-ezdxf is not installed (scripts/deps.sh)";
  for (const char* name : {"svo1", "svo2", "svo3"}) {
    SCOPED_TRACE(name);
    const std::string dir = SourcePath(std::string("data/Data/") + name);
    const std::string dxf = tmp.File(std::string(name) + ".dxf"), log = tmp.File(std::string(name) + ".jsonl");
    // The picture's size means nothing to a drawing at world coordinates.
    ASSERT_EQ(RunCli("render '" + dir + "' --width 300 --height 200 --out '" + dxf + "' --primitives '" + log + "'",
                     tmp.File("err")),
              0)
        << ReadBytes(tmp.File("err"));
    TLoadedPassport passport = OpenPassportDir(dir, TReadMessages::Kept);
    std::string err;
    const TAudit audit = Audit(dxf, tmp, err);
    EXPECT_EQ(audit.Version, "AC1018") << err;
    EXPECT_EQ(audit.Codepage, "ANSI_1251");
    EXPECT_EQ(audit.Errors, 0) << Joined(audit.Messages);
    EXPECT_EQ(audit.Fixes, 0) << Joined(audit.Messages);
    EXPECT_EQ(audit.Layers, ExpectedPerLayer(*passport.Scheme));
    // The log is of the drawing's own primitives, one a line.
    EXPECT_EQ(LineCount(ReadBytes(log)), PrimitiveCount(*passport.Scheme));
    EXPECT_FALSE(std::ifstream(dxf + ".tmp~").good());
  }
}

TEST(DxfClients, AnUnwritableTargetIsNamedAndLeavesNothing) {
  TTempDir tmp;
  if (!RenderBuilt(tmp)) GTEST_SKIP() << "built without the canvas";
  const std::string target = tmp.File("missing/dir/scheme.dxf");
  EXPECT_EQ(RunCli("render '" + SourcePath("data/Data/svo1") + "' --out '" + target + "'", tmp.File("err")), 1);
  EXPECT_NE(ReadBytes(tmp.File("err")).find(target), std::string::npos) << ReadBytes(tmp.File("err"));
}

// LibreCAD reads the drawing with a DXF library of its own and prints it;
// the page is looked at in the closing note (svo1-librecad.png).
TEST(DxfClients, LibreCadPrintsTheFirstSampleToAPdf) {
  TTempDir tmp;
  if (!RenderBuilt(tmp)) GTEST_SKIP() << "built without the canvas";
  if (!Have("librecad")) GTEST_SKIP() << "librecad is not installed (scripts/deps.sh)";
  const std::string dxf = tmp.File("svo1.dxf"), pdf = tmp.File("svo1.pdf");
  ASSERT_EQ(RunCli("render '" + SourcePath("data/Data/svo1") + "' --out '" + dxf + "'", tmp.File("err")), 0);
  const int code = Shell("cd '" + tmp.Path() + "' && QT_QPA_PLATFORM=offscreen timeout 25 librecad dxf2pdf -a -o '" +
                         pdf + "' '" + dxf + "' >'" + tmp.File("lc.log") + "' 2>&1");
  EXPECT_EQ(code, 0) << ReadBytes(tmp.File("lc.log"));
  const std::string bytes = ReadBytes(pdf);
  ASSERT_GT(bytes.size(), 1000u) << ReadBytes(tmp.File("lc.log"));
  EXPECT_EQ(bytes.substr(0, 5), "%PDF-");
}

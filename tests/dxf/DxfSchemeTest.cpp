// The scheme's DXF as ezdxf reads it: a clean audit, every primitive drawn
// on a layer as the entities it stands for on the same layer, and items at
// their world coordinates with y turned up.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "DxfCheck.h"
#include "DxfExpect.h"
#include "dxf/DxfCanvas.h"
#include "dxf/DxfGroups.h"
#include "dxf/SchemeDxf.h"
#include "model/SVObject.h"
#include "platform/Codec1251.h"
#include "store/OpenPassport.h"

using namespace dxftest;

namespace {

std::string WriteDxf(TSVObject& scheme, const TTempDir& tmp, const std::string& name) {
  TApproxTextMeasure measure;
  const std::string path = tmp.File(name);
  WriteBytes(path, SchemeDxf(scheme, measure));
  return path;
}

void ExpectCleanAudit(const TAudit& audit, const std::string& err) {
  EXPECT_EQ(audit.Version, "AC1018") << err;
  EXPECT_EQ(audit.Codepage, "ANSI_1251");
  EXPECT_EQ(audit.Errors, 0) << Joined(audit.Messages);
  EXPECT_EQ(audit.Fixes, 0) << Joined(audit.Messages);
}

std::string Lines(std::initializer_list<std::string> lines) {
  std::string out;
  for (const std::string& l : lines) out += l + "\r\n";
  return Encode1251(out);
}

// svo1's information with a scheme of its own.
std::string SmallPassport(const TTempDir& tmp, const std::string& map) {
  const std::string dir = tmp.File("svo7");
  EXPECT_EQ(Shell("mkdir -p '" + dir + "' && cp '" + SourcePath("data/Data/svo1/info.txt") + "' '" + dir + "/'"), 0);
  WriteBytes(dir + "/map.txt", map);
  return dir;
}

#define SKIP_WITHOUT_EZDXF() \
  if (!HaveEzdxf()) GTEST_SKIP() << "python3-ezdxf is not installed (scripts/deps.sh)"

}  // namespace

TEST(DxfScheme, EverySampleAuditsCleanWithEachPrimitiveOnItsLayer) {
  SKIP_WITHOUT_EZDXF();
  TTempDir tmp;
  for (const char* name : {"svo1", "svo2", "svo3"}) {
    SCOPED_TRACE(name);
    TLoadedPassport passport = OpenPassportDir(SourcePath(std::string("data/Data/") + name), TReadMessages::Kept);
    const std::map<std::string, int> expected = ExpectedPerLayer(*passport.Scheme);
    std::string err;
    const TAudit audit = Audit(WriteDxf(*passport.Scheme, tmp, std::string(name) + ".dxf"), tmp, err);
    ExpectCleanAudit(audit, err);
    // Every layer of the table, the twelve scheme layers and "0", each with
    // as many entities as its primitives stand for.
    EXPECT_EQ(audit.Layers, expected);
    int drawn = 0;
    for (const auto& [layer, count] : expected) drawn += count;
    EXPECT_GT(drawn, 100);
    EXPECT_GT(expected.at("04 Бордюр, рельсы"), 0);
    EXPECT_GT(expected.at("08 Светофоры и знаки"), 0);
  }
}

// A curb, a well and a free text where the lines of map.txt put them, with
// y turned: the curb's pen of two units a polyline of that width, the well
// of four units (real scale 1) a circle over its solid fill, the text turned
// a quarter up from its base point towards its aim.
TEST(DxfScheme, ACurbAWellAndATextSitAtTheirWorldCoordinates) {
  SKIP_WITHOUT_EZDXF();
  TTempDir tmp;
  const std::string dir = SmallPassport(tmp, Lines({"1", "30 40", "230 40", "2", "120 80", "notext", "18", "300 200",
                                                    "10 -5", "10 -55", "Въезд во двор"}));
  TLoadedPassport passport = OpenPassportDir(dir, TReadMessages::Kept);
  const std::string path = WriteDxf(*passport.Scheme, tmp, "small.dxf");
  std::string err;
  ExpectCleanAudit(Audit(path, tmp, err), err);
  const std::vector<std::string> entities = Check("entities", path, tmp, err);
  // The text: em 16 units (a cell of 18 in Liberation Sans), capitals 0.716 of it.
  // A layer's chain is drawn from its last item read.
  const std::vector<std::string> expected = {
      "TEXT|04 Бордюр, рельсы|color=ffffff|insert=310,-195|height=11.456|rotation=90|halign=0|text=\"Въезд во "
      "двор\"|raw=\"Въезд во двор\"",
      "LWPOLYLINE|04 Бордюр, рельсы|color=808080|points=30,-40 230,-40|closed=0|width=2",
      "HATCH|05 Колодцы|color=404040|solid=1|path=124,-80 116,-80",
      "CIRCLE|05 Колодцы|color=ffff10|center=120,-80|radius=4",
  };
  EXPECT_EQ(Joined(entities), Joined(expected)) << err;
  // Russian as Windows-1251 bytes, not escapes.
  const std::string bytes = ReadBytes(path);
  EXPECT_NE(bytes.find(Encode1251("Въезд во двор")), std::string::npos);
  EXPECT_NE(bytes.find(Encode1251("05 Колодцы")), std::string::npos);
  EXPECT_EQ(bytes.find("\\U+"), std::string::npos);
}

// Labels from outside cannot end a value's line, start a CAD control code
// or outgrow what a reader takes; the file stays readable and whole.
TEST(DxfScheme, HostileTextsStayOneValueEach) {
  SKIP_WITHOUT_EZDXF();
  TTempDir tmp;
  const std::string longText(400, 'x');
  std::string map;
  const std::vector<std::string> texts = {"  0", "bell\x07tab\t<script>&\"'", "^J^ 100%%d %%u",
                                          "Ж\xC2\xA0€" + longText};
  int y = 100;
  for (const std::string& t : texts) {
    map += Lines({"18", "0 " + std::to_string(y), "0 0", "50 0"});
    map += Encode1251(t) + "\r\n";
    y += 50;
  }
  TLoadedPassport passport = OpenPassportDir(SmallPassport(tmp, map), TReadMessages::Kept);
  const std::string path = WriteDxf(*passport.Scheme, tmp, "hostile.dxf");
  std::string err;
  const TAudit audit = Audit(path, tmp, err);
  ExpectCleanAudit(audit, err);
  EXPECT_EQ(audit.Layers.at("04 Бордюр, рельсы"), 4);
  std::vector<std::string> shown;
  for (const std::string& line : Check("entities", path, tmp, err)) shown.push_back(line.substr(line.find("text=")));
  // Drawn from the last read; as ezdxf shows each and as stored (line
  // breaks cannot come from map.txt, whose reader keeps a record to its
  // line: DxfText below). A caret is followed by a blank, a double percent
  // sign is two escaped ones: AutoCAD's rule for a literal percent sign,
  // "%%%", which ezdxf does not follow.
  ASSERT_EQ(shown.size(), 4u) << err;
  EXPECT_EQ(shown[0], "text=\"Ж\xC2\xA0€" + std::string(247, 'x') + "\"|raw=\"Ж\xC2\xA0€" + std::string(247, 'x') + "\"");
  EXPECT_EQ(shown[1].rfind("text=\"^J^ 100%", 0), 0u) << shown[1];
  EXPECT_NE(shown[1].find("|raw=\"^ J^  100%%%%%%d %%%%%%u\""), std::string::npos) << shown[1];
  EXPECT_EQ(shown[2], "text=\"bell tab <script>&\\\"'\"|raw=\"bell tab <script>&\\\"'\"");
  EXPECT_EQ(shown[3], "text=\"  0\"|raw=\"  0\"");
}

TEST(DxfText, KeepsEveryValueOnOneLineAndLiteral) {
  struct TCase {
    const char* In;
    std::size_t Max;
    std::string Out;
  } cases[] = {
      {"Бордюр", 100, "\xC1\xEE\xF0\xE4\xFE\xF0"},
      {"a\nb\rc\td", 100, "a b c d"},
      {"x^Jy", 100, "x^ Jy"},
      {"50%%p", 100, "50%%%%%%p"},
      {"%", 100, "%"},
      {"日本", 100, "??"},
      {"abcdef", 4, "abcd"},
      // An escape is never cut in two.
      {"ab^", 3, "ab"},
      {"a%%", 3, "a"},
  };
  for (const TCase& c : cases) EXPECT_EQ(DxfText(c.In, c.Max), c.Out) << c.In;
}

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>
#include <set>
#include <sstream>
#include <string>

#include "TestSupport.h"
#include "check/PassportCheck.h"
#include "gen/PassportGenerator.h"
#include "items/CarHead.h"
#include "items/Napr.h"
#include "items/PedHead.h"
#include "items/TramHead.h"
#include "model/Geometry.h"
#include "model/SVObject.h"
#include "plan/SVInfo.h"
#include "platform/Messages.h"
#include "platform/TextFile.h"

namespace {

int RunGenerate(const std::string& args) {
  const std::string cmd = std::string("'") + SVPASS_CLI + "' generate " + args + " >/dev/null 2>&1";
  const int status = std::system(cmd.c_str());
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

int ItemCount(TSVObject& scheme) {
  int count = 0;
  for (int n = 1; n <= kLayerCount; ++n) count += scheme.Layer(n).Count();
  return count;
}

// The items' own type codes over the whole scheme.
std::set<std::uint32_t> TypeCodes(TSVObject& scheme) {
  std::set<std::uint32_t> codes;
  for (int n = 1; n <= kLayerCount; ++n)
    for (const auto& item : scheme.Layer(n).Items()) codes.insert(item->TypeCode);
  return codes;
}

TEST(Generate, WritesTheSameFilesForTheSameSeedAndAnotherSchemeForAnother) {
  TTempDir tmp;
  ASSERT_EQ(RunGenerate("--items 150 --seed 42 --out '" + tmp.File("a") + "'"), 0);
  ASSERT_EQ(RunGenerate("--seed 42 --out '" + tmp.File("b") + "' --items 150"), 0);
  ASSERT_EQ(RunGenerate("--items 150 --seed 43 --out '" + tmp.File("c") + "'"), 0);
  const std::string map = ReadBytes(tmp.File("a/map.txt"));
  EXPECT_FALSE(map.empty());
  EXPECT_EQ(ReadBytes(tmp.File("b/map.txt")), map);
  EXPECT_EQ(ReadBytes(tmp.File("b/info.txt")), ReadBytes(tmp.File("a/info.txt")));
  EXPECT_NE(ReadBytes(tmp.File("c/map.txt")), map);
}

TEST(Generate, RefusesIncompleteOrMalformedArgumentsWithTheUsageCode) {
  TTempDir tmp;
  const std::string out = " --out '" + tmp.File("x") + "'";
  EXPECT_EQ(RunGenerate("--items 10" + out), 2);
  EXPECT_EQ(RunGenerate("--seed 1" + out), 2);
  EXPECT_EQ(RunGenerate("--items 10 --seed 1"), 2);
  EXPECT_EQ(RunGenerate("--items -5 --seed 1" + out), 2);
  EXPECT_EQ(RunGenerate("--items 10x --seed 1" + out), 2);
  EXPECT_EQ(RunGenerate("--items 10 --seed 1 --items 12" + out), 2);
  EXPECT_EQ(RunGenerate("--items 10 --seed 1 --colour red" + out), 2);
  EXPECT_EQ(RunGenerate("--items 10 --seed 1" + out + " --out"), 2);
  EXPECT_FALSE(FileExists(tmp.File("x/map.txt")));
}

TEST(Generate, ReportsAnOutputDirectoryThatCannotBeMade) {
  TTempDir tmp;
  WriteBytes(tmp.File("file"), "x");
  EXPECT_EQ(RunGenerate("--items 10 --seed 1 --out '" + tmp.File("file") + "'"), 1);
}

class GeneratedPassport : public ::testing::Test {
 protected:
  // Writes a passport of `items` items and reads it back as the viewer does.
  TSVObject& Load(int items, std::uint64_t seed = 1) {
    EXPECT_TRUE(WriteGeneratedPassport(Tmp.Path(), TGeneratorOptions{items, seed}));
    Scheme = std::make_unique<TSVObject>(Tmp.Path());
    Scheme->LoadAll();
    return *Scheme;
  }
  TTempDir Tmp;
  TMessageCapture Messages;
  std::unique_ptr<TSVObject> Scheme;
};

TEST_F(GeneratedPassport, ReadsBackWithoutAMessageWithExactlyTheItemsAskedFor) {
  for (const int items : {0, 1, 37, 500}) {
    TSVObject& scheme = Load(items);
    EXPECT_EQ(ItemCount(scheme), items);
  }
  EXPECT_TRUE(Messages.Messages.empty()) << Messages.Messages.front().Text;
}

TEST_F(GeneratedPassport, HoldsEveryTypeCodeOnceItHasAFewDozenItems) {
  const std::set<std::uint32_t> all = {1,  2,  3,  5,  6,  7,  8,  10, 11, 12, 13, 14, 15, 16, 17, 18,
                                       19, 20, 21, 22, 23, 24, 25, 26, 27, 28, 30, 31, 32, 34, 35};
  EXPECT_EQ(TypeCodes(Load(40)), all);
}

TEST_F(GeneratedPassport, BindsEveryHeadToADirectionAndShowsArrowsInEveryPhase) {
  TSVObject& scheme = Load(400);
  int heads = 0;
  for (const auto& item : scheme.Layer(12).Items()) {
    ++heads;
    if (auto* car = dynamic_cast<TCarHead*>(item.get())) {
      EXPECT_NE(car->Napr, nullptr);
      EXPECT_TRUE(car->Label && !car->Label->Text.empty());
    } else if (auto* ped = dynamic_cast<TPedHead*>(item.get())) {
      EXPECT_NE(ped->Napr, nullptr);
    } else if (auto* tram = dynamic_cast<TTramHead*>(item.get())) {
      EXPECT_NE(tram->StraightNapr, nullptr);
    }
  }
  EXPECT_GT(heads, 16);
  std::set<int> phases;
  for (const auto& item : scheme.Layer(7).Items()) {
    auto* arrow = dynamic_cast<TNapr*>(item.get());
    ASSERT_NE(arrow, nullptr);
    EXPECT_TRUE(arrow->Label != nullptr);
    phases.insert(arrow->Phase);
  }
  std::set<int> expected;
  for (int p = 1; p <= scheme.Info->PhaseCount; ++p) expected.insert(p);
  EXPECT_EQ(phases, expected);
}

TEST_F(GeneratedPassport, WritesBackByteForByteOnceRead) {
  Load(300, 9);
  const std::string map = ReadBytes(Tmp.File("map.txt"));
  const std::string info = ReadBytes(Tmp.File("info.txt"));
  ASSERT_TRUE(Scheme->SaveMap());
  ASSERT_TRUE(Scheme->Info->SaveAll());
  EXPECT_EQ(ReadBytes(Tmp.File("map.txt")), map);
  EXPECT_EQ(ReadBytes(Tmp.File("info.txt")), info);
}

TEST_F(GeneratedPassport, LaysItsCrossingsSideBySideInAGridShapedLikeTheWindow) {
  TDrawContext ctx;
  ctx.Normalize();
  const int per = GeneratedItemsPerCrossing();
  const TRect one = Load(per).BoundsShown(ctx);
  ASSERT_EQ(GeneratedCrossingCount(9 * per), 9);
  ASSERT_EQ(GeneratedCrossingCount(9 * per + 1), 10);
  // Nine crossings: four a row, three rows, 800 units apart.
  const TRect nine = Load(9 * per).BoundsShown(ctx);
  EXPECT_NEAR(RectWidth(nine), RectWidth(one) + 3 * 800, 80);
  EXPECT_NEAR(RectHeight(nine), RectHeight(one) + 2 * 800, 80);
}

TEST_F(GeneratedPassport, OfAHundredThousandItemsStillFitsAFullHdWindow) {
  TSVObject& scheme = Load(100000);
  TDrawContext ctx;
  ctx.Normalize();
  ctx.FitRect(scheme.BoundsShown(ctx), TRect{0, 0, 1920, 1080});
  EXPECT_GT(ctx.Zoom, 0.05);
  EXPECT_LT(ctx.Zoom, 0.1);
}

// A generated passport is a sound one: read back from its files, the check
// finds nothing in it, whatever its size and seed, the last crossing cut
// short included.
TEST(GeneratedPassportCheck, FindsNothingAtAnySizeOrSeed) {
  const struct {
    int Items;
    std::uint64_t Seed;
  } cases[] = {{1000, 1}, {1000, 2}, {1000, 77}, {10000, 1}, {10000, 2}, {10000, 77}};
  for (const auto& c : cases) {
    TTempDir tmp;
    ASSERT_TRUE(WriteGeneratedPassport(tmp.Path(), TGeneratorOptions{c.Items, c.Seed}));
    TLoadedPassport passport = LoadPassportQuietly(tmp.Path());
    const std::vector<TFinding> findings = CheckPassport(*passport.Scheme, passport.Messages);
    std::ostringstream listed;
    for (const TFinding& f : findings) {
      listed << "  " << SeverityName(f.Severity) << " " << f.Code << ": " << f.Message;
      for (const TItemRef& ref : f.Items) listed << " [layer " << ref.Layer << " #" << ref.Index << "]";
      listed << "\n";
    }
    EXPECT_TRUE(findings.empty()) << "--items " << c.Items << " --seed " << c.Seed << ": " << findings.size()
                                  << " findings\n"
                                  << listed.str();
  }
}

}  // namespace

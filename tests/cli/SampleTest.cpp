// The sample passports shipped in data/Data are read the way the viewer
// reads them: they must load without a message, keep every item through a
// save, and hang together with their own signal plans.
#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <string>
#include <vector>

#include "TestSupport.h"
#include "items/CarHead.h"
#include "items/Napr.h"
#include "items/PedHead.h"
#include "items/TramHead.h"
#include "model/SVObject.h"
#include "plan/SVInfo.h"
#include "plan/SVNapr.h"
#include "platform/Messages.h"

namespace {

struct TLoadedSample {
  std::unique_ptr<TSVObject> Scheme;
  std::vector<TMessage> Messages;
};

TLoadedSample LoadSample(const std::string& name) {
  TLoadedSample s;
  TMessageCapture capture;
  s.Scheme = std::make_unique<TSVObject>(SourcePath("data/Data/" + name));
  s.Scheme->LoadAll();
  s.Messages = capture.Messages;
  return s;
}

template <class TVisit>
void ForEachItem(TSVObject& scheme, TVisit visit) {
  for (int n = 1; n <= kLayerCount; ++n)
    for (const auto& item : scheme.Layer(n).Items()) visit(*item);
}

int ItemCount(TSVObject& scheme) {
  int count = 0;
  ForEachItem(scheme, [&](TSVItem&) { ++count; });
  return count;
}

// The directions the signal heads of the scheme show; a head that names no
// direction of the passport adds an empty entry.
std::set<const TSVNapr*> DirectionsOfHeads(TSVObject& scheme) {
  std::set<const TSVNapr*> shown;
  ForEachItem(scheme, [&](TSVItem& item) {
    if (auto* car = dynamic_cast<TCarHead*>(&item)) shown.insert(car->Napr);
    if (auto* ped = dynamic_cast<TPedHead*>(&item)) shown.insert(ped->Napr);
    if (auto* tram = dynamic_cast<TTramHead*>(&item)) {
      for (const TSVNapr* d : {tram->LeftNapr, tram->StraightNapr, tram->RightNapr})
        if (d) shown.insert(d);
      if (!tram->LeftNapr && !tram->StraightNapr && !tram->RightNapr) shown.insert(nullptr);
    }
  });
  return shown;
}

class SamplePassport : public ::testing::TestWithParam<const char*> {};

TEST_P(SamplePassport, LoadsWithoutAMessageAndSavesBackToTheSameBytes) {
  TLoadedSample s = LoadSample(GetParam());
  for (const TMessage& m : s.Messages) ADD_FAILURE() << m.Text;
  ASSERT_GT(ItemCount(*s.Scheme), 20);

  TTempDir out;
  ASSERT_TRUE(s.Scheme->SaveMap(out.File("map.txt")));
  EXPECT_EQ(ReadBytes(out.File("map.txt")), ReadBytes(SourcePath(std::string("data/Data/") + GetParam() + "/map.txt")));
}

TEST_P(SamplePassport, EveryDirectionHasAHeadAndEveryHeadADirection) {
  TLoadedSample s = LoadSample(GetParam());
  const std::set<const TSVNapr*> shown = DirectionsOfHeads(*s.Scheme);
  EXPECT_EQ(shown.count(nullptr), 0u) << "a head names no direction of the passport";
  const TNaprSet& directions = s.Scheme->Info->Directions;
  for (int i = 1; i <= directions.Count; ++i)
    EXPECT_EQ(shown.count(directions.Item(i)), 1u) << "no head shows direction " << directions.Item(i)->Name;
}

TEST_P(SamplePassport, EveryPhaseHasItsDirectionArrows) {
  TLoadedSample s = LoadSample(GetParam());
  std::set<int> phases;
  ForEachItem(*s.Scheme, [&](TSVItem& item) {
    if (auto* arrow = dynamic_cast<TNapr*>(&item)) phases.insert(arrow->Phase);
  });
  for (int p = 1; p <= s.Scheme->Info->PhaseCount; ++p) EXPECT_EQ(phases.count(p), 1u) << "phase " << p;
}

INSTANTIATE_TEST_SUITE_P(Samples, SamplePassport, ::testing::Values("svo1", "svo2", "svo3"));

TEST(SampleTramIntersection, UsesEveryKindOfItemTheSchemeFileKnows) {
  TLoadedSample s = LoadSample("svo1");
  std::set<std::uint32_t> present;
  ForEachItem(*s.Scheme, [&](TSVItem& item) { present.insert(item.TypeCode); });
  EXPECT_GE(ItemCount(*s.Scheme), 150);
  for (std::uint32_t code = 0; code < 256; ++code) {
    // Lined texts exist only as labels inside their owners' records.
    if (!TSVObject::CreateItem(code) || TSVObject::LayerOf(code) == 0) continue;
    EXPECT_EQ(present.count(code), 1u) << "no item of type code " << code;
  }
}

}  // namespace

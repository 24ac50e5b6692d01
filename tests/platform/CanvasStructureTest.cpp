// The scheme tells its canvas which layer and which item the primitives it
// draws belong to: a file back end groups them by it.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/SVObject.h"
#include "platform/RecordingCanvas.h"
#include "platform/TeeCanvas.h"
#include "TestSupport.h"
#include "model/DrawContext.h"
#include "platform/Messages.h"

namespace {

// Keeps the structure calls as text, each with the number of primitives
// drawn before it.
class TStructureLog : public TRecordingCanvas {
 public:
  using TRecordingCanvas::TRecordingCanvas;
  void BeginLayer(int layer) override { Log("L" + std::to_string(layer)); }
  void EndLayer() override { Log("/L"); }
  void BeginItem(std::uint32_t typeCode, int index) override {
    Log("I" + std::to_string(typeCode) + ":" + std::to_string(index));
  }
  void EndItem() override { Log("/I"); }
  std::vector<std::string> Events;
  std::vector<std::size_t> OpsBefore;

 private:
  void Log(const std::string& e) {
    Events.push_back(e);
    OpsBefore.push_back(Ops().size());
  }
};

// What the scheme should say when it draws the given layers: every layer
// opened and closed, its items newest (last in the chain) first.
std::vector<std::string> ExpectedEvents(TSVObject& scheme, const std::vector<int>& layers) {
  std::vector<std::string> out;
  for (int n : layers) {
    out.push_back("L" + std::to_string(n));
    const auto& items = scheme.Layer(n).Items();
    if (scheme.Layer(n).Visible)
      for (int i = static_cast<int>(items.size()) - 1; i >= 0; --i) {
        out.push_back("I" + std::to_string(items[static_cast<std::size_t>(i)]->TypeCode) + ":" + std::to_string(i));
        out.push_back("/I");
      }
    out.push_back("/L");
  }
  return out;
}

// Every primitive lies inside an item: none is drawn between a layer's or
// an item's end and the next item's start.
void ExpectNoPrimitiveOutsideItems(const TStructureLog& log) {
  for (std::size_t i = 1; i < log.Events.size(); ++i) {
    if (log.Events[i] == "/I") continue;
    EXPECT_EQ(log.OpsBefore[i], log.OpsBefore[i - 1]) << "before event " << i << " " << log.Events[i];
  }
}

class CanvasStructure : public ::testing::Test {
 protected:
  void SetUp() override {
    scheme_.LoadAll();
    ASSERT_GT(scheme_.Layer(4).Count(), 2);
    ASSERT_GT(scheme_.Layer(12).Count(), 2);
    ctx_.Canvas = &log_;
    ctx_.Normalize();
  }
  TMessageCapture messages_;
  TSVObject scheme_{SourcePath("data/Data/svo1/")};
  TStructureLog log_{TRect{0, 0, 4000, 4000}};
  TDrawContext ctx_;
};

const std::vector<int> kAllLayers = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};

}  // namespace

TEST_F(CanvasStructure, DrawingTheSchemeOpensEveryLayerInOrderAndEveryItemNewestFirst) {
  scheme_.Layer(7).Visible = false;  // a hidden layer is opened and closed empty
  scheme_.DrawAll(ctx_, false);
  EXPECT_EQ(log_.Events, ExpectedEvents(scheme_, kAllLayers));
  ExpectNoPrimitiveOutsideItems(log_);
  EXPECT_FALSE(log_.Ops().empty());
}

TEST_F(CanvasStructure, PrintingAndRedrawingOneLayerSayTheSame) {
  scheme_.PrintAll(ctx_);
  EXPECT_EQ(log_.Events, ExpectedEvents(scheme_, kAllLayers));
  ExpectNoPrimitiveOutsideItems(log_);

  TStructureLog heads;
  ctx_.Canvas = &heads;
  scheme_.DrawLayer(12, ctx_, false);
  EXPECT_EQ(heads.Events, ExpectedEvents(scheme_, {12}));
}

TEST_F(CanvasStructure, ATeePassesTheStructureToItsTargetAndRecordsOnlyPrimitives) {
  scheme_.DrawAll(ctx_, false);
  const std::size_t plain = log_.Ops().size();

  TStructureLog target(TRect{0, 0, 4000, 4000});
  TRecordingCanvas recorder(TRect{0, 0, 4000, 4000});
  {
    TTeeCanvas tee(target, recorder);
    ctx_.Canvas = &tee;
    scheme_.DrawAll(ctx_, false);
    ctx_.Canvas = &log_;
  }
  EXPECT_EQ(target.Events, log_.Events);
  EXPECT_EQ(recorder.Ops().size(), plain);
  EXPECT_EQ(target.Ops().size(), plain);
}

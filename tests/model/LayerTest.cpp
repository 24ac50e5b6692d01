#include <gtest/gtest.h>

#include "ProbeItems.h"
#include "TestSupport.h"
#include "model/Geometry.h"
#include "model/SVObject.h"
#include "platform/Messages.h"
#include "platform/ProgramDir.h"
#include "platform/RecordingCanvas.h"

namespace {

// Type codes of a few layers: 21 is in layer 1, 1 in layer 4, 7 in layer 10.
constexpr std::uint32_t kInLayer1 = 21, kInLayer4 = 1, kInLayer10 = 7;

class SchemeTest : public ::testing::Test {
 protected:
  SchemeTest() : Scheme(Dir.Path()) {
    Ctx.Canvas = &Canvas;
    Ctx.Normalize();
    Ctx.HitTolerance = 3;
  }

  TSVItem* Add(std::uint32_t code, const std::string& name, double x1 = 0, double y1 = 0, double x2 = 10,
               double y2 = 10) {
    auto item = std::make_unique<TProbeLine>(code, name, &Log, x1, y1, x2, y2);
    TSVItem* raw = item.get();
    EXPECT_NE(Scheme.AddItem(std::move(item)), 0);
    return raw;
  }

  // Declared first: the probes write into it while the scheme frees them.
  TProbeLog Log;
  TTempDir Dir;
  TSVObject Scheme;
  TRecordingCanvas Canvas{TRect{0, 0, 1000, 1000}};
  TDrawContext Ctx;
};

}  // namespace

TEST_F(SchemeTest, LayersDrawInOrderOneToTwelveAndEachItsNewestItemFirst) {
  Add(kInLayer10, "pole");
  Add(kInLayer4, "curb1");
  Add(kInLayer4, "curb2");
  Add(kInLayer1, "house");
  Scheme.DrawAll(Ctx, false);
  EXPECT_EQ(Log, (TProbeLog{"house:inactive", "curb2:inactive", "curb1:inactive", "pole:inactive"}));
  Log.clear();
  Scheme.PrintAll(Ctx);
  EXPECT_EQ(Log, (TProbeLog{"house:print", "curb2:print", "curb1:print", "pole:print"}));
  Log.clear();
  Scheme.DrawLayer(4, Ctx, true);
  Scheme.DrawLayer(13, Ctx, true);
  EXPECT_EQ(Log, (TProbeLog{"curb2:active", "curb1:active"}));
}

TEST_F(SchemeTest, AHiddenLayerIsNotDrawnPrintedOrSnappedToButStillCountsInTheShownBounds) {
  Add(kInLayer4, "curb", 100, 100, 200, 150);
  Scheme.Layer(4).Visible = false;
  TSoundCapture sound;
  Scheme.DrawAll(Ctx, false);
  Scheme.PrintAll(Ctx);
  double x = 0, y = 0;
  EXPECT_FALSE(Scheme.FindAnchor(100, 100, kInLayer4, Ctx, x, y));
  EXPECT_TRUE(Log.empty());
  EXPECT_TRUE(sound.Played.empty());
  EXPECT_EQ(Scheme.BoundsShown(Ctx), (TRect{100, 100, 200, 150}));
  EXPECT_FALSE(IsValidRect(Scheme.BoundsOfVisibleLayers(Ctx)));
}

TEST_F(SchemeTest, ShownBoundsLeaveOutDeletedItemsWhileVisibleBoundsKeepThem) {
  Add(kInLayer4, "curb", 100, 100, 200, 150);
  TSVItem* gone = Add(kInLayer1, "house", 0, 0, 20, 20);
  gone->Selected = true;
  Scheme.HideSelected();
  EXPECT_EQ(Scheme.BoundsShown(Ctx), (TRect{100, 100, 200, 150}));
  EXPECT_EQ(Scheme.BoundsOfVisibleLayers(Ctx), (TRect{0, 0, 200, 150}));
  TSVObject empty(Dir.Path());
  EXPECT_FALSE(IsValidRect(empty.BoundsShown(Ctx)));
}

TEST_F(SchemeTest, UndoBringsBackExactlyTheLastDeletionSelected) {
  TSVItem* a = Add(kInLayer4, "a");
  TSVItem* b = Add(kInLayer4, "b");
  Add(kInLayer1, "c");
  a->Selected = true;
  Scheme.HideSelected();
  EXPECT_TRUE(a->Hidden);
  EXPECT_TRUE(a->Selected);
  b->Selected = true;
  Scheme.RestoreHidden();
  EXPECT_FALSE(a->Hidden);
  EXPECT_TRUE(a->Selected);
  EXPECT_FALSE(b->Selected);
  EXPECT_EQ(Scheme.CountSelected(), 1);
  EXPECT_TRUE(Log.empty());
}

TEST_F(SchemeTest, ASecondDeletionMakesTheFirstOneFinal) {
  TSVItem* a = Add(kInLayer4, "a");
  TSVItem* b = Add(kInLayer4, "b");
  a->Selected = true;
  Scheme.HideSelected();
  Scheme.DeselectAll();
  b->Selected = true;
  Scheme.HideSelected();
  EXPECT_EQ(Log, (TProbeLog{"a:freed"}));
  Scheme.RestoreHidden();
  EXPECT_EQ(Scheme.Layer(4).Count(), 1);
  EXPECT_FALSE(b->Hidden);
  EXPECT_TRUE(b->Selected);
}

TEST_F(SchemeTest, DeleteFreesSelectedItemsOfEditableLayersAndDeselectsTheRest) {
  TSVItem* a = Add(kInLayer4, "a");
  Add(kInLayer4, "b");
  TSVItem* locked = Add(kInLayer1, "locked");
  a->Selected = true;
  locked->Selected = true;
  Scheme.Layer(1).Editable = false;
  Scheme.DeleteSelected();
  EXPECT_EQ(Log, (TProbeLog{"a:freed"}));
  EXPECT_EQ(Scheme.Layer(1).Count(), 1);
  EXPECT_FALSE(locked->Selected);
  EXPECT_EQ(Scheme.CountSelected(), 0);
}

TEST_F(SchemeTest, ALockedLayerNeitherHidesNorRestoresButIsDeselected) {
  TSVItem* a = Add(kInLayer4, "a");
  a->Selected = true;
  Scheme.Layer(4).Editable = false;
  Scheme.HideSelected();
  EXPECT_FALSE(a->Hidden);
  Scheme.Layer(4).Editable = true;
  Scheme.HideSelected();
  Scheme.Layer(4).Visible = false;
  Scheme.RestoreHidden();
  EXPECT_TRUE(a->Hidden);
  EXPECT_FALSE(a->Selected);
}

TEST_F(SchemeTest, RectangleSelectionSkipsLockedLayersAndReachesDeletedItems) {
  TSVItem* a = Add(kInLayer4, "a", 0, 0, 100, 0);
  TSVItem* b = Add(kInLayer1, "b", 0, 0, 100, 0);
  TSVItem* far = Add(kInLayer4, "far", 500, 500, 600, 600);
  a->Hidden = true;
  Scheme.Layer(1).Editable = false;
  Scheme.SelectInRect(Ctx, TRect{40, -2, 60, 2});
  EXPECT_TRUE(a->Selected);
  EXPECT_FALSE(b->Selected);
  EXPECT_FALSE(far->Selected);
}

TEST_F(SchemeTest, AddingThroughTheSchemeIgnoresTheSwitchesAndLeavesThemAsTheyWere) {
  Scheme.Layer(4).Editable = false;
  Scheme.Layer(4).Visible = false;
  Add(kInLayer4, "curb");
  EXPECT_EQ(Scheme.Layer(4).Count(), 1);
  EXPECT_EQ(Scheme.Layer(4).Items()[0]->Owner, &Scheme.Layer(4));
  EXPECT_FALSE(Scheme.Layer(4).Editable);
  EXPECT_FALSE(Scheme.Layer(4).Visible);
}

TEST_F(SchemeTest, ALayerThatMayNotTakeItemsFreesWhatItIsGiven) {
  Scheme.Layer(4).Editable = false;
  EXPECT_EQ(Scheme.Layer(4).AddLayerItem(std::make_unique<TProbeLine>(kInLayer4, "x", &Log)), nullptr);
  EXPECT_EQ(Log, (TProbeLog{"x:freed"}));
  EXPECT_EQ(Scheme.Layer(4).Count(), 0);
}

TEST_F(SchemeTest, AnItemOfACodeWithoutALayerIsRefusedWithAMessage) {
  TMessageCapture messages;
  EXPECT_EQ(Scheme.AddItem(std::make_unique<TProbeLine>(33, "label", &Log)), 0);
  EXPECT_EQ(Log, (TProbeLog{"label:freed"}));
  ASSERT_EQ(messages.Messages.size(), 1u);
  EXPECT_EQ(messages.Messages[0].Severity, TMessageSeverity::Info);
  EXPECT_EQ(messages.Messages[0].Text, "Неизвестный код предмета. (TSVObject.AddItem)");
}

TEST_F(SchemeTest, RemovingAnItemFreesExactlyThatItem) {
  Add(kInLayer4, "a");
  TSVItem* b = Add(kInLayer4, "b");
  Add(kInLayer4, "c");
  Scheme.Layer(4).RemoveLayerItem(b);
  EXPECT_EQ(Log, (TProbeLog{"b:freed"}));
  Log.clear();
  Scheme.Layer(4).DrawLayer(Ctx, false);
  EXPECT_EQ(Log, (TProbeLog{"c:inactive", "a:inactive"}));
}

TEST_F(SchemeTest, SnappingAsksLayersOneToTwelveThenTheNewestItemAndClicksOnce) {
  Add(kInLayer4, "old curb", 50, 50, 0, 0);
  Add(kInLayer4, "new curb", 51, 50, 0, 0);
  Add(kInLayer10, "pole", 50, 50, 0, 0);
  TSoundCapture sound;
  double x = 0, y = 0;
  ASSERT_TRUE(Scheme.FindAnchor(50, 50, 1, Ctx, x, y));
  EXPECT_EQ(x, 51);  // the newer curb, not the pole of layer 10

  Add(kInLayer1, "house", 49, 50, 0, 0);
  ASSERT_TRUE(Scheme.FindAnchor(50, 50, 1, Ctx, x, y));
  EXPECT_EQ(x, 49);  // layer 1 comes first
  EXPECT_EQ(sound.Played, (std::vector<std::string>(2, ProgramDir() + "wav/click1.wav")));

  EXPECT_FALSE(Scheme.FindAnchor(300, 300, 1, Ctx, x, y));
  EXPECT_EQ(sound.Played.size(), 2u);
}

TEST_F(SchemeTest, HangingSnapAsksLayersOneToTwelveThenTheNewestCarrierAndClicksOnce) {
  Add(kInLayer4, "old stick", 50, 50, 0, 0);
  Add(kInLayer4, "new stick", 51, 50, 0, 0);
  Add(kInLayer10, "pole", 52, 50, 0, 0);
  TSoundCapture sound;
  double x = 0, y = 0, x2 = 0, y2 = 0;
  ASSERT_TRUE(Scheme.FindAnchorEx(50, 50, 8, Ctx, x, y, x2, y2));
  EXPECT_EQ(x, 51);  // the newer carrier of layer 4, not the older one nor the pole of layer 10
  EXPECT_EQ(x2, 5);

  Add(kInLayer1, "house", 49, 50, 0, 0);
  ASSERT_TRUE(Scheme.FindAnchorEx(50, 50, 8, Ctx, x, y, x2, y2));
  EXPECT_EQ(x, 49);  // layer 1 comes first
  EXPECT_EQ(sound.Played, (std::vector<std::string>(2, ProgramDir() + "wav/click1.wav")));
}

TEST_F(SchemeTest, SnappingPassesOverDeletedItems) {
  Add(kInLayer4, "old", 50, 50, 0, 0);
  Add(kInLayer4, "new", 51, 50, 0, 0)->Hidden = true;
  double x = 0, y = 0, x2 = 0, y2 = 0;
  ASSERT_TRUE(Scheme.FindAnchorEx(50, 50, 8, Ctx, x, y, x2, y2));
  EXPECT_EQ(x, 50);
  EXPECT_EQ(x2, 5);
}

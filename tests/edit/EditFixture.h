#pragma once
// A scheme editor on an empty passport, driven through the script runner,
// with the view at zoom 2 and origin (10, 20): screen (x, y) is world
// ((x - 10) / 2, (y - 20) / 2).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "TestSupport.h"
#include "edit/EditScript.h"
#include "edit/EditSession.h"
#include "model/SVObject.h"
#include "platform/Messages.h"
#include "platform/RecordingCanvas.h"

class TEditFixture : public ::testing::Test {
 protected:
  TEditFixture()
      : Scheme(Dir.Path()),
        Canvas(TRect{0, 0, 1000, 700}),
        Session(Scheme, Host),
        Runner(Scheme, Session, Host, TScriptEnv{}) {
    Session.SetCanvas(&Canvas, 1000, 700);
    Session.Prepare();
    Session.Show();
    Run("view 2 10 20");
  }

  // Runs script lines; fails the test at a line the runner refuses.
  void Run(const std::string& script) {
    std::string error;
    ASSERT_TRUE(Runner.Run(script, error)) << error;
    Canvas.Clear();
  }
  bool TryRun(const std::string& script, std::string& error) { return Runner.Run(script, error); }

  // The items of a layer, oldest first, hidden ones left out.
  std::vector<TSVItem*> Items(int layer) {
    std::vector<TSVItem*> v;
    for (const auto& p : Scheme.Layer(layer).Items())
      if (!p->Hidden) v.push_back(p.get());
    return v;
  }
  template <typename T>
  T* Only(int layer) {
    const auto items = Items(layer);
    EXPECT_EQ(items.size(), 1u) << "layer " << layer;
    return items.size() == 1 ? dynamic_cast<T*>(items[0]) : nullptr;
  }

  TTempDir Dir;
  TMessageCapture Messages;
  TSVObject Scheme;
  TRecordingCanvas Canvas;
  TScriptDialogHost Host;
  TEditSession Session;
  TEditScriptRunner Runner;
};

#include "PassportGenerator.h"

#include <cmath>

#include "CrossingGenerator.h"
#include "GenRandom.h"
#include "PlanGenerator.h"
#include "model/SVObject.h"
#include "plan/SVInfo.h"
#include "plan/SVtime.h"

int GeneratedItemsPerCrossing() {
  static const int count = [] {
    TSVObject probe("./");
    TGenRandom rng(1);
    FillGeneratedPlan(*probe.Info, rng);
    return static_cast<int>(TCrossingBuilder(RandomCrossingShape(0, 0, rng), *probe.Info, rng, 1).Build().size());
  }();
  return count;
}

int GeneratedCrossingCount(int items) {
  if (items <= 0) return 0;
  const int per = GeneratedItemsPerCrossing();
  return (items + per - 1) / per;
}

void GeneratePassport(TSVObject& scheme, const TGeneratorOptions& options) {
  TGenRandom rng(options.Seed);
  FillGeneratedPlan(*scheme.Info, rng);
  const int crossings = GeneratedCrossingCount(options.Items);
  // Wider than tall, like the window, so that even a hundred thousand items
  // fit into it within the viewer's smallest zoom.
  const int columns = static_cast<int>(std::ceil(std::sqrt(crossings * 16.0 / 9.0)));
  int left = options.Items;
  for (int i = 0; i < crossings && left > 0; ++i) {
    const double cx = (i % (columns > 0 ? columns : 1)) * kCrossingPitch;
    const double cy = (i / (columns > 0 ? columns : 1)) * kCrossingPitch;
    TCrossingBuilder builder(RandomCrossingShape(cx, cy, rng), *scheme.Info, rng, i + 1);
    for (auto& item : builder.Build()) {
      if (left == 0) break;
      scheme.AddItem(std::move(item));
      --left;
    }
  }
  scheme.Time->SetPhase(1);
  scheme.CopyTimingToDirections();
}

bool WriteGeneratedPassport(const std::string& dir, const TGeneratorOptions& options) {
  TSVObject scheme(dir);
  GeneratePassport(scheme, options);
  return scheme.Info->SaveAll() && scheme.SaveMap();
}

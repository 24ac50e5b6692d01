#pragma once
// Small signal plans built in memory for the plan tests.
#include <initializer_list>
#include <memory>
#include <string>

#include "TestSupport.h"
#include "plan/SVInfo.h"
#include "plan/SVtime.h"

struct TPhaseTimes {
  int TMin;
  int Main1;
  int Main2;
  int Main3;
};

struct TDirectionPlan {
  std::string Name;
  std::string PhaseList;
  int TGreen;
  int TGreenFlash;
  int TYellow;
  int TRed;
  int TRedYellow;
};

// A passport held in memory (its directory is a fresh temp directory) with a
// clock over it.
class TPlanFixture {
 public:
  explicit TPlanFixture(int objectType = 1) : Info(nullptr, Dir.Path()), Time(&Info) { Info.ObjectType = objectType; }

  void SetPhases(std::initializer_list<TPhaseTimes> phases) {
    Info.SetPhaseCount(static_cast<int>(phases.size()));
    int i = 1;
    for (const TPhaseTimes& p : phases) {
      TSVPhase& phase = *Info.Phases.Item(i++);
      phase.TMin = static_cast<std::uint16_t>(p.TMin);
      phase.TMain[1] = static_cast<std::uint16_t>(p.Main1);
      phase.TMain[2] = static_cast<std::uint16_t>(p.Main2);
      phase.TMain[3] = static_cast<std::uint16_t>(p.Main3);
    }
    Info.Directions.PhaseCount = Info.PhaseCount;
  }

  void SetDirections(std::initializer_list<TDirectionPlan> directions) {
    Info.SetDirectionCount(static_cast<int>(directions.size()));
    int i = 1;
    for (const TDirectionPlan& d : directions) {
      TSVNapr& napr = *Info.Directions.Item(i++);
      napr.SetName(d.Name);
      napr.SetPhaseList(d.PhaseList);
      napr.TGreen = static_cast<std::uint16_t>(d.TGreen);
      napr.TGreenFlash = static_cast<std::uint16_t>(d.TGreenFlash);
      napr.TYellow = static_cast<std::uint16_t>(d.TYellow);
      napr.TRed = static_cast<std::uint16_t>(d.TRed);
      napr.TRedYellow = static_cast<std::uint16_t>(d.TRedYellow);
    }
  }

  // What the scheme object does after every change of the clock.
  void CopyClock() {
    for (int i = 1; i <= Info.Directions.Count; ++i) {
      Info.Directions.Item(i)->CurrentPhase = static_cast<std::uint8_t>(Time.Phase);
      Info.Directions.Item(i)->Remaining = Time.Remaining;
    }
  }

  TSVNapr& Direction(int slot) { return *Info.Directions.Item(slot); }

  TTempDir Dir;
  TSVInfo Info;
  TSVtime Time;
};

#pragma once
// The phase clock: the current phase, the selected controller program and
// the seconds left in the phase.
#include <cstdint>

class TSVInfo;

class TSVtime {
 public:
  explicit TSVtime(TSVInfo* info) : Info(info) {}

  double Remaining = 0.0;
  // 0 until the first phase is set.
  int Phase = 0;
  TSVInfo* Info;
  // 0 = I, 1 = II, 2 = III.
  std::uint8_t Program = 0;

  // Main time of phase p in the selected program (a system object has only
  // the first); 0 for a phase the passport does not have.
  int MainTime(int p) const;
  // The longest green share of the directions that lose green at the end of
  // phase p.
  int IntermediateTime(int p) const;
  // The whole length of phase p: main time plus intermediate time.
  int Duration(int p) const { return MainTime(p) + IntermediateTime(p); }
  int NextPhase(int p) const;
  // p <= 0 only clears Remaining.
  void SetPhase(int p);
  // Counts down by dt; the overshoot past 0 carries into the next phase.
  void Tick(double dt);
};

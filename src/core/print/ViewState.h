#pragma once
// What the viewer shows of a passport and a print changes on its way: the
// clock's phase and program, the phase each direction shows, and the layer
// switches (a layer-set print may show only its layers). Kept on entry to a
// print and put back when it ends, so the main window shows afterwards what
// it showed before.
#include <array>
#include <cstdint>
#include <vector>

#include "model/SVObject.h"

class TViewStateKeeper {
 public:
  explicit TViewStateKeeper(TSVObject& scheme);
  ~TViewStateKeeper() { Restore(); }
  TViewStateKeeper(const TViewStateKeeper&) = delete;
  TViewStateKeeper& operator=(const TViewStateKeeper&) = delete;

  // Puts back what was kept (again on destruction).
  void Restore();

 private:
  struct TDirectionState {
    double Remaining;
    std::uint8_t Phase;
  };
  TSVObject& Scheme_;
  int Phase_;
  std::uint8_t Program_;
  double Remaining_;
  std::vector<TDirectionState> Directions_;
  std::array<bool, kLayerCount + 1> Visible_{};
  std::array<bool, kLayerCount + 1> Editable_{};
};

#pragma once
// "Выбор знака" for the sign "Направление главной дороги": a 120 x 120
// picture of the upright sign whose eight road stubs the user clicks to
// cycle through no road, a secondary road and the main road. The cells are
// changed in the sign itself.
#include <array>
#include <cstdint>

#include "platform/Dialogs.h"

class TCanvas;
class TWhiteSign;

class TWhiteSignFormModel : public TDialogModel {
 public:
  static constexpr int kPictureSize = 120;

  const char* FormName() const override { return "TWhiteSignForm"; }
  static const char* Caption() { return "Выбор знака"; }

  // Binds the sign being made (not owned) for this opening; its cells are
  // shown and changed.
  void Prepare(TWhiteSign* sign);

  // A click at (x, y) of the picture: cycles the cell under it 0 -> 1 -> 2
  // -> 0. Refused while no sign is bound.
  bool ClickCell(int x, int y) override;
  // "Ок": mrOk. The dialog has no cancel button: Cancel and the close box
  // close it with mrCancel; the cells stay as clicked either way.
  int Press(TDialogButton button) override;

  // The cell (1..8) a click at picture pixel (x, y) picks.
  static int CellAt(int x, int y);
  // Cells 1..8 of the bound sign (all 0 without one); [0] unused.
  std::array<std::uint8_t, 9> Cells() const;
  TWhiteSign* Sign() const { return Sign_; }

  // Draws the picture on a canvas whose (0, 0) is the picture's top left.
  void DrawPicture(TCanvas& canvas) const;

 private:
  TWhiteSign* Sign_ = nullptr;
};

#pragma once
// The scheme as last fully painted, kept by the canvas when it can: while a
// label or a free text follows the mouse, each move restores this picture
// and draws only the preview over it, instead of painting every item again.
#include "platform/Canvas.h"

class TPictureCache {
 public:
  // The scheme has just been painted in full on the canvas.
  void Taken(TCanvas& canvas) { Valid_ = canvas.SavePicture(); }
  // Puts the picture back; false when there is none (paint in full then).
  bool Restore(TCanvas& canvas) { return Valid_ && canvas.RestorePicture(); }
  void Forget() { Valid_ = false; }

 private:
  bool Valid_ = false;
};

#pragma once
// Offscreen pictures: a canvas that draws pixels can give a picture of its
// own kind to draw into, for a drawing too large to paint again at every
// repaint (a survey plan of tens of thousands of entities). Canvases
// without pixels (files, the recorder) do not offer it; what would go into
// the picture is then drawn on them directly.
#include <memory>

#include "Canvas.h"

// An image of its own with a canvas drawing into it.
class TOffscreenPicture {
 public:
  virtual ~TOffscreenPicture() = default;
  virtual TCanvas& Canvas() = 0;
  // The picture drawn so far; the canvas is not used after this.
  virtual TRasterImage TakeImage() = 0;
};

// What a canvas with pixels implements besides TCanvas.
class TOffscreenPictures {
 public:
  virtual ~TOffscreenPictures() = default;
  // A picture of `width` × `height` pixels, or null when it cannot be had.
  virtual std::unique_ptr<TOffscreenPicture> NewPicture(int width, int height) = 0;
};

// The canvas's offscreen pictures, or null when it has none.
inline TOffscreenPictures* OffscreenPicturesOf(TCanvas& canvas) { return dynamic_cast<TOffscreenPictures*>(&canvas); }

#pragma once
// Drawing the shapes of a drawn base on a canvas.
#include "BaseDrawing.h"
#include "platform/Canvas.h"

// Draws every shape of `drawing` that may touch `clip` in `color`: world
// point (x, y) goes to canvas pixel (x·zoom + offsetX, y·zoom + offsetY).
// Texts too small to read (under 3 pixels high) are left out.
void PaintBaseDrawing(TCanvas& canvas, const TBaseDrawing& drawing, double zoom, double offsetX, double offsetY,
                      const TRect& clip, TColor color);

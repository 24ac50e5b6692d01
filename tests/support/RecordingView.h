#pragma once
// A view for item tests: a recording canvas and a normalised context on it,
// with the editor's hit tolerance.
#include "model/DrawContext.h"
#include "platform/RecordingCanvas.h"

struct TRecordingView {
  TRecordingCanvas Canvas;
  TDrawContext Ctx;
  explicit TRecordingView(double zoom = 1, double signScale = 1) {
    Ctx.Canvas = &Canvas;
    Ctx.Zoom = zoom;
    Ctx.SignScale = signScale;
    Ctx.Normalize();
    Ctx.HitTolerance = 3;
  }
  TRecordingView(const TRecordingView&) = delete;
  TRecordingView& operator=(const TRecordingView&) = delete;
};

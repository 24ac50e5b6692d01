// A survey plan given to the editor as its base: hostile DXF bytes read,
// blocks resolved and the plan drawn at two zooms, the way the editor pans
// and zooms over it.
#include <cstddef>
#include <cstdint>

#include "FuzzSupport.h"
#include "base/BaseDrawingPaint.h"
#include "base/DxfBaseReader.h"
#include "platform/RecordingCanvas.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string path = ScratchDir("base") + "plan.dxf";
  WriteFile(path, data, size);
  TBaseDrawing drawing;
  std::string reason;
  if (!ReadDxfBase(path, drawing, reason)) return 0;
  TRecordingCanvas canvas;
  const TRect clip{0, 0, 800, 600};
  PaintBaseDrawing(canvas, drawing, 1.0, 0, 0, clip, 0x787C8C);
  PaintBaseDrawing(canvas, drawing, 7.5, -drawing.MinX * 7.5, -drawing.MinY * 7.5, clip, 0x787C8C);
  return 0;
}

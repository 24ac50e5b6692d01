#pragma once
// A passport built in memory for the print tests, and a page that maps one
// centimetre to 100 pixels.
#include <initializer_list>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include "TestSupport.h"
#include "model/SVObject.h"
#include "plan/SVInfo.h"
#include "plan/SVtime.h"
#include "platform/RecordingCanvas.h"
#include "print/PageLayout.h"

struct TDirectionTimes {
  std::string PhaseList;
  int TGreen, TGreenFlash, TYellow, TRed, TRedYellow;
};

class TPrintFixture {
 public:
  TPrintFixture() : Scheme(std::make_unique<TSVObject>(Dir.Path() + "svo7/")) { Scheme->Info->ObjectType = 1; }

  TSVInfo& Info() { return *Scheme->Info; }

  void SetPhases(std::initializer_list<int> mainTimes) {
    Info().SetPhaseCount(static_cast<int>(mainTimes.size()));
    int i = 1;
    for (int t : mainTimes) Info().Phases.Item(i++)->TMain[1] = static_cast<std::uint16_t>(t);
    Info().Directions.PhaseCount = Info().PhaseCount;
  }

  void SetDirections(std::initializer_list<TDirectionTimes> directions) {
    Info().SetDirectionCount(static_cast<int>(directions.size()));
    int i = 1;
    for (const auto& d : directions) {
      TSVNapr& n = *Info().Directions.Item(i++);
      n.SetPhaseList(d.PhaseList);
      n.TGreen = static_cast<std::uint16_t>(d.TGreen);
      n.TGreenFlash = static_cast<std::uint16_t>(d.TGreenFlash);
      n.TYellow = static_cast<std::uint16_t>(d.TYellow);
      n.TRed = static_cast<std::uint16_t>(d.TRed);
      n.TRedYellow = static_cast<std::uint16_t>(d.TRedYellow);
    }
  }

  TTempDir Dir;
  std::unique_ptr<TSVObject> Scheme;
};

// 254 dots per inch: 100 pixels a centimetre, 10 a millimetre.
inline TPrinterMetrics CentimetrePrinter(int width, int height) {
  TPrinterMetrics m;
  m.DpiX = m.DpiY = 254;
  m.PaperWidth = width;
  m.PaperHeight = height;
  m.Printable = TRect{0, 0, width, height};
  return m;
}

// The recorded operations of one kind whose pen or brush matches.
inline std::vector<TRect> FilledRects(const TRecordingCanvas& c, TColor color, int top, int bottom) {
  std::vector<TRect> out;
  for (const auto& op : c.OpsOf(TCanvasOpKind::FillRect))
    if (op.Brush.Color == color && op.Points[0].y == top && op.Points[1].y == bottom)
      out.push_back(TRect{op.Points[0].x, op.Points[0].y, op.Points[1].x, op.Points[1].y});
  return out;
}

inline std::vector<TRect> DottedFrames(const TRecordingCanvas& c) {
  std::vector<TRect> out;
  for (const auto& op : c.OpsOf(TCanvasOpKind::Rectangle))
    if (op.Pen.Style == TPenStyle::Dot && op.Pen.Color == 0x808080)
      out.push_back(TRect{op.Points[0].x, op.Points[0].y, op.Points[1].x, op.Points[1].y});
  return out;
}

inline bool operator<(const TRect& a, const TRect& b) {
  return std::tie(a.Left, a.Top, a.Right, a.Bottom) < std::tie(b.Left, b.Top, b.Right, b.Bottom);
}

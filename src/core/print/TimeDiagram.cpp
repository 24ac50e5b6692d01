#include "TimeDiagram.h"

#include <algorithm>
#include <string>

#include "PageText.h"
#include "model/Geometry.h"
#include "plan/SVInfo.h"
#include "plan/SVtime.h"

namespace {

constexpr TColor kBarGreen = 0x60FF60;
constexpr TColor kBarYellow = 0x20FFFF;
constexpr TColor kBarRed = 0x0000FF;
constexpr const char* kDiagramFace = "Times New Roman";

void FillBar(TCanvas& canvas, double x1, double x2, int top, int bottom, TColor color) {
  canvas.SetBrushColor(color);
  canvas.FillRect(TRect{Round(x1), top, Round(x2), bottom});
}

void Label(TCanvas& canvas, double x1, double x2, int top, int bottom, int seconds) {
  TextInBand(canvas, TRect{Round(x1), top, Round(x2), bottom}, std::to_string(seconds), true);
}

void VerticalLine(TCanvas& canvas, double x, int top, int bottom) { canvas.Line(Round(x), top, Round(x), bottom); }

}  // namespace

std::vector<TDiagramColumn> DiagramColumns(double left, double width, double labelWidth,
                                           const std::vector<int>& intermediates) {
  std::vector<TDiagramColumn> cols;
  const int n = static_cast<int>(intermediates.size());
  if (n == 0) return cols;
  long total = 0;
  for (int i : intermediates) total += i;
  const double span = width - labelWidth;
  const double m = (total > 0 ? 0.4 : 1.0) * span / n;
  const double s = total > 0 ? 0.6 * span / static_cast<double>(total) : 0.0;
  double before = 0;  // seconds of the intermediate parts before phase k
  for (int k = 1; k <= n; ++k) {
    TDiagramColumn c;
    c.Intermediate = intermediates[static_cast<std::size_t>(k - 1)];
    const double x0 = left + labelWidth + before * s;
    c.MainLeft = x0 + (k - 1) * m;
    c.MainRight = x0 + k * m;
    before += c.Intermediate;
    c.InterRight = left + labelWidth + before * s + k * m;
    cols.push_back(c);
  }
  return cols;
}

std::vector<TBarSegment> IntermediateSegments(const TSVNapr& d, int phase, int next, int inter) {
  const bool openNow = d.IsOpenIn(phase), openNext = d.IsOpenIn(next);
  std::vector<TBarSegment> raw;
  if (openNow && openNext) {
    raw = {{inter, kBarGreen, false}};
  } else if (openNow) {
    // Seconds left when each signal begins, never beyond the phase's end and
    // each no later than the one before it.
    const int green = std::min<int>(inter, d.TGreen);
    const int flash = std::min<int>(green, d.TGreenFlash);
    const int yellow = std::min<int>(flash, d.TYellow);
    raw = {{inter - green, kBarGreen, false},
           {green - flash, kBarGreen, true},
           {flash - yellow, kBarYellow, false},
           {yellow, kBarRed, false}};
  } else if (openNext) {
    const int green = std::min<int>(inter, d.TRedYellow);
    const int yellow = std::max(0, std::min<int>(inter, d.TRed) - green);
    raw = {{inter - green - yellow, kBarRed, false}, {yellow, kBarYellow, false}, {green, kBarGreen, false}};
  } else {
    raw = {{inter, kBarRed, false}};
  }
  std::vector<TBarSegment> out;
  for (const auto& seg : raw)
    if (seg.Seconds > 0) out.push_back(seg);
  return out;
}

void DrawTimeDiagram(TCanvas& canvas, const TRect& body, double pf, const TSVInfo& info, const TSVtime& clock,
                     const TPhaseLengths& lengths) {
  const int phases = info.PhaseCount;
  const int rows = info.Directions.Count;
  const double h = 11 * pf, q = 18 * pf;
  const double rowH = rows > 0 ? std::min(18 * pf, (RectHeight(body) - h) / rows) : 18 * pf;
  std::vector<int> inter;
  for (int k = 1; k <= phases; ++k) inter.push_back(clock.IntermediateTime(k));
  const std::vector<TDiagramColumn> cols = DiagramColumns(body.Left, RectWidth(body), q, inter);
  const auto length = [&](int k) { return k >= 1 && k <= 7 ? lengths[static_cast<std::size_t>(k)] : 0; };

  const double barH = 1.3 * pf;
  canvas.SetFont(PageFont(kDiagramFace, 4, pf));
  for (int i = 1; i <= rows; ++i) {
    const TSVNapr* d = info.Directions.Item(i);
    if (!d) continue;
    const double rowBottom = body.Top + h + i * rowH;
    const int barBottom = Round(rowBottom), barTop = Round(rowBottom - barH);
    const int labelTop = Round(rowBottom - barH - 2.7 * barH);
    for (int k = 1; k <= phases; ++k) {
      const TDiagramColumn& c = cols[static_cast<std::size_t>(k - 1)];
      FillBar(canvas, c.MainLeft, c.MainRight, barTop, barBottom, d->IsOpenIn(k) ? kBarGreen : kBarRed);
      Label(canvas, c.MainLeft, c.MainRight, labelTop, barTop, length(k));
      if (c.InterRight <= c.MainRight) continue;
      const double s = (c.InterRight - c.MainRight) / c.Intermediate;
      double x = c.MainRight;
      for (const TBarSegment& seg : IntermediateSegments(*d, k, info.Directions.GetNextPhase(k), c.Intermediate)) {
        const double end = x + seg.Seconds * s;
        if (seg.Flashing) {
          for (int j = 0; j < seg.Seconds; ++j)
            FillBar(canvas, x + (j + 0.5) * s, x + (j + 1) * s, barTop, barBottom, seg.Color);
        } else {
          FillBar(canvas, x, end, barTop, barBottom, seg.Color);
        }
        Label(canvas, x, end, labelTop, barTop, seg.Seconds);
        x = end;
      }
    }
  }

  canvas.Pen = TPen{};
  canvas.SetFont(PageFont(kDiagramFace, 5, pf));
  const int top = body.Top, headerBottom = Round(body.Top + h);
  const int lineBottom = Round(body.Top + h + rows * rowH + 2 * pf);
  VerticalLine(canvas, body.Left + q, top, lineBottom);
  for (int k = 1; k <= phases; ++k) {
    const TDiagramColumn& c = cols[static_cast<std::size_t>(k - 1)];
    VerticalLine(canvas, c.MainRight, top, lineBottom);
    TextInBand(canvas, TRect{Round(c.MainLeft), top, Round(c.MainRight), headerBottom},
               "Фаза " + std::to_string(k) + "\r\n" + std::to_string(length(k)) + " с", true);
    // A phase in which no direction closes has no intermediate part to head.
    if (c.InterRight <= c.MainRight) continue;
    VerticalLine(canvas, c.InterRight, top, lineBottom);
    TextInBand(canvas, TRect{Round(c.MainRight), top, Round(c.InterRight), headerBottom},
               "Т пром\r\n" + std::to_string(c.Intermediate) + " с", true);
  }
  canvas.Line(body.Left, headerBottom, body.Right, headerBottom);
  for (int i = 1; i <= rows; ++i) {
    const double rowBottom = body.Top + h + i * rowH;
    TextInBand(canvas, TRect{body.Left, Round(rowBottom - 5 * pf), Round(body.Left + q), Round(rowBottom)},
               std::to_string(i) + " напр.", true);
  }
}

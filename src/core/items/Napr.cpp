#include "Napr.h"

#include <cmath>
#include <string>

#include "LabelIO.h"
#include "StopLine.h"
#include "model/Geometry.h"
#include "model/Layer.h"
#include "model/SVObject.h"
#include "plan/SVInfo.h"
#include "plan/SVtime.h"
#include "platform/Messages.h"
#include "platform/TextFile.h"

namespace {

constexpr TColor kRunColor = 0x008000;
constexpr TColor kStopColor = 0x0000FF;
constexpr TColor kSelectedPen = 0xFF0000;
constexpr TColor kSelectedFill = 0x404040;
constexpr TColor kRubberColor = 0x10FFFF;
constexpr std::uint32_t kLinedTextCode = TypeCode::LinedText;

const char* const kLabelMessage = "Нарушение целостности базы. Ошибка в указании текстадля направления.";

TPoint Offset(TPoint q, double ux, double uy, double wx, double wy, double along, double across) {
  return TPoint{Round(q.x + along * ux + across * wx), Round(q.y + along * uy + across * wy)};
}

// The end of an arrow at q whose last segment comes from `from`: a notched
// head for a running stream, a bar across the end for a held one.
void DrawEnd(TCanvas& c, TPoint q, TPoint from, double head, bool run) {
  double ux = 0, uy = 0;
  DirectionVector(q.x, q.y, from.x, from.y, head, ux, uy);
  const double wx = -uy, wy = ux;
  if (run) {
    c.Pen.Width = 1;
    const TPoint pts[4] = {Offset(q, ux, uy, wx, wy, 0.8, 0.25), Offset(q, ux, uy, wx, wy, -0.2, 0),
                           Offset(q, ux, uy, wx, wy, 0.8, -0.25), Offset(q, ux, uy, wx, wy, 0.6, 0)};
    c.Polygon(pts, 4);
  } else {
    const TPoint a = Offset(q, ux, uy, wx, wy, 0, 0.5);
    const TPoint b = Offset(q, ux, uy, wx, wy, 0, -0.5);
    c.Line(a.x, a.y, b.x, b.y);
  }
}

// Dash, gap, dash ... from the tail; a dash or gap begun on one segment
// runs on along the next.
void DrawDashed(TCanvas& c, const TPoint* q, int n, double dash, double gap) {
  bool inDash = true;
  double left = dash;
  for (int i = 0; i + 1 < n; ++i) {
    const double x0 = q[i].x, y0 = q[i].y;
    const double dx = q[i + 1].x - x0, dy = q[i + 1].y - y0;
    const double len = std::sqrt(dx * dx + dy * dy);
    if (len == 0) continue;
    const double ux = dx / len, uy = dy / len;
    double pos = 0;
    while (len - pos >= 1) {
      const double step = left < len - pos ? left : len - pos;
      if (inDash)
        c.Line(Round(x0 + ux * pos), Round(y0 + uy * pos), Round(x0 + ux * (pos + step)),
               Round(y0 + uy * (pos + step)));
      pos += step;
      left -= step;
      if (left <= 1e-9) {
        inDash = !inDash;
        left = inDash ? dash : gap;
      }
    }
  }
}

// Takes a just-read arrow out of its layer and frees it, whatever the
// layer's switches. Nothing of the arrow may be touched afterwards.
void DropFromLayer(TSVItem* item) {
  TLayer* layer = item->Owner;
  if (!layer) return;
  TLayerOpened opened(*layer);
  layer->RemoveLayerItem(item);
}

}  // namespace

int TNapr::Used() const { return Count < kMaxNaprVertices ? Count : kMaxNaprVertices; }

TColor TNapr::TextColor() { return Run ? kRunColor : kStopColor; }

bool TNapr::PhaseShown() const {
  const TSVObject* scheme = Scheme();
  if (!scheme || !scheme->Time) return true;
  return scheme->Time->Phase == Phase;
}

TPoint TNapr::ScreenVertex(const TDrawContext& ctx, int i) const {
  const TRealPoint& v = Vertices[static_cast<std::size_t>(i)];
  return ctx.WorldToScreen(v.x, v.y);
}

// --- stored lines ----------------------------------------------------------------

void TNapr::SaveToText(TTextWriter& f) {
  const int n = Used();
  f.WriteIntLine(n);
  for (int i = 0; i < n; ++i) {
    const TRealPoint& v = Vertices[static_cast<std::size_t>(i)];
    WriteRealPair(f, v.x, v.y);
  }
  f.WriteLine(Oneway ? "oneway" : "dual");
  f.WriteLine(Run ? "run" : "stop");
  f.WriteIntLine(Dashed);
  f.WriteIntLine(Phase);
  SaveLabel(f, Label.get());
}

void TNapr::LoadFromText(TTextReader& f) {
  const std::int64_t n = f.ReadInt();
  f.SkipLine();
  if (n < 2 || n > kMaxNaprVertices) {
    // The head needs the last two vertices and the record holds at most a
    // hundred; an arrow with another count cannot be read on.
    Count = 0;
    ShowInfo("Нарушение целостности базы. Число вершин направления " + std::to_string(n) +
             " вне пределов 2..100.");
    DropFromLayer(this);
    return;
  }
  Count = static_cast<std::uint8_t>(n);
  for (int i = 0; i < n; ++i) {
    TRealPoint& v = Vertices[static_cast<std::size_t>(i)];
    ReadRealPair(f, v.x, v.y);
  }
  Oneway = f.ReadLine() == "oneway";
  Run = f.ReadLine() == "run";
  Dashed = static_cast<std::uint8_t>(f.ReadInt() & 0xFF);
  f.SkipLine();
  Phase = static_cast<std::uint8_t>(f.ReadInt() & 0xFF);
  f.SkipLine();
  // A wrong label word is reported by the loader and ends the record; the
  // arrow is kept without a label.
  Label = LoadLinedLabel(f, this, kLinedTextCode, TextColor(), kLabelMessage);
  // An arrow of a phase the passport no longer has could never be shown, and
  // it goes whatever its label line said: kept now, it would be written back
  // and silently dropped at the next reading.
  const TSVInfo* info = Info();
  if (info && Phase > info->PhaseCount) DropFromLayer(this);
}

// --- placing and snapping ----------------------------------------------------------

void TNapr::PlaceAt(TDrawContext& ctx, const TScreenPoints& pts, const TSnapRecord& snap, int count) {
  if (count < 1) return;
  const int n = count < kMaxNaprVertices ? count : kMaxNaprVertices;
  for (int i = 0; i < n; ++i) {
    const auto k = static_cast<std::size_t>(i);
    if (i == 0 && snap[0].Found)
      Vertices[0] = TRealPoint{snap[0].X, snap[0].Y};
    else
      Vertices[k] = ctx.ScreenToWorld(pts[k].x, pts[k].y);
  }
  if (n == 1) Vertices[1] = Vertices[0];
  Count = static_cast<std::uint8_t>(n < 2 ? 2 : n);
}

bool TNapr::FindAnchor(int x, int y, TDrawContext& ctx, std::uint32_t typeCode, double& X, double& Y) {
  if (typeCode != SnapRequest::Direction && typeCode != SnapRequest::LinedLabel) return false;
  const TRealPoint m = ctx.ScreenToWorld(x, y);
  const int n = Used();
  for (int i = 0; i + 1 < n; ++i) {
    const TRealPoint& a = Vertices[static_cast<std::size_t>(i)];
    const TRealPoint& b = Vertices[static_cast<std::size_t>(i + 1)];
    const TRealPoint f = NearestPointOnSegment(m.x, m.y, a.x, a.y, b.x, b.y);
    const TPoint s = ctx.WorldToScreen(f.x, f.y);
    if (std::abs(s.x - x) <= ctx.HitTolerance && std::abs(s.y - y) <= ctx.HitTolerance) {
      X = f.x;
      Y = f.y;
      return true;
    }
  }
  return false;
}

// --- bounds and selection ----------------------------------------------------------

TRect TNapr::GetBounds(TDrawContext& ctx) {
  TRect r = kNoExtent;
  const int n = Used();
  if (n >= 2) {
    const TPoint a = ScreenVertex(ctx, 0), b = ScreenVertex(ctx, 1);
    r = RectFromPoints(a.x, a.y, b.x, b.y);
    for (int i = 2; i < n; ++i) {
      const TPoint q = ScreenVertex(ctx, i);
      r = UnionRects(r, TRect{q.x - 1, q.y - 1, q.x + 1, q.y + 1});
    }
  }
  if (Label) r = UnionRects(r, Label->GetBounds(ctx));
  return r;
}

bool TNapr::SelectInRect(TDrawContext& ctx, const TRect& r) {
  if (!PhaseShown()) return Selected;
  bool hit = false;
  const int n = Used();
  for (int i = 0; i + 1 < n && !hit; ++i) {
    const TPoint a = ScreenVertex(ctx, i), b = ScreenVertex(ctx, i + 1);
    hit = SegmentMeetsRect(r, a.x, a.y, b.x, b.y);
  }
  Selected = hit;
  return Selected;
}

// --- drawing -----------------------------------------------------------------------

void TNapr::DrawArrow(TDrawContext& ctx, const TArrowLook& look) {
  const int n = Used();
  if (!ctx.Canvas || n < 2) return;
  TCanvas& c = *ctx.Canvas;
  std::array<TPoint, kMaxNaprVertices> q;
  for (int i = 0; i < n; ++i) q[static_cast<std::size_t>(i)] = ScreenVertex(ctx, i);
  SetPen(c, look.Pen, TPenMode::Copy, Round(look.Width), TPenStyle::Solid);
  c.SetBrushColor(look.Fill);
  // A pattern under a pixel long would crawl along the shaft, and one
  // repeated more often than any marking pattern (a shaft from a damaged
  // scheme, millions of pixels long) would stall the window: draw it solid.
  double length = 0;
  for (int i = 0; i + 1 < n; ++i)
    length += PointDistance(q[static_cast<std::size_t>(i)], q[static_cast<std::size_t>(i + 1)]);
  if (Dashed == 0 || look.Dash + look.Gap < 1 || length / (look.Dash + look.Gap) > kMaxPieces)
    c.Polyline(q.data(), n);
  else
    DrawDashed(c, q.data(), n, look.Dash, look.Gap);
  DrawEnd(c, q[static_cast<std::size_t>(n - 1)], q[static_cast<std::size_t>(n - 2)], look.Head, Run);
  if (Run && !Oneway) DrawEnd(c, q[0], q[1], look.Head, true);
}

void TNapr::DrawPlain(TDrawContext& ctx) { DrawArrow(ctx, TArrowLook{20, 15, 20, 2, TextColor(), TextColor()}); }

void TNapr::DrawActive(TDrawContext& ctx) {
  if (!PhaseShown()) return;
  DrawArrow(ctx, TArrowLook{20, 7, 10, 1, TextColor(), TextColor()});
  if (Label) Label->DrawActive(ctx);
}

void TNapr::DrawInactive(TDrawContext& ctx) {
  if (!PhaseShown()) return;
  DrawPlain(ctx);
  if (Label) Label->DrawInactive(ctx);
}

void TNapr::DrawSelected(TDrawContext& ctx) {
  if (!PhaseShown()) return;
  DrawArrow(ctx, TArrowLook{20, 7, 10, 1, kSelectedPen, kSelectedFill});
  if (Label) Label->DrawSelected(ctx);
}

void TNapr::DrawPrint(TDrawContext& ctx) {
  if (!PhaseShown()) return;
  const double pf = ctx.LineFactor;
  const TColor color = ctx.ColorPrint ? TextColor() : clBlack;
  const double width = MaxInt(1, Round(0.3 * pf));
  DrawArrow(ctx, TArrowLook{3.5 * pf, 3 * pf, 7 * pf, width, color, color});
  if (Label) Label->DrawPrint(ctx);
}

void TNapr::DrawRubber(TDrawContext& ctx, const TScreenPoints& pts, int mode) {
  if (!ctx.Canvas || mode < 0) return;
  TCanvas& c = *ctx.Canvas;
  // The points fixed so far and the mouse after them.
  const int n = mode + 1 < kMaxPlacePoints ? mode + 1 : kMaxPlacePoints;
  SetPen(c, kRubberColor, TPenMode::Xor, 1, TPenStyle::Solid);
  c.SetBrushStyle(TBrushStyle::Clear);
  c.Polyline(pts.data(), n);
  for (int i = 0; i < n; ++i) {
    const TPoint p = pts[static_cast<std::size_t>(i)];
    c.Rectangle(p.x - 2, p.y - 2, p.x + 2, p.y + 2);
  }
}

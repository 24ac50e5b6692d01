#include "Build.h"

#include <cstdlib>
#include <string>

#include "LabelIO.h"
#include "model/Geometry.h"
#include "model/TypeCodes.h"
#include "platform/Messages.h"
#include "platform/TextFile.h"

namespace {

constexpr TColor kWallPen = 0x909090;
constexpr TColor kBuildFill = 0x505050;
constexpr TColor kSelectedPen = 0xFF0000;
constexpr TColor kRubberPen = 0x10FFFF;
constexpr TColor kLabelColor = 0xFFFFFF;
constexpr std::uint32_t kLabelCode = TypeCode::SVText;
constexpr std::uint32_t kStickCode = SnapRequest::Stick;
constexpr std::uint32_t kStayCode = SnapRequest::Stay;

const char* const kLabelMessage = "Нарушение целостности базы. Ошибка в указании текстадля здания.";

std::string CountMessage(std::int64_t n) {
  return "Нарушение целостности базы. Недопустимое число вершин здания: " + std::to_string(n) + ".";
}

// The point of the wall A-B nearest to the mouse, when it lies within the
// hit square around the mouse on the screen.
bool NearWallPoint(int x, int y, const TDrawContext& ctx, TRealPoint a, TRealPoint b, double& X, double& Y) {
  const TRealPoint mouse = ctx.ScreenToWorld(x, y);
  const TRealPoint f = NearestPointOnSegment(mouse.x, mouse.y, a.x, a.y, b.x, b.y);
  const TPoint s = ctx.WorldToScreen(f.x, f.y);
  if (std::abs(s.x - x) > ctx.HitTolerance || std::abs(s.y - y) > ctx.HitTolerance) return false;
  X = f.x;
  Y = f.y;
  return true;
}

}  // namespace

std::vector<TPoint> TBuild::ScreenOutline(const TDrawContext& ctx) const {
  std::vector<TPoint> q;
  const int n = UsedVertices();
  q.reserve(static_cast<std::size_t>(n));
  for (int i = 0; i < n; ++i) q.push_back(ctx.WorldToScreen(Vertices[i].x, Vertices[i].y));
  return q;
}

TRect TBuild::GetBounds(TDrawContext& ctx) {
  const std::vector<TPoint> q = ScreenOutline(ctx);
  TRect r = kNoExtent;
  if (!q.empty()) {
    const TPoint second = q.size() > 1 ? q[1] : q[0];
    r = RectFromPoints(q[0].x, q[0].y, second.x, second.y);
    for (std::size_t i = 2; i < q.size(); ++i) r = UnionRects(r, TRect{q[i].x - 1, q[i].y - 1, q[i].x + 1, q[i].y + 1});
  }
  if (Label) r = UnionRects(r, Label->GetBounds(ctx));
  return r;
}

void TBuild::SaveToText(TTextWriter& f) {
  const int n = UsedVertices();
  f.WriteIntLine(n);
  for (int i = 0; i < n; ++i) WriteRealPair(f, Vertices[i].x, Vertices[i].y);
  SaveLabel(f, Label.get());
}

void TBuild::LoadFromText(TTextReader& f) {
  const std::int64_t n = f.ReadInt();
  f.SkipLine();
  const bool fits = n >= 0 && n <= kMaxBuildVertices;
  if (!fits) ShowInfo(CountMessage(n));
  // An outline longer than a building can hold is rejected, but its point
  // lines are still read so that the records after it stay in step.
  VertexCount = 0;
  for (std::int64_t i = 0; i < n && !f.Eof(); ++i) {
    double x = 0, y = 0;
    ReadRealPair(f, x, y);
    if (fits) Vertices[static_cast<std::size_t>(i)] = TRealPoint{x, y};
  }
  if (fits) VertexCount = static_cast<std::uint8_t>(n);
  Label = LoadTextLabel(f, this, kLabelCode, kLabelColor, kLabelMessage);
  if (!fits) Label.reset();
}

bool TBuild::SelectInRect(TDrawContext& ctx, const TRect& r) {
  const std::vector<TPoint> q = ScreenOutline(ctx);
  bool meets = false;
  // Every wall counts, the closing one from the last vertex to the first too.
  for (std::size_t i = 0; i < q.size() && !meets; ++i) {
    const TPoint a = q[i], b = q[(i + 1) % q.size()];
    meets = SegmentMeetsRect(r, a.x, a.y, b.x, b.y);
  }
  Selected = meets;
  return Selected;
}

bool TBuild::FindAnchor(int x, int y, TDrawContext& ctx, std::uint32_t typeCode, double& X, double& Y) {
  if (typeCode != kStickCode && typeCode != kStayCode) return false;
  const int n = UsedVertices();
  for (int i = 0; i < n; ++i) {
    const TRealPoint a = Vertices[i], b = Vertices[(i + 1) % n];
    if (NearWallPoint(x, y, ctx, a, b, X, Y)) return true;
  }
  return false;
}

void TBuild::PlaceAt(TDrawContext& ctx, const TScreenPoints& pts, const TSnapRecord&, int count) {
  const int n = count < 0 ? 0 : (count > kMaxBuildVertices ? kMaxBuildVertices : count);
  for (int i = 0; i < n; ++i) Vertices[i] = ctx.ScreenToWorld(pts[i].x, pts[i].y);
  VertexCount = static_cast<std::uint8_t>(n);
}

void TBuild::DrawOutline(TDrawContext& ctx, TColor pen) {
  TCanvas& c = *ctx.Canvas;
  const std::vector<TPoint> q = ScreenOutline(ctx);
  SetPen(c, pen, TPenMode::Copy, 1, TPenStyle::Solid);
  c.SetBrushColor(kBuildFill);
  c.SetBrushStyle(TBrushStyle::DiagCross);
  if (q.empty()) return;
  c.MoveTo(q[0].x, q[0].y);
  for (std::size_t i = 1; i < q.size(); ++i) c.LineTo(q[i].x, q[i].y);
  c.LineTo(q[0].x, q[0].y);
  const int t = ctx.HitTolerance;
  for (const TPoint& p : q) c.FillRect(TRect{p.x - t, p.y - t, p.x + t, p.y + t});
}

void TBuild::DrawFilled(TDrawContext& ctx, TColor pen, TColor fill) {
  TCanvas& c = *ctx.Canvas;
  SetPen(c, pen, TPenMode::Copy, 1, TPenStyle::Solid);
  c.SetBrushColor(fill);
  const std::vector<TPoint> q = ScreenOutline(ctx);
  if (!q.empty()) c.Polygon(q);
}

void TBuild::DrawActive(TDrawContext& ctx) {
  DrawOutline(ctx, kWallPen);
  if (Label) Label->DrawActive(ctx);
}

void TBuild::DrawInactive(TDrawContext& ctx) {
  DrawFilled(ctx, kWallPen, kBuildFill);
  if (Label) Label->DrawInactive(ctx);
}

void TBuild::DrawSelected(TDrawContext& ctx) {
  DrawOutline(ctx, kSelectedPen);
  if (Label) Label->DrawSelected(ctx);
}

void TBuild::DrawPrint(TDrawContext& ctx) {
  DrawFilled(ctx, clBlack, clSilver);
  if (Label) Label->DrawPrint(ctx);
}

void TBuild::DrawRubber(TDrawContext& ctx, const TScreenPoints& pts, int mode) {
  // The editor hands over the clicks fixed so far and the mouse after them.
  const int n = mode + 1 > kMaxPlacePoints ? kMaxPlacePoints : mode + 1;
  if (n < 2) return;
  SetPen(*ctx.Canvas, kRubberPen, TPenMode::Xor, 1, TPenStyle::Solid);
  ctx.Canvas->Polyline(pts.data(), n);
}

TColor TBuild::TextColor() { return 0xE0E0E0; }

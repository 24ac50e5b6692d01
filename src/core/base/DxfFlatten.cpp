#include "DxfFlatten.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kDegree = kPi / 180;
// Blocks in survey plans nest two or three deep; a block that inserts
// itself would nest for ever.
constexpr int kMaxDepth = 16;
// An insertion array of millions of cells, or insertions multiplying down
// the nesting, would not fit in memory; the plan is cut off there.
constexpr std::size_t kMaxShapes = 4'000'000;
// Nor may a block that inserts an array of itself, with nothing to draw,
// keep the reader busy for ever: every block visited counts.
constexpr long kMaxVisits = 4'000'000;

// x' = A x + C y + E, y' = B x + D y + F (DXF coordinates, y up).
struct TAffine {
  double A = 1, B = 0, C = 0, D = 1, E = 0, F = 0;
  void Apply(double x, double y, double& ox, double& oy) const {
    ox = A * x + C * y + E;
    oy = B * x + D * y + F;
  }
  // This transform after `inner`.
  TAffine After(const TAffine& in) const {
    return TAffine{A * in.A + C * in.B, B * in.A + D * in.B, A * in.C + C * in.D,
                   B * in.C + D * in.D, A * in.E + C * in.F + E, B * in.E + D * in.F + F};
  }
  double Det() const { return A * D - B * C; }
  // Turns and scales alike in every direction (possibly mirrored): circles
  // stay circles.
  bool Similar() const {
    const double l1 = A * A + B * B, l2 = C * C + D * D;
    const double tol = 1e-9 * std::max(l1, l2);
    return std::fabs(l1 - l2) <= tol && std::fabs(A * C + B * D) <= tol;
  }
};

TAffine Translate(double x, double y) { return TAffine{1, 0, 0, 1, x, y}; }
TAffine Rotate(double rad) { return TAffine{std::cos(rad), std::sin(rad), -std::sin(rad), std::cos(rad), 0, 0}; }
TAffine Scale(double sx, double sy) { return TAffine{sx, 0, 0, sy, 0, 0}; }

class TFlattener {
 public:
  TFlattener(const std::map<std::string, TDxfRawBlock>& blocks, TBaseDrawing& out, long& visits)
      : Blocks_(blocks), Out_(out), Visits_(visits) {}

  void Block(const TDxfRawBlock& block, const TAffine& m, int depth) {
    for (const TDxfRawEntity& e : block.Entities) Entity(e, m, depth);
  }

  void Entity(const TDxfRawEntity& e, const TAffine& m, int depth) {
    if (Out_.Shapes.size() >= kMaxShapes) return;
    const TAffine em = e.MirrorX ? m.After(Scale(-1, 1)) : m;
    switch (e.Kind) {
      case TDxfRawKind::Poly: Poly(e, em); break;
      case TDxfRawKind::Circle: Arc(e.X, e.Y, e.Radius, 0, 360, em, true); break;
      case TDxfRawKind::Arc: Arc(e.X, e.Y, e.Radius, e.Start, e.End, em, false); break;
      case TDxfRawKind::Text: Text(e, em); break;
      case TDxfRawKind::Insert: Insert(e, em, depth); break;
    }
  }

 private:
  void Point(const TAffine& m, double x, double y) {
    double wx = 0, wy = 0;
    m.Apply(x, y, wx, wy);
    Out_.Points.push_back(TRealPoint{wx, -wy});
  }

  // The points from `first` on become one polyline shape.
  void EndPolyline(std::size_t first, bool closed) {
    const std::size_t n = Out_.Points.size() - first;
    if (n < 2) {
      Out_.Points.resize(first);
      return;
    }
    TBaseShape s;
    s.Kind = TBaseShapeKind::Polyline;
    s.First = static_cast<int>(first);
    s.Count = static_cast<int>(n);
    s.Closed = closed;
    Out_.Shapes.push_back(std::move(s));
  }

  void Poly(const TDxfRawEntity& e, const TAffine& m) {
    const auto& v = e.Vertices;
    const std::size_t n = v.size();
    if (n < 2) return;
    bool bulges = false;
    for (const TDxfVertex& p : v) bulges = bulges || p.Bulge != 0;
    if (!bulges) {
      const std::size_t first = Out_.Points.size();
      for (const TDxfVertex& p : v) Point(m, p.X, p.Y);
      EndPolyline(first, e.Closed);
      return;
    }
    // Straight runs stay polylines; each bulged segment becomes an arc.
    const std::size_t segments = e.Closed ? n : n - 1;
    std::size_t first = Out_.Points.size();
    Point(m, v[0].X, v[0].Y);
    for (std::size_t i = 0; i < segments; ++i) {
      const TDxfVertex& a = v[i];
      const TDxfVertex& b = v[(i + 1) % n];
      if (a.Bulge == 0 || !std::isfinite(a.Bulge)) {
        Point(m, b.X, b.Y);
        continue;
      }
      EndPolyline(first, false);
      BulgeArc(a, b, m);
      first = Out_.Points.size();
      Point(m, b.X, b.Y);
    }
    EndPolyline(first, false);
  }

  void BulgeArc(const TDxfVertex& a, const TDxfVertex& b, const TAffine& m) {
    const double dx = b.X - a.X, dy = b.Y - a.Y;
    const double chord = std::hypot(dx, dy);
    if (chord == 0) return;
    // The included angle is 4·atan(bulge); the centre lies on the chord's
    // perpendicular bisector, to the left of a→b for a counter-clockwise arc.
    const double theta = 4 * std::atan(a.Bulge);
    const double r = chord / (2 * std::sin(std::fabs(theta) / 2));
    const double h = (chord / 2) / std::tan(theta / 2);  // signed distance to the centre
    const double cx = (a.X + b.X) / 2 - dy / chord * h;
    const double cy = (a.Y + b.Y) / 2 + dx / chord * h;
    const double sa = std::atan2(a.Y - cy, a.X - cx) / kDegree;
    const double sb = std::atan2(b.Y - cy, b.X - cx) / kDegree;
    if (theta > 0)
      Arc(cx, cy, r, sa, sb, m, false);
    else
      Arc(cx, cy, r, sb, sa, m, false);
  }

  // An arc from `start` to `end` degrees counter-clockwise (a circle when
  // `full`), in the block's coordinates.
  void Arc(double cx, double cy, double r, double start, double end, const TAffine& m, bool full) {
    if (!(r > 0) || !std::isfinite(r)) return;
    if (m.Similar()) {
      TBaseShape s;
      s.Kind = full ? TBaseShapeKind::Circle : TBaseShapeKind::Arc;
      double wx = 0, wy = 0;
      m.Apply(cx, cy, wx, wy);
      s.At = TRealPoint{wx, -wy};
      s.Radius = r * std::hypot(m.A, m.B);
      // The turn of the transform; a mirror runs the arc the other way.
      // World y is down, so an angle counter-clockwise in the drawing is
      // counter-clockwise on the screen too.
      const double turn = std::atan2(m.B, m.A);
      if (m.Det() > 0) {
        s.Start = start * kDegree + turn;
        s.End = end * kDegree + turn;
      } else {
        s.Start = turn - end * kDegree;
        s.End = turn - start * kDegree;
      }
      Out_.Shapes.push_back(std::move(s));
      return;
    }
    // Scaled differently along x and y: an ellipse, drawn as a polyline.
    double sweep = full ? 360 : std::fmod(end - start, 360.0);
    if (sweep <= 0) sweep += 360;
    const int steps = std::max(8, static_cast<int>(std::ceil(sweep / 5)));
    const std::size_t first = Out_.Points.size();
    for (int i = 0; i <= steps; ++i) {
      const double t = (start + sweep * i / steps) * kDegree;
      Point(m, cx + r * std::cos(t), cy + r * std::sin(t));
    }
    EndPolyline(first, false);
  }

  void Text(const TDxfRawEntity& e, const TAffine& m) {
    // Along the text and up its letters, through the transform.
    const double ux = std::cos(e.Angle), uy = std::sin(e.Angle);
    const double ax = m.A * ux + m.C * uy, ay = m.B * ux + m.D * uy;
    const double vx = m.A * -uy + m.C * ux, vy = m.B * -uy + m.D * ux;
    const double up = std::hypot(vx, vy);
    const double angle = std::atan2(ay, ax);
    for (std::size_t i = 0; i < e.Lines.size(); ++i) {
      if (e.Lines[i].empty()) continue;
      // Each further line one pitch down the letters.
      const double k = e.LinePitch * static_cast<double>(i);
      double wx = 0, wy = 0;
      m.Apply(e.X + uy * k, e.Y - ux * k, wx, wy);
      TBaseShape s;
      s.Kind = TBaseShapeKind::Text;
      s.At = TRealPoint{wx, -wy};
      s.Height = e.Height * up;
      s.Start = angle;
      s.Text = e.Lines[i];
      s.TopLeft = e.TopLeft;
      Out_.Shapes.push_back(std::move(s));
    }
  }

  void Insert(const TDxfRawEntity& e, const TAffine& m, int depth) {
    if (depth >= kMaxDepth) return;
    const auto it = Blocks_.find(e.Block);
    if (it == Blocks_.end()) return;
    const TDxfRawBlock& block = it->second;
    const double rot = e.Rotation * kDegree;
    // The block's base point goes to the insertion point, scaled, then turned.
    const TAffine local = Rotate(rot).After(Scale(e.ScaleX, e.ScaleY)).After(Translate(-block.BaseX, -block.BaseY));
    const int cols = std::max(1, e.Columns), rows = std::max(1, e.Rows);
    for (int r = 0; r < rows; ++r)
      for (int c = 0; c < cols; ++c) {
        if (++Visits_ > kMaxVisits) return;
        // Array cells are spaced along the turned block's axes.
        const double ox = c * e.ColumnSpacing, oy = r * e.RowSpacing;
        const double px = e.X + ox * std::cos(rot) - oy * std::sin(rot);
        const double py = e.Y + ox * std::sin(rot) + oy * std::cos(rot);
        Block(block, m.After(Translate(px, py).After(local)), depth + 1);
        if (Out_.Shapes.size() >= kMaxShapes) return;
      }
  }

  const std::map<std::string, TDxfRawBlock>& Blocks_;
  TBaseDrawing& Out_;
  long& Visits_;
};

}  // namespace

void TDxfFlattener::Entity(const TDxfRawEntity& e) { TFlattener(Blocks_, Out_, Visits_).Entity(e, TAffine{}, 0); }

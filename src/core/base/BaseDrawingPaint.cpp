#include "BaseDrawingPaint.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

constexpr double kPi = 3.14159265358979323846;
// Coordinates are kept inside what every canvas takes as an int.
constexpr double kFar = 1e9;
constexpr double kMinTextPixels = 3;

int Pixel(double v) { return static_cast<int>(std::lround(std::clamp(v, -kFar, kFar))); }

class TPainter {
 public:
  TPainter(TCanvas& c, const TBaseDrawing& d, double zoom, double ox, double oy, const TRect& clip, TColor color)
      : C_(c), D_(d), Z_(zoom), Ox_(ox), Oy_(oy), Clip_(clip), Color_(color) {}

  void Run() {
    C_.Pen = TPen{Color_, 1, TPenStyle::Solid, TPenMode::Copy};
    C_.SetBrushStyle(TBrushStyle::Clear);
    C_.FontColor = Color_;
    C_.TextTransparent = true;
    for (const TBaseShape& s : D_.Shapes) {
      switch (s.Kind) {
        case TBaseShapeKind::Polyline: Polyline(s); break;
        case TBaseShapeKind::Circle: Circle(s); break;
        case TBaseShapeKind::Arc: Arc(s); break;
        case TBaseShapeKind::Text: Text(s); break;
      }
    }
  }

 private:
  double X(double x) const { return x * Z_ + Ox_; }
  double Y(double y) const { return y * Z_ + Oy_; }
  // Whether the screen box may touch the clip (one pixel of slack).
  bool Visible(double l, double t, double r, double b) const {
    return r >= Clip_.Left - 1 && l <= Clip_.Right + 1 && b >= Clip_.Top - 1 && t <= Clip_.Bottom + 1;
  }

  void Polyline(const TBaseShape& s) {
    const TRealPoint* p = D_.Points.data() + s.First;
    double l = X(p[0].x), r = l, t = Y(p[0].y), b = t;
    for (int i = 1; i < s.Count; ++i) {
      const double x = X(p[i].x), y = Y(p[i].y);
      l = std::min(l, x), r = std::max(r, x), t = std::min(t, y), b = std::max(b, y);
    }
    if (!Visible(l, t, r, b)) return;
    Pts_.clear();
    for (int i = 0; i < s.Count; ++i) Pts_.push_back(TPoint{Pixel(X(p[i].x)), Pixel(Y(p[i].y))});
    if (s.Closed) Pts_.push_back(Pts_.front());
    C_.Polyline(Pts_.data(), static_cast<int>(Pts_.size()));
  }

  bool Box(const TBaseShape& s, int& l, int& t, int& r, int& b) const {
    const double cx = X(s.At.x), cy = Y(s.At.y), rr = s.Radius * Z_;
    if (!Visible(cx - rr, cy - rr, cx + rr, cy + rr)) return false;
    l = Pixel(cx - rr), t = Pixel(cy - rr), r = Pixel(cx + rr), b = Pixel(cy + rr);
    return true;
  }

  void Circle(const TBaseShape& s) {
    int l = 0, t = 0, r = 0, b = 0;
    if (Box(s, l, t, r, b)) C_.Ellipse(l, t, r, b);
  }

  // The rays to the arc's ends: on the screen y is down, so a point at
  // angle a counter-clockwise lies at (cos a, −sin a) from the centre.
  void Arc(const TBaseShape& s) {
    int l = 0, t = 0, r = 0, b = 0;
    if (!Box(s, l, t, r, b)) return;
    const double cx = X(s.At.x), cy = Y(s.At.y), rr = s.Radius * Z_;
    C_.Arc(l, t, r, b, Pixel(cx + rr * std::cos(s.Start)), Pixel(cy - rr * std::sin(s.Start)),
           Pixel(cx + rr * std::cos(s.End)), Pixel(cy - rr * std::sin(s.End)));
  }

  void Text(const TBaseShape& s) {
    const double h = s.Height * Z_;
    if (h < kMinTextPixels) return;
    const double x = X(s.At.x), y = Y(s.At.y);
    // Generous: a character is never wider than its height, bytes ≥ characters.
    const double reach = h * (static_cast<double>(s.Text.size()) + 1);
    if (!Visible(x - reach, y - reach, x + reach, y + reach)) return;
    TFontDesc f;
    f.Height = -Pixel(h);
    f.FaceName = "Arial Cyr";
    int tenths = static_cast<int>(std::lround(s.Start * 1800 / kPi)) % 3600;
    if (tenths < 0) tenths += 3600;
    f.Escapement = f.Orientation = tenths;
    C_.SetFont(f);
    C_.TextAlign = s.TopLeft ? TTextAlign::LeftTop : TTextAlign::BaselineLeft;
    C_.TextOut(Pixel(x), Pixel(y), s.Text);
  }

  TCanvas& C_;
  const TBaseDrawing& D_;
  double Z_, Ox_, Oy_;
  TRect Clip_;
  TColor Color_;
  std::vector<TPoint> Pts_;
};

}  // namespace

void PaintBaseDrawing(TCanvas& canvas, const TBaseDrawing& drawing, double zoom, double offsetX, double offsetY,
                      const TRect& clip, TColor color) {
  TPainter(canvas, drawing, zoom, offsetX, offsetY, clip, color).Run();
}

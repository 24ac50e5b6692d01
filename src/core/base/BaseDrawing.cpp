#include "BaseDrawing.h"

#include <algorithm>
#include <cmath>
#include <utility>

int TBaseDrawing::SkippedCount() const {
  int n = 0;
  for (const auto& [type, count] : Skipped) n += count;
  return n;
}

std::string TBaseDrawing::SkippedMessage() const {
  if (Skipped.empty()) return {};
  // The most frequent kind first: that is what the surveyor has to convert.
  std::vector<std::pair<std::string, int>> kinds(Skipped.begin(), Skipped.end());
  std::stable_sort(kinds.begin(), kinds.end(), [](const auto& a, const auto& b) { return a.second > b.second; });
  std::string out = "Пропущено объектов: " + std::to_string(SkippedCount()) + " (";
  for (std::size_t i = 0; i < kinds.size(); ++i) out += (i ? ", " : "") + kinds[i].first;
  return out + ")";
}

void TBaseDrawing::ComputeBounds() {
  bool any = false;
  const auto add = [&](double x, double y) {
    if (!std::isfinite(x) || !std::isfinite(y)) return;
    if (!any) {
      MinX = MaxX = x;
      MinY = MaxY = y;
      any = true;
      return;
    }
    MinX = std::min(MinX, x);
    MaxX = std::max(MaxX, x);
    MinY = std::min(MinY, y);
    MaxY = std::max(MaxY, y);
  };
  for (const TBaseShape& s : Shapes) {
    switch (s.Kind) {
      case TBaseShapeKind::Polyline:
        for (int i = 0; i < s.Count; ++i) add(Points[static_cast<std::size_t>(s.First + i)].x,
                                               Points[static_cast<std::size_t>(s.First + i)].y);
        break;
      case TBaseShapeKind::Circle:
      case TBaseShapeKind::Arc:
        add(s.At.x - s.Radius, s.At.y - s.Radius);
        add(s.At.x + s.Radius, s.At.y + s.Radius);
        break;
      case TBaseShapeKind::Text: {
        // A text's length is not known without its font: a generous guess
        // of one height per character keeps it inside the bounds.
        const double len = s.Height * static_cast<double>(s.Text.size());
        add(s.At.x - len, s.At.y - len);
        add(s.At.x + len, s.At.y + len);
        break;
      }
    }
  }
  if (!any) MinX = MinY = MaxX = MaxY = 0;
}

// Where things lie on the scheme: an item clicked far away by mistake, a
// label dragged away from what it names, a symbol left hanging in the air
// after its pole or stick was moved.
#include <algorithm>
#include <array>
#include <cmath>
#include <string>

#include "CheckRules.h"
#include "items/Head.h"
#include "items/Sign.h"
#include "items/Stick.h"
#include "model/Geometry.h"
#include "model/TypeCodes.h"

namespace {

// "Far" for a stray item: this many times the size of the area where the
// rest of the scheme lies.
constexpr double kStrayFactor = 10.0;
// The area of a scheme with a single other item is taken at least this
// large, so that two items side by side are not strays of each other.
constexpr double kMinAreaSize = 100.0;
// A label more than this many symbol units (pixels at scale 1) from its
// owner is no longer read as belonging to it.
constexpr double kLabelFar = 200.0;

double Gap(int lo1, int hi1, int lo2, int hi2) { return std::max({0, lo2 - hi1, lo1 - hi2}) * 1.0; }

// The gap between two boxes, 0 when they meet.
double RectGap(const TRect& a, const TRect& b) {
  return std::max(Gap(a.Left, a.Right, b.Left, b.Right), Gap(a.Top, a.Bottom, b.Top, b.Bottom));
}

// The smallest and second smallest of a value over the items, with the
// index of the smallest: the least of all but one item without a second pass.
struct TLeastTwo {
  double First = HUGE_VAL, Second = HUGE_VAL;
  std::size_t Index = static_cast<std::size_t>(-1);
  void Take(double v, std::size_t i) {
    if (v < First) {
      Second = First;
      First = v;
      Index = i;
    } else if (v < Second) {
      Second = v;
    }
  }
  double Without(std::size_t i) const { return i == Index ? Second : First; }
};

// The query code under which an item of this kind asks for its carrier, 0
// for an item that hangs on nothing.
std::uint32_t CarrierQueryOfClass(TSVItem& item) {
  if (dynamic_cast<TStick*>(&item)) return SnapRequest::Stick;
  if (dynamic_cast<THead*>(&item)) return SnapRequest::Head;
  if (dynamic_cast<TSign*>(&item)) return SnapRequest::Sign;
  return 0;
}

// A type code always makes the same class: the answer for the first item of
// a code serves every later one.
std::uint32_t CarrierQuery(TSVItem& item) {
  if (item.TypeCode > 0xFF) return CarrierQueryOfClass(item);
  thread_local std::array<int, 256> queryOfCode = [] {
    std::array<int, 256> a{};
    a.fill(-1);
    return a;
  }();
  int& query = queryOfCode[item.TypeCode];
  if (query < 0) query = static_cast<int>(CarrierQueryOfClass(item));
  return static_cast<std::uint32_t>(query);
}

// The items whose boxes, grown by a tolerance, may hold a point: square
// cells over the plain view hashed into buckets (filled by counting, without
// sorting), so that asking for the carrier of every hanging symbol stays
// linear in the size of the scheme. Items without a box or spread over many
// cells are asked always; items sharing a bucket by chance are told apart by
// their boxes.
class TPlaceGrid {
 public:
  TPlaceGrid(const std::vector<TItemPlace>& places, int tolerance) : Places_(places), Tolerance_(tolerance) {
    std::size_t buckets = 64;
    while (buckets < places.size() * 2) buckets *= 2;
    Mask_ = buckets - 1;
    std::vector<std::pair<std::size_t, std::size_t>> entries;  // (bucket, item)
    entries.reserve(places.size() * 2);
    for (std::size_t i = 0; i < places.size(); ++i) {
      const TItemPlace& p = places[i];
      if (!p.HasBounds) {
        Always_.push_back(i);
        continue;
      }
      const long long x0 = Cell(p.Bounds.Left - tolerance), x1 = Cell(p.Bounds.Right + tolerance);
      const long long y0 = Cell(p.Bounds.Top - tolerance), y1 = Cell(p.Bounds.Bottom + tolerance);
      if ((x1 - x0 + 1) * (y1 - y0 + 1) > kMaxCells) {
        Always_.push_back(i);
        continue;
      }
      for (long long x = x0; x <= x1; ++x)
        for (long long y = y0; y <= y1; ++y) entries.push_back({Bucket(x, y), i});
    }
    Start_.assign(buckets + 1, 0);
    for (const auto& e : entries) ++Start_[e.first + 1];
    for (std::size_t k = 1; k <= buckets; ++k) Start_[k] += Start_[k - 1];
    Items_.resize(entries.size());
    std::vector<std::size_t> fill(Start_.begin(), Start_.end() - 1);
    for (const auto& e : entries) Items_[fill[e.first]++] = e.second;
  }

  // Calls `ask` with each item near q until it answers true.
  template <class F>
  bool Any(TPoint q, F ask) const {
    for (std::size_t i : Always_)
      if (ask(Places_[i])) return true;
    const std::size_t b = Bucket(Cell(q.x), Cell(q.y));
    for (std::size_t k = Start_[b]; k < Start_[b + 1]; ++k) {
      const TItemPlace& p = Places_[Items_[k]];
      if (Holds(p, q) && ask(p)) return true;
    }
    return false;
  }

 private:
  static constexpr int kCellSize = 64;
  static constexpr long long kMaxCells = 256;
  static long long Cell(long long v) { return v >= 0 ? v / kCellSize : (v - kCellSize + 1) / kCellSize; }
  std::size_t Bucket(long long x, long long y) const {
    return static_cast<std::size_t>(static_cast<unsigned long long>(x * 73856093LL ^ y * 19349663LL)) & Mask_;
  }
  bool Holds(const TItemPlace& p, TPoint q) const {
    return q.x >= p.Bounds.Left - Tolerance_ && q.x <= p.Bounds.Right + Tolerance_ &&
           q.y >= p.Bounds.Top - Tolerance_ && q.y <= p.Bounds.Bottom + Tolerance_;
  }

  const std::vector<TItemPlace>& Places_;
  int Tolerance_;
  std::size_t Mask_ = 0;
  std::vector<std::size_t> Always_;
  // The items of bucket k are Items_[Start_[k] .. Start_[k + 1]).
  std::vector<std::size_t> Start_;
  std::vector<std::size_t> Items_;
};

}  // namespace

void CheckItemStray(TCheckContext& ctx, TFindingList& out) {
  const std::vector<TItemPlace>& places = ctx.Places();
  // Items are measured without their labels: a label dragged away is a
  // finding of its own. Leaving each item out in turn, the rest spans
  // [minLeft, maxRight] x [minTop, maxBottom]; a maximum is the least of the
  // negated values.
  TLeastTwo left, top, negRight, negBottom;
  std::size_t measured = 0;
  for (std::size_t i = 0; i < places.size(); ++i) {
    if (!places[i].HasBounds) continue;
    const TRect& r = places[i].Bounds;
    left.Take(r.Left, i);
    top.Take(r.Top, i);
    negRight.Take(-r.Right, i);
    negBottom.Take(-r.Bottom, i);
    ++measured;
  }
  if (measured < 2) return;
  for (std::size_t i = 0; i < places.size(); ++i) {
    if (!places[i].HasBounds) continue;
    const double l = left.Without(i), t = top.Without(i), r = -negRight.Without(i), b = -negBottom.Without(i);
    const double size = std::max({r - l, b - t, kMinAreaSize});
    const TRect& box = places[i].Bounds;
    const double gap = std::max({0.0, l - box.Right, box.Left - r, t - box.Bottom, box.Top - b});
    if (gap <= kStrayFactor * size) continue;
    out.Add("Объект лежит далеко от остальной схемы (на " + std::to_string(static_cast<long long>(gap)) +
            " единиц при размере схемы " + std::to_string(static_cast<long long>(size)) +
            "): \"Показать целиком\" покажет пустое поле.")
        .Items = {places[i].Ref};
  }
}

void CheckLabelFar(TCheckContext& ctx, TFindingList& out) {
  for (const TItemPlace& p : ctx.Places()) {
    if (!p.LabelText || !p.HasBounds) continue;
    const TRect at{p.LabelAt.x, p.LabelAt.y, p.LabelAt.x, p.LabelAt.y};
    const double gap = RectGap(at, p.Bounds);
    if (gap <= kLabelFar) continue;
    out.Add("Подпись \"" + *p.LabelText + "\" стоит далеко от своего объекта (" +
            std::to_string(static_cast<long long>(gap)) + " единиц).")
        .Items = {p.Ref};
  }
}

void CheckHangingNoCarrier(TCheckContext& ctx, TFindingList& out) {
  const std::vector<TItemPlace>& places = ctx.Places();
  const int tolerance = ctx.View.HitTolerance + 1;
  const TPlaceGrid grid(places, tolerance);
  for (const TItemPlace& p : places) {
    const std::uint32_t code = CarrierQuery(*p.Item);
    if (code == 0) continue;
    auto& hanging = static_cast<TAirSVItem&>(*p.Item);
    const TPoint a = hanging.AnchorPoint(ctx.View), b = hanging.BasePoint(ctx.View);
    double x = 0, y = 0, x2 = 0, y2 = 0;
    const bool held =
        grid.Any(a, [&](const TItemPlace& c) {
          return c.Item != p.Item && c.Item->FindAnchor(a.x, a.y, ctx.View, code, x, y);
        }) ||
        grid.Any(b, [&](const TItemPlace& c) {
          return c.Item != p.Item && c.Item->FindAnchorEx(b.x, b.y, ctx.View, code, x, y, x2, y2);
        });
    if (held) continue;
    out.Add("Объект висит в воздухе: в точке его крепления нет ни столба, ни стойки, ни консоли, которые могли бы "
            "его держать.")
        .Items = {p.Ref};
  }
}

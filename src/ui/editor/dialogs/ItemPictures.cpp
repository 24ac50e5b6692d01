#include "ItemPictures.h"

#include <QImage>
#include <algorithm>
#include <memory>

#include "items/CarHead.h"
#include "items/PedHead.h"
#include "items/Sign.h"
#include "items/SignCatalog.h"
#include "items/TramHead.h"
#include "items/WhiteSign.h"
#include "model/DrawContext.h"
#include "model/Geometry.h"
#include "model/SVObject.h"
#include "plan/SVNapr.h"
#include "qt/QtCanvas.h"

namespace {

// Sets the symbol at world (0, 0) facing screen +y (`down`) or -y, then
// scales and moves the view so that what it paints fills the square with a
// small margin. The painted extent is measured on a large trial drawing:
// an item's bounds also hold room it does not paint.
QPixmap Render(TAirSVItem& item, bool down, int size, qreal ratio, const QColor& background) {
  item.AnchorX = item.AnchorY = 0;
  item.Anchor2X = item.Anchor2Y = 0;
  item.OffsetX = 0;
  item.OffsetY = down ? 10 : -10;
  const auto draw = [&](QImage& image, double scale, double ox, double oy) {
    image.fill(background);
    TQtCanvas canvas(&image);
    TDrawContext ctx;
    ctx.Canvas = &canvas;
    ctx.Normalize();
    ctx.SignScale = scale;
    ctx.OriginX = ox;
    ctx.OriginY = oy;
    item.DrawInactive(ctx);
  };

  constexpr int kTrial = 400;
  constexpr double kTrialScale = 4;
  QImage trial(kTrial, kTrial, QImage::Format_ARGB32_Premultiplied);
  draw(trial, kTrialScale, kTrial / 2.0, kTrial / 2.0);
  int left = kTrial, top = kTrial, right = -1, bottom = -1;
  for (int y = 0; y < kTrial; ++y) {
    const QRgb* line = reinterpret_cast<const QRgb*>(trial.constScanLine(y));
    for (int x = 0; x < kTrial; ++x) {
      if (line[x] == trial.pixel(0, 0)) continue;
      left = std::min(left, x);
      right = std::max(right, x);
      top = std::min(top, y);
      bottom = std::max(bottom, y);
    }
  }

  const int side = std::max(1, qRound(size * ratio));
  QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
  if (right < 0) {
    image.fill(background);
  } else {
    // The painted box per unit of symbol scale, relative to the anchor.
    const double cx = ((left + right + 1) / 2.0 - kTrial / 2.0) / kTrialScale;
    const double cy = ((top + bottom + 1) / 2.0 - kTrial / 2.0) / kTrialScale;
    const double w = (right - left + 1) / kTrialScale, h = (bottom - top + 1) / kTrialScale;
    const double room = side - 4 * ratio;
    const double scale = std::max(0.2, std::min(room / w, room / h));
    draw(image, scale, side / 2.0 - cx * scale, side / 2.0 - cy * scale);
  }
  QPixmap pixmap = QPixmap::fromImage(image);
  pixmap.setDevicePixelRatio(ratio);
  return pixmap;
}

}  // namespace

QPixmap SignPicture(int kind, int size, qreal ratio, const QColor& background) {
  const std::uint32_t code = SignTypeCode(kind);
  std::unique_ptr<TSVItem> item = code ? TSVObject::CreateItem(code) : nullptr;
  auto* sign = dynamic_cast<TSign*>(item.get());
  if (!sign) {
    QPixmap empty(size, size);
    empty.fill(background);
    return empty;
  }
  sign->Kind = static_cast<std::uint8_t>(kind);
  // A white plate without roads would be a blank square: show a main road
  // turning at the junction with a side road.
  if (auto* white = dynamic_cast<TWhiteSign*>(sign)) {
    white->Cells[7] = 2;
    white->Cells[1] = 2;
    white->Cells[4] = 1;
  }
  // The sign stands on its base and reaches towards its aim point: upright
  // means aiming up the picture.
  return Render(*sign, false, size, ratio, background);
}

QPixmap HeadPicture(int headKind, int arrowKind, int size, qreal ratio, const QColor& background) {
  // A direction open now and in the next phase shows steady green.
  TSVNapr green;
  green.Phases[1] = true;
  green.CurrentPhase = 1;
  green.Remaining = 100;
  std::unique_ptr<THead> head;
  if (headKind == 0) {
    auto car = std::make_unique<TCarHead>(TypeCode::CarHead);
    car->Napr = &green;
    car->ArrowKind = static_cast<std::uint8_t>(arrowKind);
    head = std::move(car);
  } else if (headKind == 1) {
    auto ped = std::make_unique<TPedHead>(TypeCode::PedHead);
    ped->Napr = &green;
    head = std::move(ped);
  } else {
    auto tram = std::make_unique<TTramHead>(TypeCode::TramHead);
    tram->StraightNapr = &green;
    head = std::move(tram);
  }
  return Render(*head, true, size, ratio, background);
}


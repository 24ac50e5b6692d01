#include "ItemPictures.h"

#include <QImage>
#include <algorithm>
#include <memory>

#include "items/CarHead.h"
#include "items/PedHead.h"
#include "items/Sign.h"
#include "items/SignCatalog.h"
#include "items/TramHead.h"
#include "model/DrawContext.h"
#include "model/Geometry.h"
#include "model/SVObject.h"
#include "plan/SVNapr.h"
#include "qt/QtCanvas.h"

namespace view {
namespace {

// Sets the symbol at world (0, 0) facing screen +y (`down`) or -y, then
// scales and moves the view so that its bounds fill the square with a small
// margin.
QPixmap Render(TAirSVItem& item, bool down, int size, qreal ratio, const QColor& background) {
  const int side = std::max(1, qRound(size * ratio));
  QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
  image.fill(background);
  {
    TQtCanvas canvas(&image);
    TDrawContext ctx;
    ctx.Canvas = &canvas;
    ctx.Normalize();
    item.AnchorX = item.AnchorY = 0;
    item.Anchor2X = item.Anchor2Y = 0;
    item.OffsetX = 0;
    item.OffsetY = down ? 10 : -10;
    const TRect unit = item.GetBounds(ctx);
    const double margin = 2 * ratio;
    const double fit = std::min((side - 2 * margin) / std::max(1, RectWidth(unit)),
                                (side - 2 * margin) / std::max(1, RectHeight(unit)));
    ctx.SignScale = std::max(0.2, fit);
    const TRect r = item.GetBounds(ctx);
    ctx.OriginX = (side - RectWidth(r)) / 2.0 - r.Left;
    ctx.OriginY = (side - RectHeight(r)) / 2.0 - r.Top;
    item.DrawInactive(ctx);
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
    auto car = std::make_unique<TCarHead>(10);
    car->Napr = &green;
    car->ArrowKind = static_cast<std::uint8_t>(arrowKind);
    head = std::move(car);
  } else if (headKind == 1) {
    auto ped = std::make_unique<TPedHead>(12);
    ped->Napr = &green;
    head = std::move(ped);
  } else {
    auto tram = std::make_unique<TTramHead>(11);
    tram->StraightNapr = &green;
    head = std::move(tram);
  }
  return Render(*head, true, size, ratio, background);
}

}  // namespace view

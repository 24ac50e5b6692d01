#include "AirSVItem.h"

#include "Geometry.h"
#include "platform/Messages.h"
#include "platform/TextFile.h"

void TAirSVItem::SaveToText(TTextWriter& f) {
  WriteRealPair(f, AnchorX, AnchorY);
  WriteRealPair(f, Anchor2X, Anchor2Y);
  WriteRealPair(f, OffsetX, OffsetY);
}

void TAirSVItem::LoadFromText(TTextReader& f) {
  ReadRealPair(f, AnchorX, AnchorY);
  ReadRealPair(f, Anchor2X, Anchor2Y);
  ReadRealPair(f, OffsetX, OffsetY);
}

void TAirSVItem::PlaceAt(TDrawContext& ctx, const TScreenPoints& pts, const TSnapRecord& snap, int) {
  PlaceHanging(ctx, pts, snap, "Ошибка. AirSVItem не прицепился, но создался");
}

void TAirSVItem::PlaceHanging(TDrawContext& ctx, const TScreenPoints& pts, const TSnapRecord& snap,
                              const std::string& message) {
  if (snap[0].Found) {
    AnchorX = snap[0].X;
    AnchorY = snap[0].Y;
    Anchor2X = snap[0].X2;
    Anchor2Y = snap[0].Y2;
  } else {
    // The symbol is still made: the user sees it and can delete or move it.
    ShowInfo(message);
  }
  const TRealPoint aim = ctx.ScreenToWorld(pts[1].x, pts[1].y);
  OffsetX = (aim.x - AnchorX) * ctx.Zoom / ctx.SignScale;
  OffsetY = (aim.y - AnchorY) * ctx.Zoom / ctx.SignScale;
}

#include "WhiteSign.h"

#include "SignCatalog.h"
#include "model/Geometry.h"
#include "platform/TextFile.h"

namespace {

struct TCellRoad {
  TSignPoint Outer;
  TSignPoint Inner;
};

// Indexed by cell number; the roads of the upright sign picture.
const TCellRoad kRoads[9] = {
    {{0, 0}, {0, 0}},
    {{1, 0.9}, {1, 0.3}},       {{1.9, 0.9}, {1.3, 0.3}}, {{1.9, 0}, {1.3, 0}},
    {{1.9, -0.9}, {1.3, -0.3}}, {{1, -0.9}, {1, -0.3}},   {{0.1, -0.9}, {0.7, -0.3}},
    {{0.1, 0}, {0.7, 0}},       {{0.1, 0.9}, {0.7, 0.3}},
};

struct TWhitePaint {
  TColor Outline;
  int Width;
  TColor Plate;
  TColor Road;
};

TWhitePaint WhitePaint(const TDrawContext& ctx, TSignLook look) {
  switch (look) {
    case TSignLook::Active: return {clWhite, 1, kSchemeBackground, clWhite};
    case TSignLook::Inactive: return {clWhite, 1, clWhite, clBlack};
    case TSignLook::Selected: return {clWhite, 1, kSelectedFill, clWhite};
    case TSignLook::Print: break;
  }
  return {clBlack, TSign::PrintPenWidth(ctx), clWhite, clBlack};
}

}  // namespace

void TWhiteSign::SaveToText(TTextWriter& f) {
  TSign::SaveToText(f);
  for (int i = 1; i <= 8; ++i) f.WriteIntLine(Cells[static_cast<std::size_t>(i)]);
}

void TWhiteSign::LoadFromText(TTextReader& f) {
  TSign::LoadFromText(f);
  for (int i = 1; i <= 8; ++i) {
    Cells[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(f.ReadInt());
    f.SkipLine();
  }
}

void TWhiteSign::DrawSymbol(TDrawContext& ctx, TSignLook look) {
  if (Kind != 17) return;
  TCanvas& canvas = *ctx.Canvas;
  const TWhitePaint p = WhitePaint(ctx, look);
  const double r = Radius(ctx);
  const TSignFrame f = Frame(ctx, r);
  Pen(canvas, p.Outline, p.Width);
  canvas.SetBrushColor(p.Plate);
  Poly(canvas, f, {{0, 1}, {2, 1}, {2, -1}, {0, -1}});
  canvas.SetBrushColor(p.Road);
  for (std::size_t i = 1; i <= 8; ++i) {
    const TCellRoad& road = kRoads[i];
    if (Cells[i] == 1) {
      Pen(canvas, p.Road, MaxInt(1, Round(r / 12)));
      Segment(canvas, f, road.Outer, road.Inner);
    } else if (Cells[i] == 2) {
      Pen(canvas, p.Road, MaxInt(2, Round(r / 6)));
      Segment(canvas, f, road.Outer, {1, 0});
    }
  }
}

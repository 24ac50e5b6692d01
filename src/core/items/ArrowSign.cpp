#include "ArrowSign.h"

#include "SignCatalog.h"

namespace {

const TSignPoint kStraight[] = {{0.1, -0.08}, {1.28, -0.08}, {1.28, -0.23}, {1.68, 0},
                                {1.28, 0.23}, {1.28, 0.08},  {0.1, 0.08}};
const TSignPoint kRight[] = {{1.08, -0.9}, {1.08, 0.28}, {1.23, 0.28}, {1, 0.68},
                             {0.77, 0.28}, {0.92, 0.28}, {0.92, -0.9}};
const TSignPoint kLeft[] = {{1.08, 0.9}, {1.08, -0.28}, {1.23, -0.28}, {1, -0.68},
                            {0.77, -0.28}, {0.92, -0.28}, {0.92, 0.9}};
const TSignPoint kStraightRight[] = {{0.1, -0.18},  {1.38, -0.18}, {1.38, -0.33}, {1.78, -0.1}, {1.38, 0.13},
                                     {1.38, -0.02}, {1.08, -0.02}, {1.08, 0.28},  {1.23, 0.28}, {1, 0.68},
                                     {0.77, 0.28},  {0.92, 0.28},  {0.92, -0.02}, {0.1, -0.02}};
const TSignPoint kStraightLeft[] = {{0.1, 0.18},  {1.38, 0.18},  {1.38, 0.33},  {1.78, 0.1},  {1.38, -0.13},
                                    {1.38, 0.02}, {1.08, 0.02},  {1.08, -0.28}, {1.23, -0.28}, {1, -0.68},
                                    {0.77, -0.28}, {0.92, -0.28}, {0.92, 0.02},  {0.1, 0.02}};
const TSignPoint kRoundUpper[] = {{1.62, 0.3},   {1.7, 0},      {1.65, -0.2},  {1.56, -0.4}, {1.62, -0.52},
                                  {1.15, -0.52}, {1.37, -0.08}, {1.44, -0.18}, {1.5, 0},     {1.46, 0.21}};
const TSignPoint kRoundLeft[] = {{0.95, -0.7}, {0.7, -0.64}, {0.5, -0.5},  {0.38, -0.3},
                                 {0.21, -0.3}, {0.48, 0.14}, {0.73, -0.3}, {0.57, -0.3},
                                 {0.7, -0.4},  {0.8, -0.48}, {0.95, -0.5}};
const TSignPoint kRoundRight[] = {{0.45, 0.4}, {0.55, 0.5}, {0.67, 0.6}, {0.8, 0.67}, {1.08, 0.68}, {1.15, 0.8},
                                  {1.4, 0.38}, {0.9, 0.38}, {0.93, 0.47}, {0.8, 0.45}, {0.6, 0.3}};
const TSignPoint kRightOrLeft[] = {{0.1, 0.08},   {0.9, 0.08},  {1, 0.22},     {1, 0.4},      {0.85, 0.4},
                                   {1.08, 0.8},   {1.31, 0.4},  {1.16, 0.4},   {1.16, 0.12},  {1.08, 0},
                                   {1.16, -0.12}, {1.16, -0.4}, {1.31, -0.4},  {1.08, -0.8},  {0.85, -0.4},
                                   {1, -0.4},     {1, -0.22},   {0.9, -0.08},  {0.1, -0.08}};

template <std::size_t N>
TArrowShape Shape(const TSignPoint (&pts)[N]) {
  return TArrowShape{pts, static_cast<int>(N)};
}

struct TArrowPaint {
  TColor Outline;
  int Width;
  TColor DiscFill;
  TColor ArrowPen;
  TColor ArrowFill;
};

TArrowPaint ArrowPaint(const TDrawContext& ctx, TSignLook look) {
  switch (look) {
    case TSignLook::Active:
      return {clWhite, 1, kSchemeBackground, clWhite, kSchemeBackground};
    case TSignLook::Inactive:
      return {clWhite, 1, kSignBlue, clWhite, clWhite};
    case TSignLook::Selected:
      return {kSelectedFill, 1, kSchemeBackground, kSelectedFill, kSchemeBackground};
    case TSignLook::Print:
      break;
  }
  const int pw = TSign::PrintPenWidth(ctx);
  if (ctx.ColorPrint) return {clBlack, pw, kSignBlue, clWhite, clWhite};
  return {clBlack, pw, clSilver, clBlack, clWhite};
}

}  // namespace

std::vector<TArrowShape> TArrowSign::ArrowsOf(int kind) {
  switch (kind) {
    case 9: return {Shape(kStraight)};
    case 10: return {Shape(kRight)};
    case 11: return {Shape(kLeft)};
    case 12: return {Shape(kStraightRight)};
    case 13: return {Shape(kStraightLeft)};
    case 14: return {Shape(kRoundUpper), Shape(kRoundLeft), Shape(kRoundRight)};
    case 15: return {Shape(kRightOrLeft)};
    default: return {};
  }
}

void TArrowSign::DrawSymbol(TDrawContext& ctx, TSignLook look) {
  const std::vector<TArrowShape> arrows = ArrowsOf(Kind);
  if (arrows.empty()) return;
  TCanvas& canvas = *ctx.Canvas;
  const TArrowPaint p = ArrowPaint(ctx, look);
  const TSignFrame f = Frame(ctx, Radius(ctx));
  Pen(canvas, p.Outline, p.Width);
  canvas.SetBrushColor(p.DiscFill);
  Disc(canvas, f, 1, 0, Radius(ctx));
  Pen(canvas, p.ArrowPen, p.Width);
  canvas.SetBrushColor(p.ArrowFill);
  for (const TArrowShape& a : arrows) Poly(canvas, f, a.Points, a.Count);
}

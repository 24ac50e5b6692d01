#include "WhiteSignFormModel.h"

#include <cmath>

#include "items/WhiteSign.h"
#include "model/Geometry.h"
#include "platform/Canvas.h"

namespace {
// The outer and inner point of each cell's stub in the sign frame (a along
// the upright sign from its foot, c across it to the right); the centre is
// (1, 0).
struct TStub {
  double OuterA, OuterC, InnerA, InnerC;
};
constexpr TStub kStubs[9] = {
    {0, 0, 0, 0},         {1, 0.9, 1, 0.2},      {1.9, 0.9, 1.2, 0.2},   {1.9, 0, 1.2, 0},     {1.9, -0.9, 1.2, -0.2},
    {1, -0.9, 1, -0.2},   {0.1, -0.9, 0.8, -0.2}, {0.1, 0, 0.8, 0},       {0.1, 0.9, 0.8, 0.2},
};

TPoint PicturePoint(double a, double c) { return TPoint{Round(60 + 60 * c), Round(120 - 60 * a)}; }
}  // namespace

void TWhiteSignFormModel::Prepare(TWhiteSign* sign) { Sign_ = sign; }

int TWhiteSignFormModel::CellAt(int x, int y) {
  const double theta = VectorAngle(0, 0, x - 60.0, (120.0 - y) - 60.0);
  if (theta <= kPi / 8 || theta > 15 * kPi / 8) return 1;
  for (int i = 2; i <= 8; ++i)
    if ((i - 1) * kPi / 4 - kPi / 8 < theta && theta <= i * kPi / 4 - kPi / 8) return i;
  return 1;
}

bool TWhiteSignFormModel::ClickCell(int x, int y) {
  if (!Sign_) return false;
  std::uint8_t& cell = Sign_->Cells[static_cast<std::size_t>(CellAt(x, y))];
  cell = cell == 0 ? 1 : cell == 1 ? 2 : 0;
  return true;
}

int TWhiteSignFormModel::Press(TDialogButton button) { return button == TDialogButton::Ok ? mrOk : mrCancel; }

std::array<std::uint8_t, 9> TWhiteSignFormModel::Cells() const {
  if (!Sign_) return {};
  return Sign_->Cells;
}

void TWhiteSignFormModel::DrawPicture(TCanvas& canvas) const {
  canvas.Pen = TPen{clBlack, 2, TPenStyle::Solid, TPenMode::Copy};
  canvas.SetBrushColor(clWhite);
  const TPoint square[4] = {{1, 1}, {119, 1}, {119, 119}, {1, 119}};
  canvas.Polygon(square, 4);
  canvas.SetBrushColor(clBlack);
  const auto cells = Cells();
  const TPoint centre = PicturePoint(1, 0);
  for (int i = 1; i <= 8; ++i) {
    const TStub& stub = kStubs[i];
    const TPoint outer = PicturePoint(stub.OuterA, stub.OuterC);
    if (cells[static_cast<std::size_t>(i)] == 1) {
      canvas.Pen.Width = 3;
      const TPoint inner = PicturePoint(stub.InnerA, stub.InnerC);
      canvas.Line(outer.x, outer.y, inner.x, inner.y);
    } else if (cells[static_cast<std::size_t>(i)] == 2) {
      canvas.Pen.Width = 6;
      canvas.Line(outer.x, outer.y, centre.x, centre.y);
    }
  }
}

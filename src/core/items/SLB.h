#pragma once
// A straight curb piece, and the pens and print forms shared by all curb pieces.
#include <cstdint>

#include "model/LineSVItem.h"

// Curb pieces join only curb pieces.
bool IsCurbCode(std::uint32_t typeCode);

// Screen pens of curbs.
constexpr TColor kCurbGrey = 0x808080;
void SetCurbPen(TCanvas& canvas, TColor color, int width);

// How a curb prints for the page set-up switches: a plain line or arc in a
// pen, or, black-and-white with grey curbs on a fine enough device, a grey
// band with black edges.
struct TCurbPrint {
  bool Band = false;
  TColor PenColor = clBlack;
  int PenWidth = 1;
  // Half the band's width, in device pixels.
  double HalfWidth = 0;
};
TCurbPrint CurbPrintForm(const TDrawContext& ctx);
// Sets the pen (and the band's fill) of a print form.
void SetCurbPrintLook(TCanvas& canvas, const TCurbPrint& form);

constexpr TColor kPrintGrey = 0xB0B0B0;

class TSLB : public TLineSVItem {
 public:
  using TLineSVItem::TLineSVItem;

  bool FindAnchor(int x, int y, TDrawContext& ctx, std::uint32_t typeCode, double& X, double& Y) override;
  void DrawActive(TDrawContext& ctx) override;
  void DrawInactive(TDrawContext& ctx) override;
  void DrawSelected(TDrawContext& ctx) override;
  void DrawPrint(TDrawContext& ctx) override;

 private:
  void DrawLine(TDrawContext& ctx);
};

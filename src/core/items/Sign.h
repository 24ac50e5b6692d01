#pragma once
// A road sign: a symbol hanging on a stick or on the arm of a stand. It
// stands on its base point and extends away from the stick towards its aim
// point, keeping its size on screen whatever the zoom. The kind (1 to 18)
// chooses the picture; the class of the record's type code draws only the
// kinds that belong to it, and keeps any other kind unchanged.
#include <cstdint>
#include <initializer_list>
#include <memory>
#include <string>

#include "SVText.h"
#include "model/AirSVItem.h"

class TCanvas;

enum class TSignLook { Active, Inactive, Selected, Print };

// A point of a sign picture: a along the sign (away from the stick, "up" on
// the picture), c across it (to the right on the picture), both in units of
// the frame.
struct TSignPoint {
  double a;
  double c;
};

// The screen frame of a sign: base point B and the vector u of the frame's
// unit length from B towards the aim point; w is u turned a quarter turn.
class TSignFrame {
 public:
  TSignFrame(TPoint base, TPoint aim, double unit);
  // B + a*u + c*w, rounded.
  TPoint At(double a, double c) const;
  TPoint At(const TSignPoint& p) const { return At(p.a, p.c); }

  TPoint Base;
  double Ux = 0;
  double Uy = 0;
};

class TSign : public TAirSVItem {
 public:
  explicit TSign(std::uint32_t typeCode);
  ~TSign() override;

  std::unique_ptr<TSVText> Label;
  std::uint8_t Kind = 0;

  TRect GetBounds(TDrawContext& ctx) override;
  void SaveToText(TTextWriter& f) override;
  void LoadFromText(TTextReader& f) override;
  bool SelectInRect(TDrawContext& ctx, const TRect& r) override;
  void DrawActive(TDrawContext& ctx) override;
  void DrawInactive(TDrawContext& ctx) override;
  void DrawSelected(TDrawContext& ctx) override;
  void DrawRubber(TDrawContext& ctx, const TScreenPoints& pts, int mode) override;
  void DrawPrint(TDrawContext& ctx) override;
  TColor TextColor() override;

  // R: the radius of a round sign on screen, 12 pixels at symbol scale 1.
  static double Radius(const TDrawContext& ctx) { return 12 * ctx.SignScale; }
  // Outline width of printed signs.
  static int PrintPenWidth(const TDrawContext& ctx);
  // The sign's frame on the context's screen with the given unit length.
  TSignFrame Frame(const TDrawContext& ctx, double unit) const;

 protected:
  // Draws the picture of the sign in one look; the label follows it.
  virtual void DrawSymbol(TDrawContext& ctx, TSignLook look);
  // How far the picture reaches, in radii: up to 2 of these along the sign
  // and 1 to either side.
  virtual double Reach() const;

  // Drawing helpers, with the canvas's current pen and brush.
  static void Disc(TCanvas& canvas, const TSignFrame& frame, double a, double c, double radius);
  static void Poly(TCanvas& canvas, const TSignFrame& frame, std::initializer_list<TSignPoint> pts);
  static void Poly(TCanvas& canvas, const TSignFrame& frame, const TSignPoint* pts, int count);
  static void Segment(TCanvas& canvas, const TSignFrame& frame, TSignPoint from, TSignPoint to);
  static void Pen(TCanvas& canvas, TColor color, int width);

 private:
  void DrawLook(TDrawContext& ctx, TSignLook look);
};

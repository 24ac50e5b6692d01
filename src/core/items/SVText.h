#pragma once
// A label: one line of text owned by another item, drawn with a rotated
// font from its base point towards its aim point, with a dotted leader to
// the owner while editing.
#include <cstdint>
#include <memory>
#include <string>

#include "model/AirSVItem.h"
#include "platform/Canvas.h"

class TSVText : public TAirSVItem {
 public:
  using TAirSVItem::TAirSVItem;

  std::string Text;
  TColor Color = 0;
  // The item that owns the label; the label follows its layer's ShowText.
  TSVItem* OwnerItem = nullptr;
  TFontDesc Font;
  bool Unplaced = false;
  int CachedEscapement = 0;
  int CachedHeight = 0;
  // Multiplies the text height; not stored, so 0 after loading (counts as 1).
  double SizeFactor = 0;

  // A new, unplaced label for the owner (the editor's "make label").
  static std::unique_ptr<TSVText> MakeLabel(TSVItem* owner, const std::string& text, double sizeFactor);

  TRect GetBounds(TDrawContext& ctx) override;
  void SaveToText(TTextWriter& f) override;
  void LoadFromText(TTextReader& f) override;
  void PlaceAt(TDrawContext& ctx, const TScreenPoints& pts, const TSnapRecord& snap, int count) override;
  void DrawActive(TDrawContext& ctx) override;
  void DrawInactive(TDrawContext& ctx) override;
  void DrawSelected(TDrawContext& ctx) override;
  void DrawRubber(TDrawContext& ctx, const TScreenPoints& pts, int mode) override;
  void DrawPrint(TDrawContext& ctx) override;

  // Sets up the default font description (after loading or making).
  virtual void SetDefaultFont();
  // Recomputes escapement and height for the context and selects the font.
  void RefreshFont(TDrawContext& ctx);
  // The ShowText switch of the owner item's layer.
  bool Shown() const;

 protected:
  // Label height before the size factor: the characters are 14 pixels high
  // at symbol scale 1.
  static int BaseHeight(const TDrawContext& ctx);
};

// --- shared by labels and free texts ------------------------------------------

// Where a text stands on the screen: A the anchor (leader start), P1 the
// start of the baseline, P2 the point giving its direction; U the unit
// vector P1 -> P2 ((1, 0) when they coincide) and W it turned a quarter turn
// towards screen +y.
struct TTextFrame {
  TPoint A;
  TPoint P1;
  TPoint P2;
  double Ux = 1, Uy = 0;
  double Wx = 0, Wy = 1;
  // P1 + Round(along*U + across*W), the offset rounded as a whole.
  TPoint At(double along, double across) const;
};
TTextFrame MakeTextFrame(const TAirSVItem& item, const TDrawContext& ctx);

// Counter-clockwise direction of p1 -> p2 on the screen in tenths of a
// degree (0..3600); coincident points give 900, a text running upwards.
int TextEscapement(TPoint p1, TPoint p2);

// Remakes the font only when the escapement or the height differs from the
// cached pair, then selects it into the canvas (when there is one).
void ApplyTextFont(TCanvas* canvas, TFontDesc& font, int& cachedEscapement, int& cachedHeight, int escapement,
                   int height);

// The text as one stored line: a line break would split the record, so
// breaks become blanks.
std::string SingleLine(const std::string& text);

// The placement of a text from three clicks: anchor, baseline start and
// direction. The anchor is the snapped point of the first click when
// `useSnap` and it snapped, else the first click itself.
void PlaceText(TAirSVItem& item, TDrawContext& ctx, const TScreenPoints& pts, const TSnapRecord& snap, bool useSnap);

// The rubber band of a text being placed; returns where the text was
// written, or false for a phase that draws nothing.
bool DrawTextRubber(TDrawContext& ctx, const TScreenPoints& pts, int mode, const std::string& text, TFontDesc& font,
                    int& cachedEscapement, int& cachedHeight, int height, TPoint& textAt);

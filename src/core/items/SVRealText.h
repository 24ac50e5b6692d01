#pragma once
// A free text of the scheme (type code 18, layer 4): one line of white text
// with no owner, placed like a label and shown while its layer shows texts.
#include <memory>
#include <string>

#include "model/AirSVItem.h"
#include "platform/Canvas.h"

class TSVRealText : public TAirSVItem {
 public:
  using TAirSVItem::TAirSVItem;

  std::string Text;
  int CachedHeight = 0;
  int CachedEscapement = 0;
  TFontDesc Font;

  // A new free text with the default font (the editor's "make free text").
  static std::unique_ptr<TSVRealText> MakeFreeText(const std::string& text);

  TRect GetBounds(TDrawContext& ctx) override;
  void SaveToText(TTextWriter& f) override;
  void LoadFromText(TTextReader& f) override;
  bool SelectInRect(TDrawContext& ctx, const TRect& r) override;
  void PlaceAt(TDrawContext& ctx, const TScreenPoints& pts, const TSnapRecord& snap, int count) override;
  void DrawActive(TDrawContext& ctx) override;
  void DrawInactive(TDrawContext& ctx) override;
  void DrawSelected(TDrawContext& ctx) override;
  void DrawRubber(TDrawContext& ctx, const TScreenPoints& pts, int mode) override;
  void DrawPrint(TDrawContext& ctx) override;

  void SetDefaultFont();
  // Recomputes escapement and height for the context and selects the font.
  void RefreshFont(TDrawContext& ctx);

 private:
  // Cell height of 18 pixels at symbol scale 1.
  static int CellHeight(const TDrawContext& ctx);
  // Start of the baseline and the far corner of the text's box above it.
  void TextBox(TDrawContext& ctx, TPoint& p1, TPoint& corner);
  void WriteText(TDrawContext& ctx, TColor color, bool opaque);
};

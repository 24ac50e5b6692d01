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
};

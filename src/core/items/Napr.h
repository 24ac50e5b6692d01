#pragma once
// A traffic direction arrow (type code 16, layer 7): the path a stream of
// traffic takes in one phase, a polyline with a notched head when the
// stream runs or a bar across its tip when it is held. Drawn only while
// its phase is shown.
#include <array>
#include <cstdint>
#include <memory>

#include "LinedText.h"
#include "model/SVItem.h"

constexpr int kMaxNaprVertices = 100;

class TNapr : public TSVItem {
 public:
  using TSVItem::TSVItem;

  // Vertex 0 is the tail, vertex Count-1 the tip; only the first Count are used.
  std::array<TRealPoint, kMaxNaprVertices> Vertices{};
  std::uint8_t Count = 0;
  std::unique_ptr<TLinedText> Label;
  bool Oneway = false;
  bool Run = false;
  // 0 solid, anything else dashed.
  std::uint8_t Dashed = 0;
  std::uint8_t Phase = 0;

  TRect GetBounds(TDrawContext& ctx) override;
  void SaveToText(TTextWriter& f) override;
  // May remove the arrow from its layer (and so free it): the caller must
  // not touch the arrow afterwards.
  void LoadFromText(TTextReader& f) override;
  bool SelectInRect(TDrawContext& ctx, const TRect& r) override;
  bool FindAnchor(int x, int y, TDrawContext& ctx, std::uint32_t typeCode, double& X, double& Y) override;
  void PlaceAt(TDrawContext& ctx, const TScreenPoints& pts, const TSnapRecord& snap, int count) override;
  void DrawActive(TDrawContext& ctx) override;
  void DrawInactive(TDrawContext& ctx) override;
  void DrawSelected(TDrawContext& ctx) override;
  void DrawRubber(TDrawContext& ctx, const TScreenPoints& pts, int mode) override;
  void DrawPrint(TDrawContext& ctx) override;
  TColor TextColor() override;

  // The arrow as in the viewer, whatever phase is shown and without its
  // label (the direction dialog's preview).
  void DrawPlain(TDrawContext& ctx);
  // Is the arrow's phase the one the scheme's phase clock shows? An arrow
  // in no scheme is always shown.
  bool PhaseShown() const;

 private:
  struct TArrowLook {
    double Head, Dash, Gap, Width;
    TColor Pen, Fill;
  };
  void DrawArrow(TDrawContext& ctx, const TArrowLook& look);
  TPoint ScreenVertex(const TDrawContext& ctx, int i) const;
  // Count, never beyond the array.
  int Used() const;
};

#pragma once
// A building: a closed outline through up to 100 vertices, the last one
// joined back to the first. Sticks and stays are fixed to its walls.
#include <array>
#include <cstdint>
#include <memory>
#include <vector>

#include "SVText.h"
#include "model/SVItem.h"

constexpr int kMaxBuildVertices = 100;

class TBuild : public TSVItem {
 public:
  using TSVItem::TSVItem;

  std::array<TRealPoint, kMaxBuildVertices> Vertices{};
  // Only the first VertexCount slots are used.
  std::uint8_t VertexCount = 0;
  // The vertices in use: a count byte can say more than the slots hold.
  int UsedVertices() const { return VertexCount < kMaxBuildVertices ? VertexCount : kMaxBuildVertices; }
  std::unique_ptr<TSVText> Label;

  TRect GetBounds(TDrawContext& ctx) override;
  void SaveToText(TTextWriter& f) override;
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

 private:
  std::vector<TPoint> ScreenOutline(const TDrawContext& ctx) const;
  // The outline with a hatched handle on every vertex (the editing looks).
  void DrawOutline(TDrawContext& ctx, TColor pen);
  void DrawFilled(TDrawContext& ctx, TColor pen, TColor fill);
};

#pragma once
// The root of every scheme item. Layers, the viewer, the editor and the
// printer handle any item through these virtual operations without knowing
// its class.
#include <array>
#include <cstdint>

#include "DrawContext.h"
#include "platform/Types.h"

class TLayer;
class TSVObject;
class TSVInfo;
class TTextReader;
class TTextWriter;

constexpr int kMaxPlacePoints = 100;
using TScreenPoints = std::array<TPoint, kMaxPlacePoints>;

// One point of a placement: where it snapped to, if it did.
struct TSnapEntry {
  double X = 0;
  double Y = 0;
  bool Found = false;
  // Offset in symbol units returned by a hanging carrier (FindAnchorEx).
  double X2 = 0;
  double Y2 = 0;
};
using TSnapRecord = std::array<TSnapEntry, kMaxPlacePoints>;

class TSVItem {
 public:
  explicit TSVItem(std::uint32_t typeCode) : TypeCode(typeCode) {}
  virtual ~TSVItem() = default;
  TSVItem(const TSVItem&) = delete;
  TSVItem& operator=(const TSVItem&) = delete;

  std::uint32_t TypeCode;
  bool Selected = false;
  TLayer* Owner = nullptr;
  bool Hidden = false;

  virtual TRect GetBounds(TDrawContext& ctx);
  virtual bool HitTest(int x, int y, TDrawContext& ctx);
  virtual void SaveToText(TTextWriter& f);
  virtual void LoadFromText(TTextReader& f);
  virtual bool SelectInRect(TDrawContext& ctx, const TRect& r);
  virtual void SelectAtPoint(int x, int y, TDrawContext& ctx);
  virtual bool FindAnchor(int x, int y, TDrawContext& ctx, std::uint32_t typeCode, double& X, double& Y);
  virtual bool FindAnchorEx(int x, int y, TDrawContext& ctx, std::uint32_t typeCode, double& X, double& Y,
                            double& X2, double& Y2);
  virtual void PlaceAt(TDrawContext& ctx, const TScreenPoints& pts, const TSnapRecord& snap, int count);
  virtual void DrawActive(TDrawContext& ctx);
  virtual void DrawInactive(TDrawContext& ctx);
  virtual void DrawSelected(TDrawContext& ctx);
  virtual void DrawRubber(TDrawContext& ctx, const TScreenPoints& pts, int mode);
  virtual void DrawPrint(TDrawContext& ctx);
  virtual bool IsVisibleIn(TDrawContext& ctx);
  virtual TColor TextColor();

  // --- reaching the passport through the layer ------------------------------
  // The scheme object holding this item's layer, or nullptr for a free item.
  TSVObject* Scheme() const;
  // The passport information, or nullptr.
  TSVInfo* Info() const;
  // The passport's real scale (1.0 when the item is in no scheme).
  double RealScale() const;
  // The ShowText switch of the item's layer (true when it has none).
  bool LayerShowsText() const;
};

// Draws in the look the caller wants: inactive when not editable, else
// selected or active. Nothing when the item cannot be seen.
void DrawItem(TSVItem& item, TDrawContext& ctx, bool editable);
void PrintItem(TSVItem& item, TDrawContext& ctx);

// The two numbers of a stored line: FormatCoord, one blank, line end.
void WriteRealPair(TTextWriter& f, double x, double y);
// Reads two reals and skips the rest of their line.
void ReadRealPair(TTextReader& f, double& x, double& y);

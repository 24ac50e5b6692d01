#pragma once
// One passport in memory: its directory, information, phase clock and the
// twelve layers of its scheme, with the whole-scheme operations that run
// over the layers in the fixed order 1 to 12.
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "Layer.h"
#include "PreLayer.h"
#include "TypeCodes.h"
#include "platform/TextFile.h"

class TPassportStore;
class TSVInfo;
class TSVtime;

constexpr int kLayerCount = 12;

class TSVObject : public TpreObject {
 public:
  // dir: the passport directory; a trailing separator is added if missing.
  explicit TSVObject(const std::string& dir);
  ~TSVObject() override;
  TSVObject(const TSVObject&) = delete;
  TSVObject& operator=(const TSVObject&) = delete;

  std::unique_ptr<TSVtime> Time;
  std::string Dir;
  std::unique_ptr<TSVInfo> Info;
  // Layers[1] .. Layers[12]; Layers[0] is unused.
  std::array<std::unique_ptr<TLayer>, kLayerCount + 1> Layers;

  TLayer& Layer(int n) { return *Layers[static_cast<std::size_t>(n)]; }
  TLayer& Layer(TLayerId id) { return Layer(LayerNo(id)); }

  // The store the passport was opened from and its id there: saving writes
  // back through it. Unset, the passport's files are those in Dir.
  std::shared_ptr<TPassportStore> Store;
  std::string StoreId;

  // Reads info.txt, then map.txt of Dir, then sets the clock to phase 1. A
  // missing file reads as empty. Direction arrows dropped for want of an
  // info.txt are reported with their count.
  void LoadAll();
  // The same from the bytes of the two sources (Info->FileName and Dir +
  // "map.txt" name them in messages; Info->FileMissing is the caller's).
  void LoadFrom(const TFileSource& info, const TFileSource& map);
  // The same, saying for every entry kept where in the map's bytes it was
  // read from (its type code line to its end): a comparison takes entries
  // of equal bytes as equal without writing them out again.
  using TEntryRead = std::function<void(const TSVItem& item, std::size_t begin, std::size_t end)>;
  void LoadFrom(const TFileSource& info, const TFileSource& map, const TEntryRead& entryRead);
  // The factory: a new item of the class of the code, nullptr when none.
  static std::unique_ptr<TSVItem> CreateItem(std::uint32_t code);
  // The layer of the type code, 0 when it has none.
  static int LayerOf(std::uint32_t code);
  // Adds the item to its layer whatever the layer's switches; returns the
  // layer number, or 0 (the item is freed) for a code without a layer.
  int AddItem(std::unique_ptr<TSVItem> item);
  void ClearAll();
  void DrawAll(TDrawContext& ctx, bool editable);
  // One layer: the phase animation redraws only layer 12, the signal heads.
  void DrawLayer(int n, TDrawContext& ctx, bool editable);
  void PrintAll(TDrawContext& ctx);
  TRect BoundsShown(TDrawContext& ctx);
  TRect BoundsOfVisibleLayers(TDrawContext& ctx);
  void SelectInRect(TDrawContext& ctx, const TRect& r);
  void DeselectAll();
  void DeleteSelected();
  void HideSelected();
  void RestoreHidden();
  int CountSelected() const;
  bool FindAnchor(int x, int y, std::uint32_t typeCode, TDrawContext& ctx, double& X, double& Y);
  bool FindAnchorEx(int x, int y, std::uint32_t typeCode, TDrawContext& ctx, double& X, double& Y, double& X2,
                    double& Y2);
  void CopyTimingToDirections();

  // Writes map.txt: layers 1 to 12, each from its oldest item to its newest,
  // leaving out hidden items. Written atomically; returns false (and shows
  // the error) when the file cannot be written, leaving the old one intact.
  bool SaveMap(const std::string& path);
  // The passport's own map.txt: through its store, else in Dir.
  bool SaveMap();
  // Into `sink`; `name` names the file in messages.
  bool SaveMapTo(const TFileSink& sink, const std::string& name);
  // The bytes SaveMap writes.
  std::string MapBytes() const;
};

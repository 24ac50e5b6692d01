#include "SVObject.h"

#include <exception>
#include <string>

#include "Geometry.h"
#include "plan/SVInfo.h"
#include "plan/SVtime.h"
#include "platform/Messages.h"
#include "platform/ProgramDir.h"
#include "platform/TextFile.h"
#include "store/FolderStore.h"

TSVObject::TSVObject(const std::string& dir) : Dir(WithTrailingSep(dir)) {
  for (int n = 1; n <= kLayerCount; ++n) Layers[static_cast<std::size_t>(n)] = std::make_unique<TLayer>(this);
  Info = std::make_unique<TSVInfo>(this, Dir);
  Time = std::make_unique<TSVtime>(Info.get());
}

TSVObject::~TSVObject() {
  // Signal heads point into the passport's direction set, so the layers go first.
  for (auto& layer : Layers) layer.reset();
  Info.reset();
  Time.reset();
}

int TSVObject::AddItem(std::unique_ptr<TSVItem> item) {
  if (!item) return 0;
  const int n = LayerOf(item->TypeCode);
  if (n == 0) {
    ShowInfo("Неизвестный код предмета. (TSVObject.AddItem)");
    return 0;
  }
  TLayerOpened opened(Layer(n));
  Layer(n).AddLayerItem(std::move(item));
  return n;
}

void TSVObject::ClearAll() {
  for (int n = 1; n <= kLayerCount; ++n) Layer(n).ClearLayer();
}

namespace {

// Tells the canvas which layer the primitives drawn in its lifetime belong to.
class TLayerOnCanvas {
 public:
  TLayerOnCanvas(TDrawContext& ctx, int n) : Canvas_(ctx.Canvas) {
    if (Canvas_) Canvas_->BeginLayer(n);
  }
  ~TLayerOnCanvas() {
    if (Canvas_) Canvas_->EndLayer();
  }
  TLayerOnCanvas(const TLayerOnCanvas&) = delete;
  TLayerOnCanvas& operator=(const TLayerOnCanvas&) = delete;

 private:
  TCanvas* Canvas_;
};

}  // namespace

void TSVObject::DrawAll(TDrawContext& ctx, bool editable) {
  for (int n = 1; n <= kLayerCount; ++n) {
    TLayerOnCanvas on(ctx, n);
    Layer(n).DrawLayer(ctx, editable);
  }
}

void TSVObject::DrawLayer(int n, TDrawContext& ctx, bool editable) {
  if (n < 1 || n > kLayerCount) return;
  TLayerOnCanvas on(ctx, n);
  Layer(n).DrawLayer(ctx, editable);
}

void TSVObject::PrintAll(TDrawContext& ctx) {
  for (int n = 1; n <= kLayerCount; ++n) {
    TLayerOnCanvas on(ctx, n);
    Layer(n).PrintLayer(ctx);
  }
}

TRect TSVObject::BoundsShown(TDrawContext& ctx) {
  TRect r = kEmptyRect;
  for (int n = 1; n <= kLayerCount; ++n) r = UnionRects(r, Layer(n).LayerBounds(ctx));
  return r;
}

TRect TSVObject::BoundsOfVisibleLayers(TDrawContext& ctx) {
  TRect r = kEmptyRect;
  for (int n = 1; n <= kLayerCount; ++n) r = UnionRects(r, Layer(n).VisibleLayerBounds(ctx));
  return r;
}

void TSVObject::SelectInRect(TDrawContext& ctx, const TRect& r) {
  for (int n = 1; n <= kLayerCount; ++n) Layer(n).SelectLayerInRect(ctx, r);
}

void TSVObject::DeselectAll() {
  for (int n = 1; n <= kLayerCount; ++n) Layer(n).DeselectLayer();
}

void TSVObject::DeleteSelected() {
  for (int n = 1; n <= kLayerCount; ++n) Layer(n).DeleteLayerSelected();
}

void TSVObject::HideSelected() {
  for (int n = 1; n <= kLayerCount; ++n) Layer(n).HideLayerSelected();
}

void TSVObject::RestoreHidden() {
  for (int n = 1; n <= kLayerCount; ++n) Layer(n).RestoreLayerHidden();
}

int TSVObject::CountSelected() const {
  int count = 0;
  for (int n = 1; n <= kLayerCount; ++n) count += Layers[static_cast<std::size_t>(n)]->CountSelected();
  return count;
}

bool TSVObject::FindAnchor(int x, int y, std::uint32_t typeCode, TDrawContext& ctx, double& X, double& Y) {
  for (int n = 1; n <= kLayerCount; ++n)
    if (Layer(n).FindLayerAnchor(x, y, ctx, typeCode, X, Y)) return true;
  return false;
}

bool TSVObject::FindAnchorEx(int x, int y, std::uint32_t typeCode, TDrawContext& ctx, double& X, double& Y,
                             double& X2, double& Y2) {
  for (int n = 1; n <= kLayerCount; ++n)
    if (Layer(n).FindLayerAnchorEx(x, y, ctx, typeCode, X, Y, X2, Y2)) return true;
  return false;
}

void TSVObject::CopyTimingToDirections() {
  TNaprSet& set = Info->Directions;
  for (int i = 1; i <= set.Count; ++i) {
    TSVNapr* napr = set.Item(i);
    if (!napr) continue;
    napr->Remaining = Time->Remaining;
    napr->CurrentPhase = static_cast<std::uint8_t>(Time->Phase);
  }
}

namespace {

// One entry of map.txt: the type-code line (only the first token counts,
// and only its low byte names the class).
std::uint32_t ReadTypeCode(TTextReader& f) {
  const std::int64_t code = f.ReadInt();
  f.SkipLine();
  return static_cast<std::uint8_t>(code);
}

// Blank lines or blanks after the last entry are not another entry.
bool OnlyBlanksLeft(TTextReader& f) {
  for (;;) {
    const int c = f.PeekByte();
    if (c < 0) return true;
    if (c != ' ' && c != '\t' && c != '\r' && c != '\n' && c != 0x1A) return false;
    f.ReadChar();
  }
}

}  // namespace

void TSVObject::LoadAll() {
  Info->FileMissing = !FileExists(Info->FileName);
  LoadFrom([this] { return ReadFolderFile(Info->FileName, TMissingFile::ReadEmpty); },
           [this] { return ReadFolderFile(Dir + "map.txt", TMissingFile::ReadEmpty); });
}

void TSVObject::LoadFrom(const TFileSource& info, const TFileSource& map) { LoadFrom(info, map, TEntryRead()); }

void TSVObject::LoadFrom(const TFileSource& info, const TFileSource& map, const TEntryRead& entryRead) {
  ClearAll();
  Info->LoadFrom(info);
  const std::string path = Dir + "map.txt";
  const std::string context = "Источник ошибки - TSVObject.LoadAll(). Имя файла - " + path;
  // The entry being read, and its layer. An item may leave its layer while
  // it reads (a direction arrow of a phase the passport lacks), so the
  // pointer is only compared, never followed.
  TSVItem* reading = nullptr;
  TLayer* readingLayer = nullptr;
  // Items that left their layer while reading: arrows whose phase the plan
  // lacks, every arrow when there is no plan at all.
  long dropped = 0;
  try {
    TTextReader f = TTextReader::FromBytes(map().value_or(std::string()));
    while (!OnlyBlanksLeft(f)) {
      const std::size_t begin = f.Position();
      const std::uint32_t code = ReadTypeCode(f);
      std::unique_ptr<TSVItem> item = CreateItem(code);
      if (!item) {
        ShowError("В файле карты встретился неизвестный код типа объекта. " + context +
                  " Неизвестный код: " + std::to_string(code));
        return;
      }
      TSVItem* added = item.get();
      const int n = AddItem(std::move(item));
      if (n == 0) continue;
      reading = added;
      readingLayer = &Layer(n);
      const std::size_t before = readingLayer->Items().size();
      added->LoadFromText(f);
      if (readingLayer->Items().size() < before)
        ++dropped;
      else if (entryRead)
        entryRead(*added, begin, f.Position());
      reading = nullptr;
    }
  } catch (const TInOutError& e) {
    ShowError("Не могу считать из файла. Ошибка № " + std::to_string(e.Code) + ". " + context);
  } catch (const std::exception&) {
    ShowError("Неизвестная ошибка. " + context);
  }
  // An entry broken off half-way would come back with made-up numbers and
  // be written back so on the next save; only whole entries stay.
  if (reading) {
    TLayerOpened opened(*readingLayer);
    readingLayer->RemoveLayerItem(reading);
  }
  // Without info.txt there is no plan for the arrows to show in: a user or
  // a script must hear that the scheme read is shorter than the file.
  if (Info->FileMissing && dropped > 0)
    ShowError("Нет файла " + Info->FileName + ": без плана фаз не прочитано стрелок направлений: " +
              std::to_string(dropped) + ". Источник ошибки - TSVObject.LoadAll(). Имя файла - " + path);
  Time->SetPhase(1);
  CopyTimingToDirections();
}

std::string TSVObject::MapBytes() const {
  TTextWriter w;
  for (int n = 1; n <= kLayerCount; ++n) {
    for (const auto& item : Layers[static_cast<std::size_t>(n)]->Items()) {
      if (item->Hidden) continue;
      w.WriteIntLine(item->TypeCode);
      item->SaveToText(w);
    }
  }
  return w.Bytes();
}

bool TSVObject::SaveMap(const std::string& path) {
  return SaveMapTo([&path](const std::string& bytes) { WriteFileAtomically(path, bytes); }, path);
}

bool TSVObject::SaveMap() {
  if (!Store) return SaveMap(Dir + "map.txt");
  return SaveMapTo([this](const std::string& bytes) { Store->Write(StoreId, TPassportFile::Map, bytes); },
                   Store->FileLocation(StoreId, TPassportFile::Map));
}

bool TSVObject::SaveMapTo(const TFileSink& sink, const std::string& name) {
  const std::string bytes = MapBytes();
  const std::string context = "Источник ошибки - TSVObject.SaveMap(). Имя файла - " + name;
  try {
    sink(bytes);
    return true;
  } catch (const TInOutError& e) {
    ShowError("Не могу записать в файл. Ошибка № " + std::to_string(e.Code) + ". " + context);
  } catch (const std::exception&) {
    ShowError("Неизвестная ошибка. " + context);
  }
  return false;
}

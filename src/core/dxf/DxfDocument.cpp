#include "DxfDocument.h"

#include "DxfGroups.h"

namespace {

// The handles of the document's own records.
enum : std::uint32_t {
  kLayerTable = 0x2,
  kLineTypeTable = 0x5,
  kStyleTable = 0x3,
  kViewTable = 0x6,
  kUcsTable = 0x7,
  kVportTable = 0x8,
  kBlockRecordTable = 0x1,
  kAppIdTable = 0x9,
  kDimStyleTable = 0x4,
  kRootDictionary = 0xC,
  kGroupDictionary = 0xD,
  kPlotStyleDictionary = 0xE,
  kNormalPlotStyle = 0xF,
  kLayer0 = 0x10,
  kStandardStyle = 0x11,
  kAcadAppId = 0x12,
  kDefpoints = 0x13,
  kByBlock = 0x14,
  kByLayer = 0x15,
  kContinuous = 0x16,
  kDot = 0x17,
  kLayoutDictionary = 0x1A,
  kModelLayout = 0x1B,
  kPaperLayout = 0x1C,
  kPaperSpaceRecord = 0x1E,
  // kModelSpaceRecord = 0x1F
  kModelBlock = 0x20,
  kModelBlockEnd = 0x21,
  kPaperBlock = 0x22,
  kPaperBlockEnd = 0x23,
  kDimStandard = 0x27,
  kActiveVport = 0x29,
  kFirstLayer = 0x40,
};

class TWriter {
 public:
  explicit TWriter(std::string& out) : G(out) {}
  TDxfGroups G;

  void Section(const char* name) {
    G.Name(0, "SECTION");
    G.Name(2, name);
  }
  void EndSection() { G.Name(0, "ENDSEC"); }
  void Table(const char* name, std::uint32_t handle, int count) {
    G.Name(0, "TABLE");
    G.Name(2, name);
    G.Handle(5, handle);
    G.Handle(330, 0);
    G.Name(100, "AcDbSymbolTable");
    G.Int(70, count);
  }
  void Record(const char* type, std::uint32_t handle, std::uint32_t table, const char* subclass) {
    G.Name(0, type);
    G.Handle(5, handle);
    G.Handle(330, table);
    G.Name(100, "AcDbSymbolTableRecord");
    G.Name(100, subclass);
  }
  void Dictionary(std::uint32_t handle, std::uint32_t owner,
                  std::initializer_list<std::pair<const char*, std::uint32_t>> entries) {
    G.Name(0, "DICTIONARY");
    G.Handle(5, handle);
    G.Handle(330, owner);
    G.Name(100, "AcDbDictionary");
    G.Int(281, 1);
    for (const auto& [name, item] : entries) {
      G.Name(3, name);
      G.Handle(350, item);
    }
  }
  void Class(const char* name, const char* cppName) {
    G.Name(0, "CLASS");
    G.Name(1, name);
    G.Name(2, cppName);
    G.Name(3, "ObjectDBX Classes");
    G.Int(90, 0);
    G.Int(91, 0);
    G.Int(280, 0);
    G.Int(281, 0);
  }
  void LineType(std::uint32_t handle, const char* name, const char* description, bool dotted) {
    Record("LTYPE", handle, kLineTypeTable, "AcDbLinetypeTableRecord");
    G.Name(2, name);
    G.Int(70, 0);
    G.Name(3, description);
    G.Int(72, 65);
    G.Int(73, dotted ? 2 : 0);
    // The canvas's dots: three units on, three off.
    G.Real(40, dotted ? 6 : 0);
    if (dotted) {
      G.Real(49, 3);
      G.Int(74, 0);
      G.Real(49, -3);
      G.Int(74, 0);
    }
  }
  void Layer(std::uint32_t handle, const std::string& name) {
    Record("LAYER", handle, kLayerTable, "AcDbLayerTableRecord");
    G.Name(2, name);
    G.Int(70, 0);
    G.Int(62, 7);
    G.Name(6, "Continuous");
    G.Int(370, -3);
    G.Handle(390, kNormalPlotStyle);
  }
  void Block(std::uint32_t handle, std::uint32_t end, std::uint32_t record, const char* name) {
    G.Name(0, "BLOCK");
    G.Handle(5, handle);
    G.Handle(330, record);
    G.Name(100, "AcDbEntity");
    G.Name(8, "0");
    G.Name(100, "AcDbBlockBegin");
    G.Name(2, name);
    G.Int(70, 0);
    G.Point(10, 0, 0);
    G.Name(3, name);
    G.Name(1, "");
    G.Name(0, "ENDBLK");
    G.Handle(5, end);
    G.Handle(330, record);
    G.Name(100, "AcDbEntity");
    G.Name(8, "0");
    G.Name(100, "AcDbBlockEnd");
  }
  // A layout with the plot settings of an A3 sheet in millimetres.
  void Layout(std::uint32_t handle, const char* name, int tab, std::uint32_t record, bool model) {
    G.Name(0, "LAYOUT");
    G.Handle(5, handle);
    G.Handle(330, kLayoutDictionary);
    G.Name(100, "AcDbPlotSettings");
    G.Name(1, "");
    G.Name(2, "none_device");
    G.Name(4, "ISO_A3_(420.00_x_297.00_MM)");
    G.Name(6, "");
    for (int code = 40; code <= 49; ++code) G.Real(code, code == 44 ? 420 : code == 45 ? 297 : 0);
    G.Real(140, 0);
    G.Real(141, 0);
    G.Real(142, 1);
    G.Real(143, 1);
    G.Int(70, model ? 1024 : 0);
    G.Int(72, 1);
    G.Int(73, 0);
    G.Int(74, 5);
    G.Name(7, "");
    G.Int(75, 16);
    G.Real(147, 1);
    G.Real(148, 0);
    G.Real(149, 0);
    G.Name(100, "AcDbLayout");
    G.Name(1, name);
    G.Int(70, 1);
    G.Int(71, tab);
    G.Point2(10, 0, 0);
    G.Point2(11, 420, 297);
    G.Point(12, 0, 0);
    G.Point(14, 0, 0);
    G.Point(15, 0, 0);
    G.Real(146, 0);
    G.Point(13, 0, 0);
    G.Point(16, 1, 0);
    G.Point(17, 0, 1);
    G.Int(76, 0);
    G.Handle(330, record);
  }
};

void Header(TWriter& w, std::uint32_t nextHandle, const TDxfExtents& e) {
  TDxfGroups& g = w.G;
  w.Section("HEADER");
  g.Name(9, "$ACADVER");
  g.Name(1, "AC1018");
  g.Name(9, "$ACADMAINTVER");
  g.Int(70, 0);
  g.Name(9, "$DWGCODEPAGE");
  g.Name(3, "ANSI_1251");
  g.Name(9, "$INSBASE");
  g.Point(10, 0, 0);
  g.Name(9, "$EXTMIN");
  g.Point(10, e.Empty ? 0 : e.MinX, e.Empty ? 0 : e.MinY);
  g.Name(9, "$EXTMAX");
  g.Point(10, e.Empty ? 0 : e.MaxX, e.Empty ? 0 : e.MaxY);
  g.Name(9, "$LIMMIN");
  g.Point2(10, 0, 0);
  g.Name(9, "$LIMMAX");
  g.Point2(10, 420, 297);
  g.Name(9, "$CLAYER");
  g.Name(8, "0");
  g.Name(9, "$TEXTSTYLE");
  g.Name(7, "Standard");
  // The scheme's own units: nothing to convert on insertion.
  g.Name(9, "$INSUNITS");
  g.Int(70, 0);
  g.Name(9, "$MEASUREMENT");
  g.Int(70, 1);
  g.Name(9, "$LWDISPLAY");
  g.Int(290, 1);
  g.Name(9, "$HANDSEED");
  g.Handle(5, nextHandle);
  w.EndSection();
}

void Tables(TWriter& w, const std::vector<TDxfLayer>& layers) {
  TDxfGroups& g = w.G;
  w.Section("TABLES");
  w.Table("VPORT", kVportTable, 1);
  w.Record("VPORT", kActiveVport, kVportTable, "AcDbViewportTableRecord");
  g.Name(2, "*Active");
  g.Int(70, 0);
  g.Point2(10, 0, 0);
  g.Point2(11, 1, 1);
  g.Point2(12, 0, 0);
  g.Point2(13, 0, 0);
  g.Point2(14, 10, 10);
  g.Point2(15, 10, 10);
  g.Point(16, 0, 1);
  g.Point(17, 0, 0);
  g.Real(40, 1000);
  g.Real(41, 1.34);
  g.Real(42, 50);
  g.Real(43, 0);
  g.Real(44, 0);
  g.Real(50, 0);
  g.Real(51, 0);
  g.Int(71, 0);
  g.Int(72, 1000);
  g.Int(73, 1);
  g.Int(74, 3);
  g.Int(75, 0);
  g.Int(76, 0);
  g.Int(77, 0);
  g.Int(78, 0);
  g.Name(0, "ENDTAB");

  w.Table("LTYPE", kLineTypeTable, 4);
  w.LineType(kByBlock, "ByBlock", "", false);
  w.LineType(kByLayer, "ByLayer", "", false);
  w.LineType(kContinuous, "Continuous", "Solid line", false);
  w.LineType(kDot, kDotLineType, "Dots . . . .", true);
  g.Name(0, "ENDTAB");

  w.Table("LAYER", kLayerTable, static_cast<int>(layers.size() + 2));
  w.Layer(kLayer0, "0");
  // The layer every CAD program keeps for itself and never plots.
  w.Layer(kDefpoints, "Defpoints");
  g.Int(290, 0);
  for (std::size_t i = 0; i < layers.size(); ++i) w.Layer(DxfLayerHandle(i), layers[i].Name);
  g.Name(0, "ENDTAB");

  w.Table("STYLE", kStyleTable, 1);
  w.Record("STYLE", kStandardStyle, kStyleTable, "AcDbTextStyleTableRecord");
  g.Name(2, "Standard");
  g.Int(70, 0);
  g.Real(40, 0);
  g.Real(41, 1);
  g.Real(50, 0);
  g.Int(71, 0);
  g.Real(42, 2.5);
  g.Name(3, "arial.ttf");
  g.Name(4, "");
  g.Name(0, "ENDTAB");

  w.Table("VIEW", kViewTable, 0);
  g.Name(0, "ENDTAB");
  w.Table("UCS", kUcsTable, 0);
  g.Name(0, "ENDTAB");

  w.Table("APPID", kAppIdTable, 1);
  w.Record("APPID", kAcadAppId, kAppIdTable, "AcDbRegAppTableRecord");
  g.Name(2, "ACAD");
  g.Int(70, 0);
  g.Name(0, "ENDTAB");

  w.Table("DIMSTYLE", kDimStyleTable, 1);
  g.Name(100, "AcDbDimStyleTable");
  g.Name(0, "DIMSTYLE");
  g.Handle(105, kDimStandard);
  g.Handle(330, kDimStyleTable);
  g.Name(100, "AcDbSymbolTableRecord");
  g.Name(100, "AcDbDimStyleTableRecord");
  g.Name(2, "Standard");
  g.Int(70, 0);
  g.Name(0, "ENDTAB");

  w.Table("BLOCK_RECORD", kBlockRecordTable, 2);
  w.Record("BLOCK_RECORD", kModelSpaceRecord, kBlockRecordTable, "AcDbBlockTableRecord");
  g.Name(2, "*Model_Space");
  g.Handle(340, kModelLayout);
  w.Record("BLOCK_RECORD", kPaperSpaceRecord, kBlockRecordTable, "AcDbBlockTableRecord");
  g.Name(2, "*Paper_Space");
  g.Handle(340, kPaperLayout);
  g.Name(0, "ENDTAB");
  w.EndSection();
}

void Objects(TWriter& w) {
  TDxfGroups& g = w.G;
  w.Section("OBJECTS");
  w.Dictionary(kRootDictionary, 0,
               {{"ACAD_GROUP", kGroupDictionary},
                {"ACAD_LAYOUT", kLayoutDictionary},
                {"ACAD_PLOTSTYLENAME", kPlotStyleDictionary}});
  w.Dictionary(kGroupDictionary, kRootDictionary, {});
  w.Dictionary(kLayoutDictionary, kRootDictionary, {{"Model", kModelLayout}, {"Layout1", kPaperLayout}});
  g.Name(0, "ACDBDICTIONARYWDFLT");
  g.Handle(5, kPlotStyleDictionary);
  g.Handle(330, kRootDictionary);
  g.Name(100, "AcDbDictionary");
  g.Int(281, 1);
  g.Name(3, "Normal");
  g.Handle(350, kNormalPlotStyle);
  g.Name(100, "AcDbDictionaryWithDefault");
  g.Handle(340, kNormalPlotStyle);
  g.Name(0, "ACDBPLACEHOLDER");
  g.Handle(5, kNormalPlotStyle);
  g.Handle(330, kPlotStyleDictionary);
  w.Layout(kModelLayout, "Model", 0, kModelSpaceRecord, true);
  w.Layout(kPaperLayout, "Layout1", 1, kPaperSpaceRecord, false);
  w.EndSection();
}

}  // namespace

void TDxfExtents::Add(double x, double y) {
  if (Empty) {
    MinX = MaxX = x;
    MinY = MaxY = y;
    Empty = false;
    return;
  }
  if (x < MinX) MinX = x;
  if (x > MaxX) MaxX = x;
  if (y < MinY) MinY = y;
  if (y > MaxY) MaxY = y;
}

std::uint32_t DxfLayerHandle(std::size_t index) { return kFirstLayer + static_cast<std::uint32_t>(index); }

std::string DxfDocument(const std::vector<TDxfLayer>& layers, const std::string& entities,
                        std::uint32_t nextHandle, const TDxfExtents& extents) {
  std::string out;
  out.reserve(entities.size() + 16384);
  TWriter w(out);
  Header(w, nextHandle, extents);
  w.Section("CLASSES");
  w.Class("ACDBDICTIONARYWDFLT", "AcDbDictionaryWithDefault");
  w.Class("ACDBPLACEHOLDER", "AcDbPlaceHolder");
  w.Class("LAYOUT", "AcDbLayout");
  w.EndSection();
  Tables(w, layers);
  w.Section("BLOCKS");
  w.Block(kModelBlock, kModelBlockEnd, kModelSpaceRecord, "*Model_Space");
  w.Block(kPaperBlock, kPaperBlockEnd, kPaperSpaceRecord, "*Paper_Space");
  w.EndSection();
  w.Section("ENTITIES");
  out += entities;
  w.EndSection();
  Objects(w);
  w.G.Name(0, "EOF");
  return out;
}

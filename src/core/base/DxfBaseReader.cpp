#include "DxfBaseReader.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <exception>
#include <fstream>
#include <set>

#include "DxfFlatten.h"
#include "DxfRaw.h"
#include "dl_creationadapter.h"
#include "dl_dxf.h"

namespace {

std::string Upper(std::string s) {
  for (char& c : s) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return s;
}

// Entity types the base draws, and those that are no drawing at all (the
// structure of blocks and polylines, paper-space viewports, attribute
// definitions a CAD program does not show either).
const std::set<std::string>& NotSkipped() {
  static const std::set<std::string> types{"LINE",   "LWPOLYLINE", "POLYLINE", "VERTEX",   "SEQEND",
                                           "CIRCLE", "ARC",        "TEXT",     "MTEXT",    "INSERT",
                                           "ATTRIB", "ATTDEF",     "BLOCK",    "ENDBLK",   "VIEWPORT",
                                           "ENDSEC", "SECTION",    "EOF"};
  return types;
}

class TCollector : public DL_CreationAdapter {
 public:
  using DL_CreationAdapter::addComment;
  using DL_CreationAdapter::addMTextChunk;
  using DL_CreationAdapter::processCodeValuePair;
  using DL_CreationAdapter::setVariableString;

  TDxfRaw Raw;
  std::map<std::string, int> Skipped;
  bool SawEof = false;
  bool FirstGroupOk = false;
  long Groups = 0;

  // Every group as read: the structure checks and the count of what is skipped.
  void processCodeValuePair(unsigned int code, const std::string& value) override {
    if (Groups++ == 0) FirstGroupOk = (code == 0 && value == "SECTION") || code == 999;
    if (code == 0) {
      CommitPending();
      if (value == "SECTION") {
        ExpectSectionName_ = true;
      } else if (value == "ENDSEC") {
        Section_.clear();
      } else if (value == "EOF") {
        SawEof = true;
      } else if (Section_ == "ENTITIES" || Section_ == "BLOCKS") {
        Pending_ = value;
        PendingPaper_ = false;
        if (value == "BLOCK") ExpectBlockName_ = true;
        if (value == "ENDBLK") PaperBlockRaw_ = false;
      }
      return;
    }
    if (code == 2 && ExpectSectionName_) {
      Section_ = value;
      ExpectSectionName_ = false;
    } else if (code == 2 && ExpectBlockName_) {
      PaperBlockRaw_ = Upper(value).rfind("*PAPER_SPACE", 0) == 0;
      ExpectBlockName_ = false;
    } else if (code == 67 && std::atoi(value.c_str()) == 1) {
      PendingPaper_ = true;
    }
  }

  void setVariableString(const std::string& key, const std::string& value, int) override {
    if (key == "$DWGCODEPAGE") CodePage_ = Upper(value);
    if (key == "$ACADVER") Utf8_ = Upper(value) >= "AC1021";
  }

  void addBlock(const DL_BlockData& d) override {
    const std::string name = Upper(d.name);
    InPaperBlock_ = name.rfind("*PAPER_SPACE", 0) == 0;
    TDxfRawBlock& b = Raw.Blocks[name];
    b = TDxfRawBlock{};
    b.BaseX = d.bpx;
    b.BaseY = d.bpy;
    Current_ = InPaperBlock_ ? nullptr : &b;
    PolyOpen_ = false;
  }
  void endBlock() override {
    Current_ = &Raw.Model;
    InPaperBlock_ = false;
    PolyOpen_ = false;
  }

  void addLine(const DL_LineData& d) override {
    TDxfRawEntity* e = New(TDxfRawKind::Poly);
    if (!e) return;
    e->MirrorX = false;  // a LINE's points are world points
    e->Vertices = {TDxfVertex{d.x1, d.y1, 0}, TDxfVertex{d.x2, d.y2, 0}};
  }
  void addPolyline(const DL_PolylineData& d) override {
    // Polyface and polygon meshes are surfaces, not lines.
    if (d.flags & (16 | 64)) {
      Skip("POLYLINE");
      return;
    }
    TDxfRawEntity* e = New(TDxfRawKind::Poly);
    if (!e) return;
    e->Closed = (d.flags & 1) != 0;
    PolyOpen_ = true;
  }
  void addVertex(const DL_VertexData& d) override {
    if (!PolyOpen_ || !Current_ || Current_->Entities.empty()) return;
    Current_->Entities.back().Vertices.push_back(TDxfVertex{d.x, d.y, std::isfinite(d.bulge) ? d.bulge : 0});
  }
  void endSequence() override { PolyOpen_ = false; }
  void addCircle(const DL_CircleData& d) override {
    if (TDxfRawEntity* e = New(TDxfRawKind::Circle)) {
      e->X = d.cx;
      e->Y = d.cy;
      e->Radius = d.radius;
    }
  }
  void addArc(const DL_ArcData& d) override {
    if (TDxfRawEntity* e = New(TDxfRawKind::Arc)) {
      e->X = d.cx;
      e->Y = d.cy;
      e->Radius = d.radius;
      e->Start = d.angle1;
      e->End = d.angle2;
    }
  }
  void addText(const DL_TextData& d) override { Text(d); }
  void addAttribute(const DL_AttributeData& d) override { Text(d); }
  void addMTextChunk(const std::string& chunk) override { Chunks_ += chunk; }
  void addMText(const DL_MTextData& d) override {
    const std::string raw = Chunks_ + d.text;
    Chunks_.clear();
    TDxfRawEntity* e = New(TDxfRawKind::Text);
    if (!e) return;
    e->X = d.ipx;
    e->Y = d.ipy;
    e->Height = d.height;
    e->Angle = d.angle;  // radians already
    // AutoCAD's line pitch: five thirds of the height, times the factor.
    e->LinePitch = d.height * 5.0 / 3.0 * (d.lineSpacingFactor > 0 ? d.lineSpacingFactor : 1.0);
    e->Lines = MTextLines(DecodeDxfText(raw, CodePage_, Utf8_));
    e->TopLeft = true;
  }
  void addInsert(const DL_InsertData& d) override {
    TDxfRawEntity* e = New(TDxfRawKind::Insert);
    if (!e) return;
    e->Block = Upper(d.name);
    e->X = d.ipx;
    e->Y = d.ipy;
    e->ScaleX = d.sx;
    e->ScaleY = d.sy;
    e->Rotation = d.angle;
    // A cell count beyond a few thousand is a damaged file, not a plan.
    e->Columns = std::clamp(d.cols, 1, 4096);
    e->Rows = std::clamp(d.rows, 1, 4096);
    e->ColumnSpacing = d.colSp;
    e->RowSpacing = d.rowSp;
  }

  void Finish() { CommitPending(); }

 private:
  // A new entity of the block being read (null in paper space).
  TDxfRawEntity* New(TDxfRawKind kind) {
    PolyOpen_ = false;
    if (!Current_ || getAttributes().isInPaperSpace()) return nullptr;
    TDxfRawEntity e;
    e.Kind = kind;
    // Arcs, circles, polylines and texts lie in their own plane; one seen
    // from below (extrusion −Z) is the drawing mirrored in x.
    const DL_Extrusion* ex = getExtrusion();
    e.MirrorX = ex && ex->getDirection()[2] < 0;
    Current_->Entities.push_back(std::move(e));
    return &Current_->Entities.back();
  }

  void Text(const DL_TextData& d) {
    TDxfRawEntity* e = New(TDxfRawKind::Text);
    if (!e) return;
    e->X = d.ipx;
    e->Y = d.ipy;
    e->Height = d.height;
    e->Angle = d.angle;  // radians already
    e->Lines = {DecodeDxfText(d.text, CodePage_, Utf8_)};
  }

  void Skip(const std::string& type) { ++Skipped[type]; }

  void CommitPending() {
    if (!Pending_.empty() && !PendingPaper_ && !PaperBlockRaw_ && !NotSkipped().count(Pending_)) Skip(Pending_);
    Pending_.clear();
  }

  TDxfRawBlock* Current_ = &Raw.Model;
  bool InPaperBlock_ = false;
  bool PolyOpen_ = false;
  std::string Chunks_;
  std::string CodePage_;
  bool Utf8_ = false;
  std::string Section_;
  bool ExpectSectionName_ = false;
  bool ExpectBlockName_ = false;
  bool PaperBlockRaw_ = false;
  std::string Pending_;
  bool PendingPaper_ = false;
};

// Why the file cannot be opened as a DXF at all, or "".
std::string OpenProblem(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (f) std::fclose(f);
    return f ? "файл не читается" : "файл не найден или недоступен";
  }
  char head[22] = {};
  in.read(head, sizeof head);
  if (std::string(head, static_cast<std::size_t>(in.gcount())).rfind("AutoCAD Binary DXF", 0) == 0)
    return "двоичный DXF не поддерживается: сохраните чертёж как DXF в текстовом виде";
  if (in.gcount() == 0) return "файл пуст";
  return {};
}

// A coordinate no survey plan has: a damaged number (dxflib reads an
// overflow as the largest double, garbage as 0).
bool Wild(double v) { return !(std::fabs(v) < 1e9); }

// Drops the shapes with wild coordinates.
void DropWild(TBaseDrawing& d) {
  std::vector<TBaseShape> kept;
  kept.reserve(d.Shapes.size());
  for (TBaseShape& s : d.Shapes) {
    bool wild = Wild(s.At.x) || Wild(s.At.y) || Wild(s.Radius) || Wild(s.Height) || !std::isfinite(s.Start) ||
                !std::isfinite(s.End);
    for (int i = 0; i < s.Count && !wild; ++i) {
      const TRealPoint& p = d.Points[static_cast<std::size_t>(s.First + i)];
      wild = Wild(p.x) || Wild(p.y);
    }
    if (!wild) kept.push_back(std::move(s));
  }
  d.Shapes = std::move(kept);
}

}  // namespace

bool ReadDxfBase(const std::string& path, TBaseDrawing& drawing, std::string& reason) {
  if (std::string why = OpenProblem(path); !why.empty()) {
    reason = why;
    return false;
  }
  TCollector collector;
  try {
    DL_Dxf dxf;
    if (!dxf.in(path, &collector)) {
      reason = "файл не читается";
      return false;
    }
  } catch (const std::exception& e) {
    reason = std::string("ошибка в данных DXF: ") + e.what();
    return false;
  } catch (...) {
    reason = "ошибка в данных DXF";
    return false;
  }
  collector.Finish();
  if (!collector.FirstGroupOk) {
    reason = "это не чертёж DXF";
    return false;
  }
  if (!collector.SawEof) {
    reason = "файл оборван: нет конца чертежа (EOF)";
    return false;
  }
  TBaseDrawing out;
  FlattenDxf(collector.Raw, out);
  DropWild(out);
  out.Skipped = std::move(collector.Skipped);
  if (out.Empty()) {
    reason = "в чертеже нет линий, дуг и текстов";
    if (!out.Skipped.empty()) reason += " (" + out.SkippedMessage() + ")";
    return false;
  }
  out.ComputeBounds();
  drawing = std::move(out);
  return true;
}

bool IsDxfPath(const std::string& path) {
  return path.size() >= 4 && Upper(path.substr(path.size() - 4)) == ".DXF";
}

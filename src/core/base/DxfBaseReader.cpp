#include "DxfBaseReader.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <set>
#include <string_view>

#include "DxfFlatten.h"
#include "DxfRaw.h"

// The groups are read here rather than with dxflib: dxflib converts every
// number through a string stream and keeps every group in a table of
// strings, which costs seven times a plain pass over the file, where a
// plan of fifty thousand entities has to load in three.

namespace {

constexpr double kDegree = 3.14159265358979323846 / 180;

std::string Upper(std::string_view v) {
  std::string s(v);
  for (char& c : s) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return s;
}

std::string_view Trim(std::string_view v) {
  while (!v.empty() && (v.front() == ' ' || v.front() == '\t')) v.remove_prefix(1);
  while (!v.empty() && (v.back() == ' ' || v.back() == '\t' || v.back() == '\r')) v.remove_suffix(1);
  return v;
}

// A number as CAD programs write it, whatever the program's locale; NaN
// when it is none or out of range, so the shape is dropped as damaged.
double Real(std::string_view v) {
  v = Trim(v);
  if (!v.empty() && v.front() == '+') v.remove_prefix(1);
  double d = 0;
  const auto r = std::from_chars(v.data(), v.data() + v.size(), d);
  return r.ec == std::errc() ? d : std::nan("");
}

int Int(std::string_view v) {
  v = Trim(v);
  if (!v.empty() && v.front() == '+') v.remove_prefix(1);
  long n = 0;
  const auto r = std::from_chars(v.data(), v.data() + v.size(), n);
  return r.ec == std::errc() ? static_cast<int>(std::clamp(n, -2147483647L, 2147483647L)) : 0;
}

struct TGroup {
  int Code = 0;
  std::string_view Value;
};

// The file as pairs of lines: a group code, then its value.
class TGroupReader {
 public:
  explicit TGroupReader(const std::string& text) : Text_(text) {}
  // False at the end of the file or at a code line that is no number
  // (Bad() then says so).
  bool Next(TGroup& g) {
    std::string_view code, value;
    if (!Line(code)) return false;
    const std::string_view c = Trim(code);
    int n = 0;
    const auto r = std::from_chars(c.data(), c.data() + c.size(), n);
    if (r.ec != std::errc() || r.ptr != c.data() + c.size()) {
      if (!c.empty() || Pos_ < Text_.size()) Bad_ = true;
      return false;
    }
    if (!Line(value)) return false;
    g.Code = n;
    if (!value.empty() && value.back() == '\r') value.remove_suffix(1);
    g.Value = value;
    return true;
  }
  bool Bad() const { return Bad_; }
  int LineNo() const { return LineNo_; }

 private:
  bool Line(std::string_view& line) {
    if (Pos_ >= Text_.size()) return false;
    std::size_t end = Text_.find('\n', Pos_);
    if (end == std::string::npos) end = Text_.size();
    line = std::string_view(Text_).substr(Pos_, end - Pos_);
    Pos_ = end + 1;
    ++LineNo_;
    return true;
  }

  const std::string& Text_;
  std::size_t Pos_ = 0;
  int LineNo_ = 0;
  bool Bad_ = false;
};

// Entity types that are no drawing: the structure of blocks and polylines,
// paper-space viewports, attribute definitions a CAD program does not show.
bool Structural(const std::string& type) {
  static const std::set<std::string> types{"VERTEX", "SEQEND", "ATTDEF", "BLOCK", "ENDBLK", "VIEWPORT"};
  return types.count(type) != 0;
}

// The entities of one file, group by group: each entity is taken when the
// next one starts (group 0).
class TParser {
 public:
  TParser() : Flat_(Blocks_, Out_) {}

  TBaseDrawing Out_;
  bool SawEof = false;

  void Entity(const std::string& type, const std::vector<TGroup>& g) {
    if (type == "SECTION") {
      for (const TGroup& x : g)
        if (x.Code == 2) {
          Section_ = Upper(Trim(x.Value));
          break;
        }
      if (Section_ == "HEADER") Header(g);
      return;
    }
    if (type == "ENDSEC") {
      ClosePoly();
      Section_.clear();
      return;
    }
    if (type == "EOF") {
      SawEof = true;
      return;
    }
    if (Section_ != "ENTITIES" && Section_ != "BLOCKS") return;
    if (type == "BLOCK") return BeginBlock(g);
    if (type == "ENDBLK") {
      ClosePoly();
      Block_ = nullptr;
      InBlock_ = PaperBlock_ = false;
      return;
    }
    if (type == "VERTEX") return Vertex(g);
    if (type != "SEQEND" && type != "ATTRIB") ClosePoly();
    if (type == "SEQEND") return ClosePoly();
    bool paper = PaperBlock_;
    TDxfRawEntity e;
    for (const TGroup& x : g) {
      if (x.Code == 67) paper = paper || Int(x.Value) == 1;
      if (x.Code == 230) e.MirrorX = Real(x.Value) < 0;
    }
    if (paper) return;
    if (type == "LINE") {
      Line(g, e);
    } else if (type == "LWPOLYLINE") {
      LwPolyline(g, e);
    } else if (type == "POLYLINE") {
      return Polyline(g, e);
    } else if (type == "CIRCLE" || type == "ARC") {
      Circle(g, e, type == "ARC");
    } else if (type == "TEXT" || type == "ATTRIB") {
      if (!Text(g, e, type == "ATTRIB")) return;
    } else if (type == "MTEXT") {
      MText(g, e);
    } else if (type == "INSERT") {
      Insert(g, e);
    } else {
      if (!Structural(type)) ++Out_.Skipped[type];
      return;
    }
    Add(std::move(e));
  }

  void Finish() {
    ClosePoly();
    // Insertions of the model space wait for every block to be read.
    for (const TDxfRawEntity& e : Inserts_) Flat_.Entity(e);
  }

 private:
  void Header(const std::vector<TGroup>& g) {
    std::string var;
    for (const TGroup& x : g) {
      if (x.Code == 9) var = Upper(Trim(x.Value));
      if (var == "$DWGCODEPAGE" && x.Code == 3) CodePage_ = Upper(Trim(x.Value));
      if (var == "$ACADVER" && x.Code == 1) Utf8_ = Upper(Trim(x.Value)) >= "AC1021";
    }
  }

  void BeginBlock(const std::vector<TGroup>& g) {
    ClosePoly();
    std::string name;
    double x = 0, y = 0;
    for (const TGroup& v : g) {
      if (v.Code == 2) name = Upper(Trim(v.Value));
      if (v.Code == 10) x = Real(v.Value);
      if (v.Code == 20) y = Real(v.Value);
    }
    InBlock_ = true;
    PaperBlock_ = name.rfind("*PAPER_SPACE", 0) == 0;
    Block_ = &Blocks_[name];
    *Block_ = TDxfRawBlock{};
    Block_->BaseX = std::isfinite(x) ? x : 0;
    Block_->BaseY = std::isfinite(y) ? y : 0;
  }

  void Add(TDxfRawEntity&& e) {
    if (InBlock_) {
      if (Block_) Block_->Entities.push_back(std::move(e));
    } else if (e.Kind == TDxfRawKind::Insert) {
      Inserts_.push_back(std::move(e));
    } else {
      Flat_.Entity(e);
    }
  }

  void Line(const std::vector<TGroup>& g, TDxfRawEntity& e) {
    e.Kind = TDxfRawKind::Poly;
    e.MirrorX = false;  // a LINE's points are world points
    e.Vertices.resize(2);
    for (const TGroup& x : g) switch (x.Code) {
        case 10: e.Vertices[0].X = Real(x.Value); break;
        case 20: e.Vertices[0].Y = Real(x.Value); break;
        case 11: e.Vertices[1].X = Real(x.Value); break;
        case 21: e.Vertices[1].Y = Real(x.Value); break;
        default: break;
      }
  }

  void LwPolyline(const std::vector<TGroup>& g, TDxfRawEntity& e) {
    e.Kind = TDxfRawKind::Poly;
    for (const TGroup& x : g) switch (x.Code) {
        case 70: e.Closed = (Int(x.Value) & 1) != 0; break;
        case 10: e.Vertices.push_back(TDxfVertex{Real(x.Value), 0, 0}); break;
        case 20: if (!e.Vertices.empty()) e.Vertices.back().Y = Real(x.Value); break;
        case 42: if (!e.Vertices.empty()) e.Vertices.back().Bulge = Bulge(x.Value); break;
        default: break;
      }
  }

  static double Bulge(std::string_view v) {
    const double b = Real(v);
    return std::isfinite(b) ? b : 0;
  }

  void Polyline(const std::vector<TGroup>& g, TDxfRawEntity& e) {
    int flags = 0;
    for (const TGroup& x : g)
      if (x.Code == 70) flags = Int(x.Value);
    // Polyface and polygon meshes are surfaces, not lines.
    if (flags & (16 | 64)) {
      ++Out_.Skipped["POLYLINE"];
      return;
    }
    e.Kind = TDxfRawKind::Poly;
    e.Closed = (flags & 1) != 0;
    Poly_ = std::move(e);
    PolyOpen_ = true;
  }

  void Vertex(const std::vector<TGroup>& g) {
    if (!PolyOpen_) return;
    TDxfVertex v;
    for (const TGroup& x : g) switch (x.Code) {
        case 10: v.X = Real(x.Value); break;
        case 20: v.Y = Real(x.Value); break;
        case 42: v.Bulge = Bulge(x.Value); break;
        default: break;
      }
    Poly_.Vertices.push_back(v);
  }

  void ClosePoly() {
    if (!PolyOpen_) return;
    PolyOpen_ = false;
    Add(std::move(Poly_));
    Poly_ = TDxfRawEntity{};
  }

  void Circle(const std::vector<TGroup>& g, TDxfRawEntity& e, bool arc) {
    e.Kind = arc ? TDxfRawKind::Arc : TDxfRawKind::Circle;
    for (const TGroup& x : g) switch (x.Code) {
        case 10: e.X = Real(x.Value); break;
        case 20: e.Y = Real(x.Value); break;
        case 40: e.Radius = Real(x.Value); break;
        case 50: e.Start = Real(x.Value); break;
        case 51: e.End = Real(x.Value); break;
        default: break;
      }
  }

  // False for an attribute that is not shown.
  bool Text(const std::vector<TGroup>& g, TDxfRawEntity& e, bool attribute) {
    e.Kind = TDxfRawKind::Text;
    std::string_view text;
    for (const TGroup& x : g) switch (x.Code) {
        case 10: e.X = Real(x.Value); break;
        case 20: e.Y = Real(x.Value); break;
        case 40: e.Height = Real(x.Value); break;
        case 50: e.Angle = Real(x.Value) * kDegree; break;
        case 1: text = x.Value; break;
        case 70: if (attribute && (Int(x.Value) & 1)) return false; break;
        default: break;
      }
    e.Lines = {DecodeDxfText(std::string(text), CodePage_, Utf8_)};
    return true;
  }

  void MText(const std::vector<TGroup>& g, TDxfRawEntity& e) {
    e.Kind = TDxfRawKind::Text;
    e.TopLeft = true;
    std::string raw, last;
    double factor = 1, dx = 0, dy = 0;
    bool direction = false;
    for (const TGroup& x : g) switch (x.Code) {
        case 10: e.X = Real(x.Value); break;
        case 20: e.Y = Real(x.Value); break;
        case 40: e.Height = Real(x.Value); break;
        case 50: e.Angle = Real(x.Value) * kDegree; break;
        case 11: dx = Real(x.Value), direction = true; break;
        case 21: dy = Real(x.Value), direction = true; break;
        case 44: factor = Real(x.Value); break;
        case 3: raw.append(x.Value); break;
        case 1: last = std::string(x.Value); break;
        default: break;
      }
    // The MTEXT's own points are world points, whatever its extrusion.
    e.MirrorX = false;
    if (direction && (dx != 0 || dy != 0)) e.Angle = std::atan2(dy, dx);
    // AutoCAD's line pitch: five thirds of the height, times the factor.
    e.LinePitch = e.Height * 5.0 / 3.0 * (factor > 0 ? factor : 1.0);
    e.Lines = MTextLines(DecodeDxfText(raw + last, CodePage_, Utf8_));
  }

  void Insert(const std::vector<TGroup>& g, TDxfRawEntity& e) {
    e.Kind = TDxfRawKind::Insert;
    for (const TGroup& x : g) switch (x.Code) {
        case 2: e.Block = Upper(Trim(x.Value)); break;
        case 10: e.X = Real(x.Value); break;
        case 20: e.Y = Real(x.Value); break;
        case 41: e.ScaleX = Real(x.Value); break;
        case 42: e.ScaleY = Real(x.Value); break;
        case 50: e.Rotation = Real(x.Value); break;
        // A cell count beyond a few thousand is a damaged file, not a plan.
        case 70: e.Columns = std::clamp(Int(x.Value), 1, 4096); break;
        case 71: e.Rows = std::clamp(Int(x.Value), 1, 4096); break;
        case 44: e.ColumnSpacing = Real(x.Value); break;
        case 45: e.RowSpacing = Real(x.Value); break;
        default: break;
      }
  }

  std::map<std::string, TDxfRawBlock> Blocks_;
  TDxfFlattener Flat_;
  std::vector<TDxfRawEntity> Inserts_;
  std::string Section_;
  std::string CodePage_;
  bool Utf8_ = false;
  bool InBlock_ = false;
  bool PaperBlock_ = false;
  TDxfRawBlock* Block_ = nullptr;
  bool PolyOpen_ = false;
  TDxfRawEntity Poly_;
};

// Why the file cannot be opened as a DXF at all, or ""; `text` is its content.
std::string OpenProblem(const std::string& path, std::string& text) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return "файл не найден или недоступен";
  text.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  if (in.bad()) return "файл не читается";
  if (text.empty()) return "файл пуст";
  if (text.rfind("AutoCAD Binary DXF", 0) == 0)
    return "двоичный DXF не поддерживается: сохраните чертёж как DXF в текстовом виде";
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
  std::string text;
  if (std::string why = OpenProblem(path, text); !why.empty()) {
    reason = why;
    return false;
  }
  TGroupReader reader(text);
  TParser parser;
  std::vector<TGroup> groups;
  std::string type;
  bool first = true;
  TGroup g;
  while (reader.Next(g)) {
    if (first && !(g.Code == 0 || g.Code == 999)) break;
    first = false;
    if (g.Code != 0) {
      if (!type.empty()) groups.push_back(g);
      continue;
    }
    if (!type.empty()) parser.Entity(type, groups);
    groups.clear();
    type = std::string(Trim(g.Value));
    if (type == "EOF") {
      parser.Entity(type, groups);
      break;
    }
  }
  if (first || (reader.Bad() && reader.LineNo() <= 2)) {
    reason = "это не чертёж DXF";
    return false;
  }
  if (reader.Bad()) {
    reason = "повреждена строка " + std::to_string(reader.LineNo()) + ": на месте кода группы не число";
    return false;
  }
  if (!parser.SawEof) {
    reason = "файл оборван: нет конца чертежа (EOF)";
    return false;
  }
  parser.Finish();
  TBaseDrawing out = std::move(parser.Out_);
  DropWild(out);
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

#include <map>
#include <string>
#include <tuple>

#include "Docx.h"
#include "TableGrid.h"
#include "XmlText.h"
#include "ZipPack.h"
#include "platform/Codec1251.h"

namespace {

constexpr const char* kXmlDecl = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
constexpr const char* kNamespaces =
    " xmlns:office=\"urn:oasis:names:tc:opendocument:xmlns:office:1.0\""
    " xmlns:style=\"urn:oasis:names:tc:opendocument:xmlns:style:1.0\""
    " xmlns:text=\"urn:oasis:names:tc:opendocument:xmlns:text:1.0\""
    " xmlns:table=\"urn:oasis:names:tc:opendocument:xmlns:table:1.0\""
    " xmlns:fo=\"urn:oasis:names:tc:opendocument:xmlns:xsl-fo-compatible:1.0\""
    " xmlns:svg=\"urn:oasis:names:tc:opendocument:xmlns:svg-compatible:1.0\""
    " office:version=\"1.2\"";

const char* AlignValue(TAlign a) {
  switch (a) {
    case TAlign::Center: return "center";
    case TAlign::Right: return "end";
    case TAlign::Justify: return "justify";
    case TAlign::Left: break;
  }
  return "start";
}

std::string TextProps(const TRunFormat& f) {
  const std::string size = std::to_string(f.Size) + "pt";
  const char* weight = f.Bold ? "bold" : "normal";
  return std::string("<style:text-properties fo:font-size=\"") + size + "\" style:font-size-complex=\"" + size +
         "\" fo:font-weight=\"" + weight + "\" style:font-weight-complex=\"" + weight + "\"/>";
}

// One story (the body in content.xml, the page header in styles.xml) and
// the automatic styles it uses, named with the story's own prefix: the two
// files' automatic styles must not share names.
class TOdtStory {
 public:
  explicit TOdtStory(std::string prefix) : Prefix_(std::move(prefix)) {}

  void Story(const TStory& story) {
    for (const TBlock& b : story.Blocks) {
      if (b.IsTable) Table(b.Table);
      else Para(b.Para);
    }
  }

  const std::string& Text() const { return Text_; }
  const std::string& Styles() const { return Styles_; }

 private:
  std::string Name(const char* kind, std::size_t n) const { return Prefix_ + kind + std::to_string(n); }

  std::string ParaStyle(const TParagraph& p) {
    const auto key = std::make_tuple(static_cast<int>(p.Align), p.KeepNext, p.Mark.Bold, p.Mark.Size);
    const auto it = ParaStyles_.find(key);
    if (it != ParaStyles_.end()) return it->second;
    const std::string name = Name("P", ParaStyles_.size() + 1);
    Styles_ += "<style:style style:name=\"" + name +
               "\" style:family=\"paragraph\"><style:paragraph-properties fo:text-align=\"" + AlignValue(p.Align) +
               "\"" + (p.KeepNext ? " fo:keep-with-next=\"always\"" : "") + "/>" + TextProps(p.Mark) +
               "</style:style>";
    return ParaStyles_[key] = name;
  }

  std::string RunStyle(const TRunFormat& f) {
    const auto key = std::make_pair(f.Bold, f.Size);
    const auto it = RunStyles_.find(key);
    if (it != RunStyles_.end()) return it->second;
    const std::string name = Name("T", RunStyles_.size() + 1);
    Styles_ += "<style:style style:name=\"" + name + "\" style:family=\"text\">" + TextProps(f) + "</style:style>";
    return RunStyles_[key] = name;
  }

  std::string ColumnStyle(int width) {
    const auto it = ColumnStyles_.find(width);
    if (it != ColumnStyles_.end()) return it->second;
    const std::string name = Name("C", ColumnStyles_.size() + 1);
    Styles_ += "<style:style style:name=\"" + name +
               "\" style:family=\"table-column\"><style:table-column-properties style:column-width=\"" +
               TwipsAsPoints(width) + "\"/></style:style>";
    return ColumnStyles_[width] = name;
  }

  // The row and cell styles every table shares: a row is never split
  // between pages; a cell has a thin border (shared with its neighbour: the
  // tables collapse borders) and the RTF tables' text width. Word measures
  // the 108 twips of a cell's margin from the middle of the border line,
  // OpenDocument its padding from the inside of the cell's half of the line:
  // a quarter point (5 twips) less, or a word that fits the RTF's cell wraps.
  void RowAndCellStyles() {
    if (HaveRowStyles_) return;
    HaveRowStyles_ = true;
    Styles_ += "<style:style style:name=\"" + Prefix_ +
               "Row\" style:family=\"table-row\"><style:table-row-properties fo:keep-together=\"always\"/>"
               "</style:style><style:style style:name=\"" + Prefix_ +
               "Cell\" style:family=\"table-cell\"><style:table-cell-properties fo:border=\"0.5pt solid #000000\" "
               "fo:padding-left=\"" + TwipsAsPoints(108 - 5) + "\" fo:padding-right=\"" + TwipsAsPoints(108 - 5) +
               "\" fo:padding-top=\"0pt\" fo:padding-bottom=\"0pt\"/></style:style>";
  }

  void Para(const TParagraph& p) {
    Text_ += "<text:p text:style-name=\"" + ParaStyle(p) + "\">";
    // Spaces collapse in OpenDocument text: every space after another one,
    // after a tab or at the start of the paragraph is written as text:s.
    bool afterSpace = true;
    for (const TRun& r : p.Runs) {
      if (!r.Bookmark.empty()) {
        Text_ += "<text:bookmark text:name=\"";
        AppendXmlText(Text_, r.Bookmark);
        Text_ += "\"/>";
        continue;
      }
      if (r.Text.empty()) continue;
      Text_ += "<text:span text:style-name=\"" + RunStyle(r.Format) + "\">";
      for (const char32_t cp : Utf8ToCodePoints(r.Text)) {
        if (cp == '\t') {
          Text_ += "<text:tab/>";
          afterSpace = true;
        } else if (cp == ' ') {
          Text_ += afterSpace ? "<text:s/>" : " ";
          afterSpace = true;
        } else if (IsTextChar(cp)) {
          AppendXmlChar(Text_, cp);
          afterSpace = false;
        }
      }
      Text_ += "</text:span>";
    }
    Text_ += "</text:p>";
  }

  void Row(const std::vector<TGridCell>& cells) {
    Text_ += "<table:table-row table:style-name=\"" + Prefix_ + "Row\">";
    for (const TGridCell& c : cells) {
      Text_ += "<table:table-cell table:style-name=\"" + Prefix_ + "Cell\" office:value-type=\"string\"";
      if (c.Span > 1) Text_ += " table:number-columns-spanned=\"" + std::to_string(c.Span) + "\"";
      Text_ += ">";
      for (const TParagraph& p : c.Cell->Paras) Para(p);
      if (c.Cell->Paras.empty()) Para(TParagraph{});
      Text_ += "</table:table-cell>";
      for (int k = 1; k < c.Span; ++k) Text_ += "<table:covered-table-cell/>";
    }
    Text_ += "</table:table-row>";
  }

  void Table(const TTable& t) {
    const TTableGrid grid = GridOf(t);
    if (grid.Rows.empty()) return;
    RowAndCellStyles();
    const std::string name = Name("Table", ++Tables_);
    // As in the word processors, the text of the first column lines up with
    // the page's margin and the table's border stands out left of it by the
    // cell's padding.
    Styles_ += "<style:style style:name=\"" + name +
               "\" style:family=\"table\"><style:table-properties style:width=\"" + TwipsAsPoints(grid.Width()) +
               "\" fo:margin-left=\"-" + TwipsAsPoints(108) +
               "\" table:align=\"left\" table:border-model=\"collapsing\"/></style:style>";
    Text_ += "<table:table table:name=\"" + name + "\" table:style-name=\"" + name + "\">";
    for (const int w : grid.Columns) Text_ += "<table:table-column table:style-name=\"" + ColumnStyle(w) + "\"/>";
    for (std::size_t r = 0; r < grid.Rows.size(); ++r) {
      if (r == 0 && grid.HeaderRows > 0) Text_ += "<table:table-header-rows>";
      Row(grid.Rows[r]);
      if (r + 1 == grid.HeaderRows) Text_ += "</table:table-header-rows>";
    }
    Text_ += "</table:table>";
  }

  std::string Prefix_;
  std::string Text_;
  std::string Styles_;
  std::map<std::tuple<int, bool, bool, int>, std::string> ParaStyles_;
  std::map<std::pair<bool, int>, std::string> RunStyles_;
  std::map<int, std::string> ColumnStyles_;
  bool HaveRowStyles_ = false;
  std::size_t Tables_ = 0;
};


std::string StylesXml(const TDocument& doc) {
  const TPageSetup& pg = doc.Page;
  const bool header = !doc.Header.Blocks.empty();
  TOdtStory story("Header");
  story.Story(doc.Header);
  // The page's top margin runs to the header, which fills the rest of the
  // word processor's top margin and grows when its lines need more: the
  // body starts where the RTF's does.
  std::string out = std::string(kXmlDecl) + "<office:document-styles" + kNamespaces +
                    "><office:font-face-decls><style:font-face style:name=\"Times New Roman\" "
                    "svg:font-family=\"&apos;Times New Roman&apos;\" style:font-family-generic=\"roman\" "
                    "style:font-pitch=\"variable\"/></office:font-face-decls><office:styles>"
                    "<style:default-style style:family=\"paragraph\"><style:paragraph-properties "
                    "fo:margin-top=\"0pt\" fo:margin-bottom=\"0pt\"/><style:text-properties "
                    "style:font-name=\"Times New Roman\" fo:font-size=\"12pt\" fo:language=\"ru\" fo:country=\"RU\"/>"
                    "</style:default-style><style:style style:name=\"Standard\" style:family=\"paragraph\"/>"
                    "</office:styles><office:automatic-styles><style:page-layout style:name=\"Page\">"
                    "<style:page-layout-properties fo:page-width=\"" + TwipsAsPoints(pg.Width) +
                    "\" fo:page-height=\"" + TwipsAsPoints(pg.Height) + "\" style:print-orientation=\"" +
                    (pg.Landscape ? "landscape" : "portrait") + "\" fo:margin-top=\"" +
                    TwipsAsPoints(header ? pg.HeaderDistance : pg.Top) + "\" fo:margin-bottom=\"" +
                    TwipsAsPoints(pg.Bottom) + "\" fo:margin-left=\"" + TwipsAsPoints(pg.Left) +
                    "\" fo:margin-right=\"" + TwipsAsPoints(pg.Right) + "\"/>";
  if (header)
    out += "<style:header-style><style:header-footer-properties fo:min-height=\"" +
           TwipsAsPoints(pg.Top - pg.HeaderDistance) + "\" fo:margin-bottom=\"0pt\"/></style:header-style>";
  out += "</style:page-layout>" + story.Styles() +
         "</office:automatic-styles><office:master-styles><style:master-page style:name=\"Standard\" "
         "style:page-layout-name=\"Page\">";
  if (header) out += "<style:header>" + story.Text() + "</style:header>";
  return out + "</style:master-page></office:master-styles></office:document-styles>";
}

std::string ContentXml(const TDocument& doc) {
  TOdtStory story("");
  story.Story(doc.Body);
  return std::string(kXmlDecl) + "<office:document-content" + kNamespaces + "><office:automatic-styles>" +
         story.Styles() + "</office:automatic-styles><office:body><office:text>" + story.Text() +
         "</office:text></office:body></office:document-content>";
}

constexpr const char* kMimeType = "application/vnd.oasis.opendocument.text";

std::string Manifest() {
  return std::string(kXmlDecl) +
         "<manifest:manifest xmlns:manifest=\"urn:oasis:names:tc:opendocument:xmlns:manifest:1.0\" "
         "manifest:version=\"1.2\"><manifest:file-entry manifest:full-path=\"/\" manifest:version=\"1.2\" "
         "manifest:media-type=\"" + kMimeType + "\"/><manifest:file-entry manifest:full-path=\"content.xml\" "
         "manifest:media-type=\"text/xml\"/><manifest:file-entry manifest:full-path=\"styles.xml\" "
         "manifest:media-type=\"text/xml\"/></manifest:manifest>";
}

}  // namespace

std::string WriteOdt(const TDocument& doc, const std::string& path) {
  return PackZip({{"mimetype", kMimeType, true},
                  {"content.xml", ContentXml(doc)},
                  {"styles.xml", StylesXml(doc)},
                  {"META-INF/manifest.xml", Manifest()}},
                 path);
}

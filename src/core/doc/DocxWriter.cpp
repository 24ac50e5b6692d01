#include <string>

#include "Docx.h"
#include "TableGrid.h"
#include "XmlText.h"
#include "ZipPack.h"
#include "platform/Codec1251.h"

namespace {

constexpr const char* kXmlDecl = "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n";
constexpr const char* kNamespaces =
    " xmlns:w=\"http://schemas.openxmlformats.org/wordprocessingml/2006/main\""
    " xmlns:r=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships\"";

std::string Num(int v) { return std::to_string(v); }

const char* AlignValue(TAlign a) {
  switch (a) {
    case TAlign::Center: return "center";
    case TAlign::Right: return "right";
    case TAlign::Justify: return "both";
    case TAlign::Left: break;
  }
  return "left";
}

// Nothing for the document's default (12 pt, not bold, as styles.xml says):
// most cells of a passport are, and the part stays small.
void RunProps(std::string& out, const TRunFormat& f) {
  if (f == TRunFormat{}) return;
  out += "<w:rPr>";
  if (f.Bold) out += "<w:b/>";
  if (f.Size != TRunFormat{}.Size) out += "<w:sz w:val=\"" + Num(f.Size * 2) + "\"/>";
  out += "</w:rPr>";
}

class TDocxStory {
 public:
  explicit TDocxStory(int& bookmarkId) : BookmarkId_(bookmarkId) {}

  void Story(std::string& out, const TStory& story) {
    // Word joins two tables with nothing between them into one, and a story
    // (like a cell) must end with a paragraph.
    bool afterTable = false;
    bool empty = true;
    for (const TBlock& b : story.Blocks) {
      if (!b.IsTable) {
        Para(out, b.Para);
        afterTable = false;
        empty = false;
        continue;
      }
      std::string table;
      if (!Table(table, b.Table)) continue;
      if (afterTable) out += "<w:p/>";
      out += table;
      afterTable = true;
      empty = false;
    }
    if (afterTable || empty) out += "<w:p/>";
  }

 private:
  void Para(std::string& out, const TParagraph& p) {
    out += "<w:p><w:pPr>";
    if (p.KeepNext) out += "<w:keepNext/>";
    if (p.Align != TAlign::Left) {
      out += "<w:jc w:val=\"";
      out += AlignValue(p.Align);
      out += "\"/>";
    }
    RunProps(out, p.Mark);
    out += "</w:pPr>";
    for (const TRun& r : p.Runs) {
      if (!r.Bookmark.empty()) {
        const std::string id = Num(BookmarkId_++);
        out += "<w:bookmarkStart w:id=\"" + id + "\" w:name=\"";
        AppendXmlText(out, r.Bookmark);
        out += "\"/><w:bookmarkEnd w:id=\"" + id + "\"/>";
        continue;
      }
      if (r.Text.empty()) continue;
      out += "<w:r>";
      RunProps(out, r.Format);
      Text(out, r.Text);
      out += "</w:r>";
    }
    out += "</w:p>";
  }

  // Text in w:t elements, a tab as w:tab between them.
  static void Text(std::string& out, const std::string& text) {
    bool open = false;
    for (const char32_t cp : Utf8ToCodePoints(text)) {
      if (cp == '\t') {
        if (open) out += "</w:t>";
        open = false;
        out += "<w:tab/>";
        continue;
      }
      if (!IsTextChar(cp)) continue;
      if (!open) out += "<w:t xml:space=\"preserve\">";
      open = true;
      AppendXmlChar(out, cp);
    }
    if (open) out += "</w:t>";
  }

  // False when the table has no cells to write.
  bool Table(std::string& out, const TTable& t) {
    const TTableGrid grid = GridOf(t);
    if (grid.Rows.empty()) return false;
    out += "<w:tbl><w:tblPr><w:tblW w:w=\"" + Num(grid.Width()) +
           "\" w:type=\"dxa\"/><w:tblBorders>";
    for (const char* side : {"top", "left", "bottom", "right", "insideH", "insideV"})
      out += std::string("<w:") + side + " w:val=\"single\" w:sz=\"4\" w:space=\"0\" w:color=\"000000\"/>";
    out += "</w:tblBorders><w:tblLayout w:type=\"fixed\"/><w:tblCellMar><w:left w:w=\"108\" w:type=\"dxa\"/>"
           "<w:right w:w=\"108\" w:type=\"dxa\"/></w:tblCellMar><w:tblLook w:val=\"0000\"/></w:tblPr><w:tblGrid>";
    for (const int w : grid.Columns) out += "<w:gridCol w:w=\"" + Num(w) + "\"/>";
    out += "</w:tblGrid>";
    for (std::size_t r = 0; r < grid.Rows.size(); ++r) {
      const std::vector<TGridCell>& cells = grid.Rows[r];
      int used = 0;
      for (const TGridCell& c : cells) used += c.Span;
      out += "<w:tr><w:trPr>";
      const int after = static_cast<int>(grid.Columns.size()) - used;
      if (after > 0) out += "<w:gridAfter w:val=\"" + Num(after) + "\"/>";
      out += "<w:cantSplit/>";
      if (r < grid.HeaderRows) out += "<w:tblHeader/>";
      out += "</w:trPr>";
      for (const TGridCell& c : cells) {
        out += "<w:tc><w:tcPr><w:tcW w:w=\"" + Num(c.Width) + "\" w:type=\"dxa\"/>";
        if (c.Span > 1) out += "<w:gridSpan w:val=\"" + Num(c.Span) + "\"/>";
        out += "</w:tcPr>";
        for (const TParagraph& p : c.Cell->Paras) Para(out, p);
        if (c.Cell->Paras.empty()) out += "<w:p/>";
        out += "</w:tc>";
      }
      out += "</w:tr>";
    }
    out += "</w:tbl>";
    return true;
  }

  int& BookmarkId_;
};

std::string Styles() {
  return std::string(kXmlDecl) + "<w:styles" + kNamespaces +
         "><w:docDefaults><w:rPrDefault><w:rPr>"
         "<w:rFonts w:ascii=\"Times New Roman\" w:hAnsi=\"Times New Roman\" w:eastAsia=\"Times New Roman\" "
         "w:cs=\"Times New Roman\"/><w:sz w:val=\"24\"/>"
         "<w:lang w:val=\"ru-RU\" w:eastAsia=\"ru-RU\" w:bidi=\"ar-SA\"/></w:rPr></w:rPrDefault>"
         "<w:pPrDefault><w:pPr><w:spacing w:after=\"0\" w:line=\"240\" w:lineRule=\"auto\"/></w:pPr></w:pPrDefault>"
         "</w:docDefaults>"
         "<w:style w:type=\"paragraph\" w:default=\"1\" w:styleId=\"Normal\"><w:name w:val=\"Normal\"/></w:style>"
         "<w:style w:type=\"table\" w:default=\"1\" w:styleId=\"TableNormal\"><w:name w:val=\"Normal Table\"/>"
         "<w:tblPr><w:tblInd w:w=\"0\" w:type=\"dxa\"/><w:tblCellMar><w:top w:w=\"0\" w:type=\"dxa\"/>"
         "<w:left w:w=\"108\" w:type=\"dxa\"/><w:bottom w:w=\"0\" w:type=\"dxa\"/>"
         "<w:right w:w=\"108\" w:type=\"dxa\"/></w:tblCellMar></w:tblPr></w:style></w:styles>";
}

std::string ContentTypes(bool header) {
  std::string out = std::string(kXmlDecl) +
                    "<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\">"
                    "<Default Extension=\"rels\" ContentType=\"application/vnd.openxmlformats-package.relationships+xml\"/>"
                    "<Default Extension=\"xml\" ContentType=\"application/xml\"/>"
                    "<Override PartName=\"/word/document.xml\" "
                    "ContentType=\"application/vnd.openxmlformats-officedocument.wordprocessingml.document.main+xml\"/>"
                    "<Override PartName=\"/word/styles.xml\" "
                    "ContentType=\"application/vnd.openxmlformats-officedocument.wordprocessingml.styles+xml\"/>";
  if (header)
    out += "<Override PartName=\"/word/header1.xml\" "
           "ContentType=\"application/vnd.openxmlformats-officedocument.wordprocessingml.header+xml\"/>";
  return out + "</Types>";
}

constexpr const char* kRelationships = "http://schemas.openxmlformats.org/officeDocument/2006/relationships/";

std::string PackageRels() {
  return std::string(kXmlDecl) +
         "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
         "<Relationship Id=\"rId1\" Type=\"" + kRelationships + "officeDocument\" Target=\"word/document.xml\"/>"
         "</Relationships>";
}

std::string DocumentRels(bool header) {
  std::string out = std::string(kXmlDecl) +
                    "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
                    "<Relationship Id=\"rId1\" Type=\"" + kRelationships + "styles\" Target=\"styles.xml\"/>";
  if (header) out += "<Relationship Id=\"rId2\" Type=\"" + std::string(kRelationships) + "header\" Target=\"header1.xml\"/>";
  return out + "</Relationships>";
}

}  // namespace

std::string WriteDocx(const TDocument& doc, const std::string& path) {
  const bool header = !doc.Header.Blocks.empty();
  int bookmarkId = 0;
  std::string body = std::string(kXmlDecl) + "<w:document" + kNamespaces + "><w:body>";
  TDocxStory(bookmarkId).Story(body, doc.Body);
  const TPageSetup& pg = doc.Page;
  body += "<w:sectPr>";
  if (header) body += "<w:headerReference w:type=\"default\" r:id=\"rId2\"/>";
  body += "<w:pgSz w:w=\"" + Num(pg.Width) + "\" w:h=\"" + Num(pg.Height) + "\"";
  if (pg.Landscape) body += " w:orient=\"landscape\"";
  body += "/><w:pgMar w:top=\"" + Num(pg.Top) + "\" w:right=\"" + Num(pg.Right) + "\" w:bottom=\"" + Num(pg.Bottom) +
          "\" w:left=\"" + Num(pg.Left) + "\" w:header=\"" + Num(pg.HeaderDistance) +
          "\" w:footer=\"708\" w:gutter=\"0\"/></w:sectPr></w:body></w:document>";

  std::vector<TZipEntry> entries = {{"[Content_Types].xml", ContentTypes(header)},
                                    {"_rels/.rels", PackageRels()},
                                    {"word/document.xml", std::move(body)},
                                    {"word/styles.xml", Styles()},
                                    {"word/_rels/document.xml.rels", DocumentRels(header)}};
  if (header) {
    std::string hdr = std::string(kXmlDecl) + "<w:hdr" + kNamespaces + ">";
    TDocxStory(bookmarkId).Story(hdr, doc.Header);
    entries.push_back({"word/header1.xml", hdr + "</w:hdr>"});
  }
  return PackZip(entries, path);
}

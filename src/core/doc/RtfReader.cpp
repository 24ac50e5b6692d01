#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <set>

#include "DocFiles.h"
#include "Rtf.h"
#include "platform/Codec1251.h"

namespace {

enum class TDest { Body, Header, Skip, Bookmark };

struct TState {
  TRunFormat Format;
  TAlign Align = TAlign::Left;
  bool KeepNext = false;
  bool InTable = false;
  TDest Dest = TDest::Body;
  int SkipAfterUnicode = 1;
};

// Collects the paragraphs and table rows of one story as the reader meets
// their ends.
struct TStoryBuilder {
  TStory Story;
  TParagraph Para;
  bool ParaStarted = false;
  std::vector<TParagraph> CellParas;
  std::vector<TCell> RowCells;
  std::vector<int> CellRights;
  bool RowHeader = false;
  bool TableOpen = false;

  void EndPara(const TState& st) {
    Para.Align = st.Align;
    Para.Mark = st.Format;
    Para.KeepNext = st.KeepNext && !st.InTable;
    if (st.InTable) {
      CellParas.push_back(Para);
    } else {
      TableOpen = false;
      TBlock b;
      b.Para = Para;
      Story.Blocks.push_back(b);
    }
    Para = TParagraph{};
    ParaStarted = false;
  }
  void EndCell(const TState& st) {
    TState inCell = st;
    inCell.InTable = true;
    EndPara(inCell);
    TCell cell;
    cell.Paras = CellParas;
    CellParas.clear();
    RowCells.push_back(cell);
  }
  void EndRow() {
    if (!CellParas.empty() || Para.Length() > 0) {
      TState st;
      st.InTable = true;
      EndCell(st);
    }
    // A row is where typing in a table goes; one without a cell has no
    // place for it, and no word processor writes one.
    if (RowCells.empty()) throw TDocError("в таблице есть строка без ячеек");
    TRow row;
    row.Cells = RowCells;
    row.Header = RowHeader;
    RowCells.clear();
    for (std::size_t i = 0; i < row.Cells.size(); ++i) {
      if (i < CellRights.size()) {
        row.Cells[i].Right = CellRights[i];
      } else {
        // A row that names fewer edges than it has cells: equal widths on.
        const int prev = i ? row.Cells[i - 1].Right : 0;
        row.Cells[i].Right = prev + 1440;
      }
    }
    if (!TableOpen) {
      TBlock b;
      b.IsTable = true;
      Story.Blocks.push_back(b);
      TableOpen = true;
    }
    Story.Blocks.back().Table.Rows.push_back(row);
  }
  void Finish(const TState& st) {
    if (!RowCells.empty()) EndRow();
    if (ParaStarted || Para.Length() > 0) {
      TState plain = st;
      plain.InTable = false;
      EndPara(plain);
    }
    // A table is always followed by a paragraph.
    if (!Story.Blocks.empty() && Story.Blocks.back().IsTable) Story.Blocks.push_back(TBlock{});
  }
};

const std::set<std::string>& SkippedDestinations() {
  static const std::set<std::string> names = {
      "fonttbl", "colortbl", "stylesheet", "info", "pict", "listtable", "listoverridetable", "rsidtbl",
      "generator", "footer", "footerl", "footerr", "footerf", "headerl", "headerf", "xmlnstbl", "themedata",
      "colorschememapping", "latentstyles", "datastore", "pgdsctbl", "object", "shppict", "nonshppict",
      "fldinst", "bkmkend", "revtbl", "filetbl", "userprops", "docvar", "template", "ftnsep", "ftnsepc",
      "aftnsep", "aftnsepc", "footnote", "annotation", "atnid", "atnauthor", "panose", "falt", "listtext",
      "pntext", "pntxta", "pntxtb", "shpinst", "sp", "mmathPr", "wgrffmtfilter", "lsdlockedexcept"};
  return names;
}

class TRtfReader {
 public:
  explicit TRtfReader(const std::string& bytes) : In_(bytes) {}

  TDocument Read() {
    std::size_t start = 0;
    while (start < In_.size() && std::isspace(static_cast<unsigned char>(In_[start]))) ++start;
    if (In_.compare(start, 5, "{\\rtf") != 0) throw TDocError("это не документ RTF");
    Pos_ = start;
    Stack_.push_back(TState{});
    // The last paragraph has no mark of its own: it ends with the document
    // and takes the properties in force there.
    TState last;
    bool closed = false;
    while (Pos_ < In_.size()) {
      const char c = In_[Pos_++];
      if (c == '{') {
        Stack_.push_back(Stack_.back());
        IgnorableGroup_ = false;
      } else if (c == '}') {
        last = St();
        CloseGroup();
        if (Stack_.size() <= 1) {
          closed = true;
          break;
        }
      } else if (c == '\\') {
        ControlWord();
      } else if (c == '\r' || c == '\n') {
        // Line ends of the file are not text.
      } else {
        // Bytes of the document's code page may stand in the file as they are.
        Text(Decode1251(std::string(1, c)));
      }
    }
    if (!closed) last = St();
    TDocument doc;
    Body_.Finish(last);
    Header_.Finish(last);
    doc.Body = Body_.Story;
    doc.Header = Header_.Story;
    doc.Page = Page_;
    if (doc.Body.Blocks.empty()) doc.Body.Blocks.push_back(TBlock{});
    return doc;
  }

 private:
  TState& St() { return Stack_.back(); }

  TStoryBuilder* Builder() {
    switch (St().Dest) {
      case TDest::Body: return &Body_;
      case TDest::Header: return &Header_;
      default: return nullptr;
    }
  }

  void CloseGroup() {
    const TState leaving = St();
    if (Stack_.size() > 1) Stack_.pop_back();
    if (leaving.Dest == TDest::Bookmark && St().Dest != TDest::Bookmark) {
      if (TStoryBuilder* b = Builder()) {
        b->Para.Runs.push_back(TRun{"", TRunFormat{}, Bookmark_});
        b->ParaStarted = true;
      }
      Bookmark_.clear();
    }
    if (leaving.Dest == TDest::Header && St().Dest != TDest::Header) {
      if (Header_.ParaStarted || Header_.Para.Length() > 0) Header_.EndPara(leaving);
    }
  }

  // Skips the rest of the current group.
  void SkipGroup() { St().Dest = TDest::Skip; }

  void Text(const std::string& utf8) {
    if (UnicodeSkip_ > 0) {
      --UnicodeSkip_;
      return;
    }
    // Control characters other than the tab have no place in a paragraph.
    if (utf8.size() == 1 && (static_cast<unsigned char>(utf8[0]) < 0x20 || utf8[0] == 0x7F) && utf8[0] != '\t')
      return;
    if (St().Dest == TDest::Bookmark) {
      Bookmark_ += utf8;
      return;
    }
    TStoryBuilder* b = Builder();
    if (!b) return;
    b->ParaStarted = true;
    InsertText(b->Para, b->Para.Length(), utf8, St().Format);
  }

  void ControlWord() {
    if (Pos_ >= In_.size()) return;
    const char c = In_[Pos_];
    if (!std::isalpha(static_cast<unsigned char>(c))) {
      ++Pos_;
      switch (c) {
        case '\'': {
          // Two hex digits; a damaged escape is dropped.
          const std::string hex = In_.substr(Pos_, 2);
          if (hex.size() < 2 || !std::isxdigit(static_cast<unsigned char>(hex[0])) ||
              !std::isxdigit(static_cast<unsigned char>(hex[1])))
            break;
          Pos_ += 2;
          const int byte = static_cast<int>(std::strtol(hex.c_str(), nullptr, 16));
          Text(Decode1251(std::string(1, static_cast<char>(byte))));
          break;
        }
        case '*': IgnorableGroup_ = true; break;
        case '~': Text("\u00A0"); break;
        case '_': Text("-"); break;
        case '\r':
        case '\n': Word("par", false, 0); break;
        case '-':
        case ':': break;
        default: Text(Decode1251(std::string(1, c)));
      }
      return;
    }
    std::string word;
    while (Pos_ < In_.size() && std::isalpha(static_cast<unsigned char>(In_[Pos_]))) word += In_[Pos_++];
    bool hasParam = false;
    long param = 0;
    std::size_t numStart = Pos_;
    if (Pos_ < In_.size() && (In_[Pos_] == '-' || std::isdigit(static_cast<unsigned char>(In_[Pos_])))) {
      ++Pos_;
      while (Pos_ < In_.size() && std::isdigit(static_cast<unsigned char>(In_[Pos_]))) ++Pos_;
      param = std::strtol(In_.substr(numStart, Pos_ - numStart).c_str(), nullptr, 10);
      hasParam = true;
    }
    if (Pos_ < In_.size() && In_[Pos_] == ' ') ++Pos_;
    const bool ignorable = IgnorableGroup_;
    IgnorableGroup_ = false;
    if (!Word(word, hasParam, param) && ignorable) SkipGroup();
  }

  // Applies a control word; false when it is not one the reader knows.
  bool Word(const std::string& w, bool hasParam, long param) {
    TState& st = St();
    if (SkippedDestinations().count(w)) {
      SkipGroup();
      return true;
    }
    if (st.Dest == TDest::Skip) return true;
    if (w == "bkmkstart") {
      st.Dest = TDest::Bookmark;
      Bookmark_.clear();
    } else if (w == "header" || w == "headerr") {
      st.Dest = TDest::Header;
      st.InTable = false;
    } else if (w == "par" || w == "line" || w == "sect") {
      if (TStoryBuilder* b = Builder()) b->EndPara(st);
    } else if (w == "cell" || w == "nestcell") {
      if (TStoryBuilder* b = Builder()) b->EndCell(st);
    } else if (w == "row" || w == "nestrow") {
      if (TStoryBuilder* b = Builder()) b->EndRow();
    } else if (w == "pard") {
      st.Align = TAlign::Left;
      st.KeepNext = false;
      st.InTable = false;
      if (TStoryBuilder* b = Builder()) b->ParaStarted = true;
    } else if (w == "plain") {
      st.Format = TRunFormat{};
    } else if (w == "b") {
      st.Format.Bold = !hasParam || param != 0;
    } else if (w == "fs") {
      st.Format.Size = hasParam && param >= 2 && param <= 3276 ? static_cast<int>(param / 2) : 12;
    } else if (w == "ql") {
      st.Align = TAlign::Left;
    } else if (w == "qc") {
      st.Align = TAlign::Center;
    } else if (w == "qr") {
      st.Align = TAlign::Right;
    } else if (w == "qj") {
      st.Align = TAlign::Justify;
    } else if (w == "keepn") {
      st.KeepNext = !hasParam || param != 0;
    } else if (w == "intbl") {
      st.InTable = true;
    } else if (w == "trowd") {
      if (TStoryBuilder* b = Builder()) {
        b->CellRights.clear();
        b->RowHeader = false;
      }
    } else if (w == "trhdr") {
      if (TStoryBuilder* b = Builder()) b->RowHeader = true;
    } else if (w == "cellx") {
      // Edges beyond a sheet of paper or going backwards are a damaged file.
      if (TStoryBuilder* b = Builder()) {
        const int prev = b->CellRights.empty() ? 0 : b->CellRights.back();
        b->CellRights.push_back(std::clamp(static_cast<int>(std::clamp(param, 0L, 31680L)), prev + 20, prev + 31680));
      }
    } else if (w == "tab") {
      Text("\t");
    } else if (w == "u") {
      // A signed 16-bit code; anything outside the basic plane is not a character here.
      const long cp = param < 0 ? param + 65536 : param;
      std::string utf8 = "?";
      if (cp > 0 && cp < 0x80) {
        utf8 = std::string(1, static_cast<char>(cp));
      } else if (cp >= 0x80 && cp < 0x800) {
        utf8 = {static_cast<char>(0xC0 | (cp >> 6)), static_cast<char>(0x80 | (cp & 0x3F))};
      } else if (cp >= 0x800 && cp <= 0xFFFF && (cp < 0xD800 || cp > 0xDFFF)) {
        utf8 = {static_cast<char>(0xE0 | (cp >> 12)), static_cast<char>(0x80 | ((cp >> 6) & 0x3F)),
                static_cast<char>(0x80 | (cp & 0x3F))};
      }
      Text(utf8);
      UnicodeSkip_ = st.SkipAfterUnicode;
    } else if (w == "uc") {
      st.SkipAfterUnicode = static_cast<int>(std::clamp(param, 0L, 10L));
    } else if (w == "paperw" || w == "pgwsxn") {
      Page_.Width = static_cast<int>(std::clamp(param, 1440L, 63360L));
    } else if (w == "paperh" || w == "pghsxn") {
      Page_.Height = static_cast<int>(std::clamp(param, 1440L, 63360L));
    } else if (w == "margl" || w == "marglsxn") {
      Page_.Left = static_cast<int>(std::clamp(param, 0L, 31680L));
    } else if (w == "margr" || w == "margrsxn") {
      Page_.Right = static_cast<int>(std::clamp(param, 0L, 31680L));
    } else if (w == "margt" || w == "margtsxn") {
      Page_.Top = static_cast<int>(std::clamp(param, 0L, 31680L));
    } else if (w == "margb" || w == "margbsxn") {
      Page_.Bottom = static_cast<int>(std::clamp(param, 0L, 31680L));
    } else if (w == "headery") {
      Page_.HeaderDistance = static_cast<int>(std::clamp(param, 0L, 31680L));
    } else if (w == "landscape" || w == "lndscpsxn") {
      Page_.Landscape = true;
    } else if (w == "emdash") {
      Text("\u2014");
    } else if (w == "endash") {
      Text("\u2013");
    } else if (w == "lquote") {
      Text("\u2018");
    } else if (w == "rquote") {
      Text("\u2019");
    } else if (w == "ldblquote") {
      Text("\u201C");
    } else if (w == "rdblquote") {
      Text("\u201D");
    } else if (w == "bullet") {
      Text("\u2022");
    } else {
      return false;
    }
    return true;
  }

  const std::string& In_;
  std::size_t Pos_ = 0;
  std::vector<TState> Stack_;
  bool IgnorableGroup_ = false;
  int UnicodeSkip_ = 0;
  std::string Bookmark_;
  TStoryBuilder Body_;
  TStoryBuilder Header_;
  TPageSetup Page_;
};

}  // namespace

TDocument ReadRtf(const std::string& bytes) { return TRtfReader(bytes).Read(); }

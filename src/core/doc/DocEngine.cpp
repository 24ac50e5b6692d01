#include "DocEngine.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>

#include "DocFormats.h"
#include "Docx.h"
#include "Rtf.h"
#include "platform/UserNumbers.h"

namespace {

std::string Lower(std::string s) {
  for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return s;
}

// The argument called `name`, else the positional one at `index`.
const TWordArg* Arg(const TWordArgs& args, const std::string& name, std::size_t index) {
  const std::string want = Lower(name);
  for (const TWordArg& a : args)
    if (!a.Name.empty() && Lower(a.Name) == want) return &a;
  std::size_t n = 0;
  for (const TWordArg& a : args) {
    if (!a.Name.empty()) continue;
    if (n++ == index) return &a;
  }
  return nullptr;
}

std::string TextArg(const TWordArgs& args, const std::string& name, std::size_t index) {
  const TWordArg* a = Arg(args, name, index);
  if (!a) throw TDocError("не задан аргумент " + name);
  return a->IsInt ? std::to_string(a->Int) : a->Text;
}

long long IntArg(const TWordArgs& args, const std::string& name, std::size_t index, long long fallback) {
  const TWordArg* a = Arg(args, name, index);
  if (!a) return fallback;
  if (a->IsInt) return a->Int;
  char* end = nullptr;
  const long long v = std::strtoll(a->Text.c_str(), &end, 10);
  if (a->Text.empty() || *end != '\0') throw TDocError("аргумент " + name + " не число: " + a->Text);
  return v;
}

std::size_t NextCharEnd(const std::string& s, std::size_t pos) {
  if (pos >= s.size()) return s.size();
  ++pos;
  while (pos < s.size() && (static_cast<unsigned char>(s[pos]) & 0xC0) == 0x80) ++pos;
  return pos;
}

bool IsHeading(const TParagraph& p) {
  bool any = false;
  for (const TRun& r : p.Runs) {
    if (r.Text.empty()) continue;
    if (!r.Format.Bold) return false;
    any = any || r.Text.find_first_not_of(" \t") != std::string::npos;
  }
  return any;
}

}  // namespace

int ParseMeasure(const std::string& text) {
  // Read with a comma or a point whatever the user's locale, under which
  // strtod would stop at "2.5".
  double v = 0;
  std::size_t end = 0;
  if (!ParseLeadingUserReal(text, v, &end) || v < 0 || v > 100000) throw TDocError("неверный размер: " + text);
  std::string unit = text.substr(end);
  unit.erase(std::remove(unit.begin(), unit.end(), ' '), unit.end());
  unit = Lower(unit);
  double twips;
  if (unit == "\"" || unit == "in") twips = v * 1440;
  else if (unit == "cm") twips = v * 1440 / 2.54;
  else if (unit == "mm") twips = v * 144 / 2.54;
  else if (unit.empty() || unit == "pt") twips = v * 20;
  else throw TDocError("неверный размер: " + text);
  return static_cast<int>(std::lround(twips));
}

const std::map<std::string, TDocEngine::THandler>& TDocEngine::Handlers() {
  static const std::map<std::string, THandler> handlers = {
      {"appshow", &TDocEngine::AppShow},
      {"fileopen", &TDocEngine::FileOpen},
      {"filesave", &TDocEngine::FileSave},
      {"viewheader", &TDocEngine::ViewHeader},
      {"closeviewheaderfooter", &TDocEngine::CloseViewHeaderFooter},
      {"centerpara", &TDocEngine::CenterPara},
      {"leftpara", &TDocEngine::LeftPara},
      {"linedown", &TDocEngine::LineDown},
      {"insert", &TDocEngine::Insert},
      {"filepagesetup", &TDocEngine::FilePageSetup},
      {"fileprint", &TDocEngine::FilePrint},
      {"insertfile", &TDocEngine::InsertFile},
      {"editgoto", &TDocEngine::EditGoTo},
      {"nextcell", &TDocEngine::NextCell},
      {"tableselecttable", &TDocEngine::TableSelectTable},
      {"charright", &TDocEngine::CharRight},
      {"insertpara", &TDocEngine::InsertPara},
      {"fontsize", &TDocEngine::FontSize},
      {"bold", &TDocEngine::Bold},
  };
  return handlers;
}

void TDocEngine::Send(const std::string& command, const TWordArgs& args) {
  const auto it = Handlers().find(Lower(command));
  if (it == Handlers().end()) throw TDocError("Неизвестная команда текстового процессора: " + command);
  const std::string lower = it->first;
  if (!Doc_ && lower != "appshow" && lower != "fileopen")
    throw TDocError("Команда " + command + ": нет открытого документа");
  // A selected table stays selected only for the step that leaves it.
  const bool selected = TableSelected_;
  TableSelected_ = false;
  if (lower == "charright") TableSelected_ = selected;
  try {
    (this->*(it->second))(args);
  } catch (const TDocError& e) {
    const std::string what = e.what();
    // Failures of files already name the file; the rest get the command,
    // and the file inserted last, whose contents the command most likely
    // stumbled over (a template without its bookmark or table).
    if (what.rfind("Не удалось", 0) == 0) throw;
    const std::string after = LastInserted_.empty() ? "" : " (после вставки файла " + LastInserted_ + ")";
    throw TDocError("Команда " + command + ": " + what + after);
  }
  // What the document holds now differs from its file after any command
  // but opening, saving, showing and printing.
  if (lower != "fileopen" && lower != "filesave" && lower != "appshow" && lower != "fileprint") Saved_ = false;
}

void TDocEngine::StageCopy(const std::string& from, const std::string& to) { Staged_[to] = {from, ReadDocFile(from)}; }

std::string TDocEngine::LoadFile(const std::string& path, std::string& source) {
  const auto it = Staged_.find(path);
  if (it != Staged_.end()) {
    source = it->second.first;
    return it->second.second;
  }
  source = path;
  return ReadDocFile(path);
}

TDocument TDocEngine::ReadFile(const std::string& path) {
  std::string source;
  const std::string bytes = LoadFile(path, source);
  try {
    return ReadRtf(bytes);
  } catch (const TDocError& e) {
    throw TDocError("Не удалось открыть файл " + source + ": " + e.what());
  }
}

TDocument& TDocEngine::Doc() { return *Doc_; }

TStory& TDocEngine::Story() { return StoryOf(Caret_); }

TTable& TDocEngine::Table() { return Story().Blocks[Caret_.Block].Table; }

TParagraph& TDocEngine::Para() {
  TBlock& b = Story().Blocks[Caret_.Block];
  if (!Caret_.InTable()) return b.Para;
  return b.Table.Rows[static_cast<std::size_t>(Caret_.Row)].Cells[static_cast<std::size_t>(Caret_.Col)].Paras[Caret_.Para];
}

void TDocEngine::MoveTo(const TCaret& c) {
  Caret_ = c;
  Format_ = FormatAt(Para(), Caret_.Offset);
}

TStory& TDocEngine::StoryOf(const TCaret& c) { return c.InHeader ? Doc_->Header : Doc_->Body; }

bool TDocEngine::LineOfBlock(std::size_t k, TCaret& c) {
  const TStory& story = StoryOf(c);
  if (k >= story.Blocks.size()) return false;
  TCaret n;
  n.InHeader = c.InHeader;
  n.Block = k;
  if (story.Blocks[k].IsTable) {
    n.Row = 0;
    n.Col = 0;
  }
  c = n;
  return true;
}

bool TDocEngine::NextLine(TCaret& c) {
  if (c.InTable()) {
    const TTable& t = StoryOf(c).Blocks[c.Block].Table;
    const TCell& cell = t.Rows[static_cast<std::size_t>(c.Row)].Cells[static_cast<std::size_t>(c.Col)];
    if (c.Para + 1 < cell.Paras.size()) {
      ++c.Para;
      c.Offset = 0;
      return true;
    }
    if (static_cast<std::size_t>(c.Row) + 1 < t.Rows.size()) {
      ++c.Row;
      const int cells = static_cast<int>(t.Rows[static_cast<std::size_t>(c.Row)].Cells.size());
      c.Col = std::min(c.Col, cells - 1);
      c.Para = 0;
      c.Offset = 0;
      return true;
    }
  }
  return LineOfBlock(c.Block + 1, c);
}

void TDocEngine::AppShow(const TWordArgs&) {
  // Shown already before: the user wanted to watch the word processor work.
  const bool asked = Visible_;
  Visible_ = true;
  // Showing the word processor shows the finished document once it is saved.
  // A document only staged in memory has no file to show yet.
  if (Doc_ && Saved_ && Output_ && !Staged_.count(Path_)) Output_->Show(Path_, asked);
}

void TDocEngine::FileOpen(const TWordArgs& args) {
  const std::string path = TextArg(args, "name", 0);
  Doc_ = std::make_unique<TDocument>(ReadFile(path));
  Path_ = path;
  Saved_ = true;
  LastInserted_.clear();
  MoveTo(TCaret{});
}

void TDocEngine::FileSave(const TWordArgs&) {
  const TDocFormat* format = DocFormatOfPath(Path_);
  switch (format ? format->Writer : TDocWriter::Rtf) {
    case TDocWriter::Pdf:
      if (!Output_) throw TDocError("Не удалось записать файл " + Path_ + ": вёрстка в PDF недоступна");
      Output_->WritePdf(*Doc_, Path_);
      break;
    case TDocWriter::Docx: WriteDocFile(Path_, WriteDocx(*Doc_, Path_)); break;
    case TDocWriter::Odt: WriteDocFile(Path_, WriteOdt(*Doc_, Path_)); break;
    case TDocWriter::Rtf: WriteDocFile(Path_, WriteRtf(*Doc_)); break;
  }
  Staged_.erase(Path_);
  Saved_ = true;
}

void TDocEngine::ViewHeader(const TWordArgs&) {
  if (Caret_.InHeader) return;
  BodyCaret_ = Caret_;
  if (Doc_->Header.Blocks.empty()) Doc_->Header.Blocks.push_back(TBlock{});
  TCaret c;
  c.InHeader = true;
  LineOfBlock(0, c);
  MoveTo(c);
}

void TDocEngine::CloseViewHeaderFooter(const TWordArgs&) {
  if (Caret_.InHeader) MoveTo(BodyCaret_);
}

void TDocEngine::CenterPara(const TWordArgs&) { Para().Align = TAlign::Center; }

void TDocEngine::LeftPara(const TWordArgs&) { Para().Align = TAlign::Left; }

void TDocEngine::LineDown(const TWordArgs& args) {
  const long long n = IntArg(args, "count", 0, 1);
  TCaret c = Caret_;
  bool atEnd = false;
  for (long long i = 0; i < n && !atEnd; ++i) {
    TCaret next = c;
    if (NextLine(next)) c = next;
    else atEnd = true;
  }
  MoveTo(c);
  if (atEnd) {
    // On the last line the caret goes to its end and stays there.
    Caret_.Offset = Para().Length();
    Format_ = FormatAt(Para(), Caret_.Offset);
  }
}

void TDocEngine::TypeText(const std::string& text) {
  if (text.empty()) return;
  InsertText(Para(), Caret_.Offset, text, Format_);
  Caret_.Offset += text.size();
}

void TDocEngine::BreakParagraph() {
  TParagraph tail = SplitParagraph(Para(), Caret_.Offset);
  // A new empty paragraph types on in the format at the caret.
  if (tail.Length() == 0) tail.Mark = Format_;
  TStory& story = Story();
  if (Caret_.InTable()) {
    TCell& cell = Table().Rows[static_cast<std::size_t>(Caret_.Row)].Cells[static_cast<std::size_t>(Caret_.Col)];
    cell.Paras.insert(cell.Paras.begin() + static_cast<std::ptrdiff_t>(Caret_.Para) + 1, tail);
    ++Caret_.Para;
  } else {
    // A paragraph typed all in bold and ended by a paragraph mark is a
    // heading; it and the empty lines under it keep with what follows.
    TParagraph& ended = story.Blocks[Caret_.Block].Para;
    const TBlock* before = Caret_.Block > 0 ? &story.Blocks[Caret_.Block - 1] : nullptr;
    if (IsHeading(ended) ||
        (ended.Length() == 0 && before && !before->IsTable && before->Para.KeepNext))
      ended.KeepNext = true;
    TBlock b;
    b.Para = tail;
    story.Blocks.insert(story.Blocks.begin() + static_cast<std::ptrdiff_t>(Caret_.Block) + 1, b);
    ++Caret_.Block;
  }
  Caret_.Offset = 0;
}

void TDocEngine::Insert(const TWordArgs& args) {
  const std::string text = TextArg(args, "text", 0);
  // Every line break of the text (CR LF, CR or LF) starts a new paragraph.
  std::string line;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\r' || c == '\n') {
      TypeText(line);
      line.clear();
      BreakParagraph();
      if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    } else {
      line += c;
    }
  }
  TypeText(line);
}

void TDocEngine::FilePageSetup(const TWordArgs& args) {
  TPageSetup& pg = Doc_->Page;
  const std::pair<const char*, int*> margins[] = {
      {"TopMargin", &pg.Top}, {"BottomMargin", &pg.Bottom}, {"LeftMargin", &pg.Left}, {"RightMargin", &pg.Right}};
  for (const auto& m : margins) {
    const TWordArg* a = Arg(args, m.first, 1000);
    if (a) *m.second = a->IsInt ? static_cast<int>(a->Int * 20) : ParseMeasure(a->Text);
  }
  if (Arg(args, "Orientation", 1000)) {
    const bool landscape = IntArg(args, "Orientation", 1000, 0) != 0;
    if (landscape != (pg.Width > pg.Height)) std::swap(pg.Width, pg.Height);
    pg.Landscape = landscape;
  }
}

void TDocEngine::FilePrint(const TWordArgs&) {
  if (!Output_) throw TDocError("печать недоступна");
  Output_->Print(*Doc_);
}

void TDocEngine::InsertFile(const TWordArgs& args) {
  const std::string path = TextArg(args, "name", 0);
  const TDocument in = ReadFile(path);
  LastInserted_ = path;
  std::vector<TBlock> blocks = in.Body.Blocks;
  if (blocks.empty()) return;
  // A bookmark brought in by the file moves its name to the new place.
  for (const std::string& name : Bookmarks(in.Body)) {
    RemoveBookmark(Doc_->Body, name);
    RemoveBookmark(Doc_->Header, name);
  }
  if (Caret_.InTable()) {
    // A cell holds no table: the file's text comes in as paragraphs.
    std::string text;
    for (std::size_t i = 0; i < blocks.size(); ++i) {
      if (i) text += "\n";
      if (!blocks[i].IsTable) {
        text += blocks[i].Para.Text();
        continue;
      }
      for (const TRow& r : blocks[i].Table.Rows)
        for (const TCell& c : r.Cells) text += c.Text() + "\t";
    }
    const TCaret at = Caret_;
    Insert({TWordArg::Str(text)});
    MoveTo(at);
    return;
  }
  TStory& story = Story();
  TParagraph tail = SplitParagraph(Para(), Caret_.Offset);
  std::vector<TBlock> added;
  std::size_t first = 0;
  if (!blocks[0].IsTable) {
    TParagraph& here = Para();
    // The file's first paragraph mark ends the paragraph at the caret.
    if (blocks.size() > 1) {
      here.Align = blocks[0].Para.Align;
      here.Mark = blocks[0].Para.Mark;
      here.KeepNext = blocks[0].Para.KeepNext;
    }
    JoinParagraph(here, blocks[0].Para);
    first = 1;
  }
  for (std::size_t i = first; i < blocks.size(); ++i) added.push_back(blocks[i]);
  if (!added.empty() && !added.back().IsTable) {
    JoinParagraph(added.back().Para, tail);
  } else if (first == 1 && added.empty()) {
    JoinParagraph(Para(), tail);
  } else {
    TBlock b;
    b.Para = tail;
    added.push_back(b);
  }
  story.Blocks.insert(story.Blocks.begin() + static_cast<std::ptrdiff_t>(Caret_.Block) + 1, added.begin(), added.end());
  // The caret stays where the inserted file begins.
  MoveTo(Caret_);
}

void TDocEngine::EditGoTo(const TWordArgs& args) {
  const std::string name = TextArg(args, "Destination", 0);
  TStory& body = Doc_->Body;
  for (std::size_t k = 0; k < body.Blocks.size(); ++k) {
    auto find = [&](const TParagraph& p, TCaret c) {
      std::size_t offset = 0;
      for (const TRun& r : p.Runs) {
        if (r.Bookmark == name) {
          c.Offset = offset;
          MoveTo(c);
          return true;
        }
        offset += r.Text.size();
      }
      return false;
    };
    TCaret c;
    c.Block = k;
    const TBlock& b = body.Blocks[k];
    if (!b.IsTable) {
      if (find(b.Para, c)) return;
      continue;
    }
    for (std::size_t r = 0; r < b.Table.Rows.size(); ++r) {
      for (std::size_t col = 0; col < b.Table.Rows[r].Cells.size(); ++col) {
        const TCell& cell = b.Table.Rows[r].Cells[col];
        for (std::size_t p = 0; p < cell.Paras.size(); ++p) {
          c.Row = static_cast<int>(r);
          c.Col = static_cast<int>(col);
          c.Para = p;
          if (find(cell.Paras[p], c)) return;
        }
      }
    }
  }
  throw TDocError("нет закладки " + name);
}

void TDocEngine::NextCell(const TWordArgs&) {
  if (!Caret_.InTable()) throw TDocError("курсор не в таблице");
  TTable& t = Table();
  TCaret c = Caret_;
  const auto row = static_cast<std::size_t>(c.Row);
  if (static_cast<std::size_t>(c.Col) + 1 < t.Rows[row].Cells.size()) {
    ++c.Col;
  } else {
    if (row + 1 >= t.Rows.size()) {
      // Past the last cell: a new row shaped like the last one, empty.
      TRow added;
      for (const TCell& cell : t.Rows[row].Cells) {
        TCell fresh;
        fresh.Right = cell.Right;
        fresh.Paras[0].Align = cell.Paras.back().Align;
        fresh.Paras[0].Mark = cell.Paras.back().Mark;
        added.Cells.push_back(fresh);
      }
      t.Rows.push_back(added);
    }
    ++c.Row;
    c.Col = 0;
  }
  const TCell& cell = t.Rows[static_cast<std::size_t>(c.Row)].Cells[static_cast<std::size_t>(c.Col)];
  c.Para = cell.Paras.size() - 1;
  c.Offset = cell.Paras.back().Length();
  MoveTo(c);
}

void TDocEngine::TableSelectTable(const TWordArgs&) {
  if (!Caret_.InTable()) throw TDocError("курсор не в таблице");
  TableSelected_ = true;
}

void TDocEngine::CharRight(const TWordArgs& args) {
  long long n = IntArg(args, "count", 0, 1);
  if (TableSelected_) {
    // A selected table collapses to the place right after it.
    TableSelected_ = false;
    TStory& story = Story();
    if (Caret_.Block + 1 >= story.Blocks.size()) story.Blocks.push_back(TBlock{});
    TCaret c = Caret_;
    LineOfBlock(Caret_.Block + 1, c);
    MoveTo(c);
    --n;
  }
  for (; n > 0; --n) {
    const std::string text = Para().Text();
    if (Caret_.Offset < text.size()) {
      Caret_.Offset = NextCharEnd(text, Caret_.Offset);
    } else {
      TCaret c = Caret_;
      if (!NextLine(c)) break;
      Caret_ = c;
    }
  }
  MoveTo(Caret_);
}

void TDocEngine::InsertPara(const TWordArgs&) { BreakParagraph(); }

void TDocEngine::FontSize(const TWordArgs& args) {
  const long long size = IntArg(args, "size", 0, 0);
  if (size < 1 || size > 1638) throw TDocError("неверный размер шрифта");
  Format_.Size = static_cast<int>(size);
}

void TDocEngine::Bold(const TWordArgs& args) {
  if (Arg(args, "on", 0)) {
    Format_.Bold = IntArg(args, "on", 0, 0) != 0;
  } else {
    Format_.Bold = !Format_.Bold;
  }
}

#include <cstdio>

#include "Rtf.h"
#include "platform/Codec1251.h"

namespace {

// The borders every cell gets: single lines of half a point.
constexpr const char* kCellBorders =
    "\\clbrdrt\\brdrs\\brdrw10\\clbrdrl\\brdrs\\brdrw10\\clbrdrb\\brdrs\\brdrw10\\clbrdrr\\brdrs\\brdrw10";

void Escape(std::string& out, const std::string& text) {
  for (const char32_t cp : Utf8ToCodePoints(text)) {
    if (cp == '\\' || cp == '{' || cp == '}') {
      out += '\\';
      out += static_cast<char>(cp);
    } else if (cp == '\t') {
      out += "\\tab ";
    } else if (cp >= 0x20 && cp < 0x7F) {
      out += static_cast<char>(cp);
    } else if (cp < 0x20 || cp == 0x7F) {
      // Other control characters have no meaning in a paragraph.
    } else {
      // Unicode for readers that know it, the code page's byte for the rest.
      const int value = cp <= 0xFFFF ? static_cast<int>(static_cast<std::int16_t>(cp)) : '?';
      const int fallback = EncodeChar1251(cp);
      char buf[32];
      if (fallback >= 0x80)
        std::snprintf(buf, sizeof buf, "\\u%d\\'%02x", value, fallback);
      else
        std::snprintf(buf, sizeof buf, "\\u%d?", value);
      out += buf;
    }
  }
}

std::string CharFormat(const TRunFormat& f) {
  return std::string(f.Bold ? "\\b" : "\\b0") + "\\fs" + std::to_string(f.Size * 2);
}

const char* AlignWord(TAlign a) {
  switch (a) {
    case TAlign::Center: return "\\qc";
    case TAlign::Right: return "\\qr";
    case TAlign::Justify: return "\\qj";
    case TAlign::Left: break;
  }
  return "\\ql";
}

// A paragraph ended by `end` ("\\par", "\\cell" or nothing for the last one).
void WritePara(std::string& out, const TParagraph& p, bool inTable, const char* end) {
  out += "\\pard\\plain";
  out += AlignWord(p.Align);
  if (p.KeepNext && !inTable) out += "\\keepn";
  if (inTable) out += "\\intbl";
  out += "\\f0" + CharFormat(p.Mark) + " ";
  for (const TRun& r : p.Runs) {
    if (!r.Bookmark.empty()) {
      std::string name;
      Escape(name, r.Bookmark);
      out += "{\\*\\bkmkstart " + name + "}{\\*\\bkmkend " + name + "}";
      continue;
    }
    if (r.Text.empty()) continue;
    out += "{" + CharFormat(r.Format) + " ";
    Escape(out, r.Text);
    out += "}";
  }
  out += end;
  out += "\n";
}

void WriteRow(std::string& out, const TRow& row) {
  out += "\\trowd\\trgaph108\\trleft0";
  if (row.Header) out += "\\trhdr";
  out += "\n";
  for (const TCell& c : row.Cells) out += std::string(kCellBorders) + "\\cellx" + std::to_string(c.Right) + "\n";
  for (const TCell& c : row.Cells) {
    for (std::size_t i = 0; i < c.Paras.size(); ++i)
      WritePara(out, c.Paras[i], true, i + 1 == c.Paras.size() ? "\\cell" : "\\par");
  }
  out += "\\row\n";
}

// lastEnd ends the story's last paragraph: the body's final mark has no \par,
// the header's has.
void WriteStory(std::string& out, const TStory& story, const char* lastEnd) {
  for (std::size_t i = 0; i < story.Blocks.size(); ++i) {
    const TBlock& b = story.Blocks[i];
    if (b.IsTable) {
      for (const TRow& row : b.Table.Rows) WriteRow(out, row);
    } else {
      WritePara(out, b.Para, false, i + 1 == story.Blocks.size() ? lastEnd : "\\par");
    }
  }
}

}  // namespace

std::string WriteRtf(const TDocument& doc) {
  const TPageSetup& pg = doc.Page;
  std::string out =
      "{\\rtf1\\ansi\\ansicpg1251\\deff0\\deflang1049\\uc1\n"
      "{\\fonttbl{\\f0\\froman\\fcharset204\\fprq2 Times New Roman;}}\n";
  out += "\\paperw" + std::to_string(pg.Width) + "\\paperh" + std::to_string(pg.Height) + "\\margl" +
         std::to_string(pg.Left) + "\\margr" + std::to_string(pg.Right) + "\\margt" + std::to_string(pg.Top) +
         "\\margb" + std::to_string(pg.Bottom) + "\\headery" + std::to_string(pg.HeaderDistance);
  if (pg.Landscape) out += "\\landscape";
  out += "\n\\sectd";
  if (pg.Landscape) out += "\\lndscpsxn";
  out += "\n";
  if (!doc.Header.Blocks.empty()) {
    out += "{\\header\n";
    WriteStory(out, doc.Header, "\\par");
    out += "}\n";
  }
  WriteStory(out, doc.Body, "");
  out += "}\n";
  return out;
}

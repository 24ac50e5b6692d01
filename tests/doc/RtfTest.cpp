// Documents on disk: the templates as the export expects them, and what the
// RTF writer puts into a file.
#include <gtest/gtest.h>

#include "TestSupport.h"
#include "doc/DocFiles.h"
#include "doc/Rtf.h"

namespace {

TDocument Template(const std::string& name) { return ReadRtf(ReadBytes(SourcePath("resources/template/" + name))); }

std::vector<std::vector<std::string>> CellTexts(const TTable& t) {
  std::vector<std::vector<std::string>> rows;
  for (const TRow& r : t.Rows) {
    rows.emplace_back();
    for (const TCell& c : r.Cells) rows.back().push_back(c.Text());
  }
  return rows;
}

// Everything of a story that a reader must get back.
std::string Describe(const TStory& s) {
  std::string out;
  auto para = [&](const TParagraph& p) {
    out += "[" + std::string(p.KeepNext ? "K" : "") + std::to_string(static_cast<int>(p.Align)) +
           (p.Mark.Bold ? "B" : "") + std::to_string(p.Mark.Size);
    for (const TRun& r : p.Runs) {
      if (!r.Bookmark.empty()) out += "<" + r.Bookmark + ">";
      else out += "(" + std::string(r.Format.Bold ? "B" : "") + std::to_string(r.Format.Size) + ")" + r.Text;
    }
    out += "]";
  };
  for (const TBlock& b : s.Blocks) {
    if (!b.IsTable) {
      para(b.Para);
      continue;
    }
    for (const TRow& r : b.Table.Rows) {
      out += r.Header ? "{H" : "{";
      for (const TCell& c : r.Cells) {
        out += "|" + std::to_string(c.Right);
        for (const TParagraph& p : c.Paras) para(p);
      }
      out += "}";
    }
  }
  return out;
}

TEST(Templates, each_table_template_has_its_heading_its_captions_and_the_bookmark_in_the_first_cell) {
  using TRows = std::vector<std::vector<std::string>>;
  struct TCase {
    const char* File;
    std::vector<std::string> Lines;  // paragraphs before the table
    TRows Header;
  };
  const TCase cases[] = {
      {"phaseI.doc", {"", "Организация движения по фазам", ""}, {{"Фаза", "Т мин., сек", "Т осн., сек"}}},
      {"phaseIII.doc",
       {"", "Организация движения по фазам", ""},
       {{"Фаза", "Т мин., сек", "Т осн. по программам, сек"}, {"", "", "I", "II", "III"}}},
      {"napr.doc",
       {"", "Организация движения по направлениям", ""},
       {{"Направление", "Фазы", "Конфл. направл.", "Длительность сигналов, сек", "Контр. красных"},
        {"", "", "", "З", "ЗМ", "Ж", "К", "КЖ", ""}}},
      {"compl.doc", {"", "Таблица комплектации СО", ""}, {{"Наименование", "Тип", "Кол-во", "Примечания"}}},
      {"Change.doc",
       {"", "Таблица изменений СО"},
       {{"Дата", "Тип", "Число секций", "Тип ДК", "Примечания"},
        {"", "", "Трансп.", "Доп. секций", "Пешех.", "Трамв.", "", ""}}},
      {"ExoNapr.doc",
       {"", "Организация движения", "при нестандартной смене фаз", ""},
       {{"Направление", "Переключение фаз", "Сигналы, сек", "Переключение фаз", "Сигналы, сек"},
        {"", "", "З", "ЗМ", "Ж", "", "К", "КЖ"}}},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.File);
    const TDocument d = Template(c.File);
    const auto& blocks = d.Body.Blocks;
    ASSERT_EQ(blocks.size(), c.Lines.size() + 2);
    for (std::size_t i = 0; i < c.Lines.size(); ++i) {
      ASSERT_FALSE(blocks[i].IsTable);
      EXPECT_EQ(blocks[i].Para.Text(), c.Lines[i]);
      // The headings and the line under them keep with the table; the line
      // the file begins with ends the paragraph it is inserted into, which
      // keeps nothing.
      EXPECT_EQ(blocks[i].Para.KeepNext, i > 0) << i;
    }
    const TTable& t = blocks[c.Lines.size()].Table;
    ASSERT_TRUE(blocks[c.Lines.size()].IsTable);
    EXPECT_EQ(CellTexts(t), c.Header);
    for (const TRow& r : t.Rows) {
      EXPECT_TRUE(r.Header);
      // Rows of one table end at the same right edge.
      EXPECT_EQ(r.Cells.back().Right, t.Rows[0].Cells.back().Right);
    }
    EXPECT_EQ(Bookmarks(d.Body), std::vector<std::string>{"t-1"});
    EXPECT_EQ(t.Rows[0].Cells[0].Paras[0].Runs.at(0).Bookmark, "t-1");
    EXPECT_FALSE(blocks.back().IsTable);
    EXPECT_TRUE(d.Header.Blocks.empty());
  }
}

TEST(Templates, written_again_and_read_back_they_keep_every_paragraph_cell_format_and_bookmark) {
  for (const char* name :
       {"empty.doc", "phaseI.doc", "phaseIII.doc", "napr.doc", "compl.doc", "Change.doc", "ExoNapr.doc"}) {
    SCOPED_TRACE(name);
    const TDocument d = Template(name);
    const TDocument back = ReadRtf(WriteRtf(d));
    EXPECT_EQ(Describe(back.Body), Describe(d.Body));
    EXPECT_EQ(Describe(back.Header), Describe(d.Header));
    EXPECT_EQ(back.Page.Left, 1728);
    EXPECT_EQ(back.Page.Top, 1440);
  }
  // The frame: three header lines, the third bold and centred for the address.
  EXPECT_EQ(Describe(Template("empty.doc").Header),
            "[19(9)Технический паспорт светофорного объекта][19][1B12]");
}

TEST(RtfWriter, cyrillic_goes_out_as_unicode_with_the_code_page_byte_and_rtf_specials_are_escaped) {
  TDocument d;
  TBlock b;
  b.Para.Runs.push_back(TRun{"Ж{x}\\ё\t€", TRunFormat{true, 14}, ""});
  b.Para.Align = TAlign::Center;
  d.Body.Blocks.push_back(b);
  const std::string rtf = WriteRtf(d);
  // Ж is U+0416 = 1046 and 0xC6 in Windows-1251; ё U+0451 = 1105, 0xB8; € U+20AC = 8364, 0x88.
  EXPECT_NE(rtf.find("\\pard\\plain\\qc\\f0\\b0\\fs24 {\\b\\fs28 \\u1046\\'c6\\{x\\}\\\\\\u1105\\'b8\\tab \\u8364\\'88}"),
            std::string::npos)
      << rtf;
  EXPECT_NE(rtf.find("\\ansicpg1251"), std::string::npos);
  EXPECT_NE(rtf.find("\\fcharset204"), std::string::npos);
  EXPECT_EQ(ReadRtf(rtf).Body.Blocks.at(0).Para.Text(), "Ж{x}\\ё\t€");
}

TEST(RtfReader, reads_code_page_bytes_unicode_skips_and_unknown_destinations_of_other_writers) {
  const std::string rtf =
      "{\\rtf1\\ansi\\ansicpg1251{\\fonttbl{\\f0 Arial;}}{\\*\\generator Other;}{\\info{\\title X}}"
      "\\pard\\qc\\'cf\\'f0\\'e8{\\*\\unknowndest junk}\\uc2\\u1099xx\\uc1 !\\par"
      "\\trowd\\cellx1000\\cellx2500\\pard\\intbl a\\cell b\\par c\\cell\\row\\pard end}";
  const TDocument d = ReadRtf(rtf);
  ASSERT_EQ(d.Body.Blocks.size(), 3u);
  EXPECT_EQ(d.Body.Blocks[0].Para.Text(), "Приы!");
  EXPECT_EQ(d.Body.Blocks[0].Para.Align, TAlign::Center);
  const TTable& t = d.Body.Blocks[1].Table;
  ASSERT_EQ(t.Rows.size(), 1u);
  ASSERT_EQ(t.Rows[0].Cells.size(), 2u);
  EXPECT_EQ(t.Rows[0].Cells[0].Text(), "a");
  EXPECT_EQ(t.Rows[0].Cells[1].Text(), "b\nc");
  EXPECT_EQ(t.Rows[0].Cells[1].Right, 2500);
  EXPECT_EQ(d.Body.Blocks[2].Para.Text(), "end");
  EXPECT_THROW(ReadRtf("PK\x03\x04 not rtf"), TDocError);
}

}  // namespace

namespace {

// Damaged documents: every byte of a template changed in turn, and bytes
// cut away. The reader never fails other than with TDocError, and whatever
// it reads the writer writes so that it reads back the same.
TEST(RtfReader, damaged_templates_read_without_crashing_and_what_is_read_writes_back_the_same) {
  const std::string good = ReadBytes(SourcePath("resources/template/napr.doc"));
  const char replacements[] = {'{', '}', '\\', '0', '9', '-', 'x', ' ', '\'', '\x80'};
  int read = 0;
  for (std::size_t i = 0; i < good.size(); i += 3) {
    for (const char r : {replacements[i % 10], replacements[(i / 3 + 4) % 10]}) {
      std::string bad = good;
      bad[i] = r;
      if (i % 7 == 0) bad.erase(i, 5);
      try {
        const TDocument d = ReadRtf(bad);
        ++read;
        const TDocument back = ReadRtf(WriteRtf(d));
        ASSERT_EQ(Describe(back.Body), Describe(d.Body)) << "byte " << i << " '" << r << "'";
        ASSERT_EQ(Describe(back.Header), Describe(d.Header)) << "byte " << i;
      } catch (const TDocError&) {
      }
    }
  }
  EXPECT_GT(read, 1000);
  // Codes outside the basic plane, huge sizes and edges going backwards.
  const TDocument d = ReadRtf("{\\rtf1\\uc0\\u-1\\u70000\\u-10240\\fs999999 a\\par\\trowd\\cellx-5\\cellx99999999"
                              "\\cellx10\\intbl b\\cell c\\cell\\row}");
  EXPECT_EQ(d.Body.Blocks.at(0).Para.Text(), "\xEF\xBF\xBF??a");
  EXPECT_EQ(d.Body.Blocks.at(0).Para.Runs.back().Format.Size, 12);
  const TRow& row = d.Body.Blocks.at(1).Table.Rows.at(0);
  ASSERT_EQ(row.Cells.size(), 2u);
  EXPECT_EQ(row.Cells[0].Right, 20);
  EXPECT_EQ(row.Cells[1].Right, 31680);
}

}  // namespace

// The one table of document formats: which file names it takes and which
// writer each gets.
#include <gtest/gtest.h>

#include <iterator>
#include <string>

#include "doc/DocFormats.h"

TEST(DocFormats, AFileIsKnownByTheExtensionOfItsNameAlone) {
  const struct {
    std::string Path;
    const char* Extension;  // nullptr: not a document format
    TDocWriter Writer;
  } cases[] = {
      {"/tmp/svo1.doc", "doc", TDocWriter::Rtf},
      {"ПАСПОРТ.DOC", "doc", TDocWriter::Rtf},
      {"a.b/x.Rtf", "rtf", TDocWriter::Rtf},
      {"out/svo7.pdf", "pdf", TDocWriter::Pdf},
      {"report.PdF", "pdf", TDocWriter::Pdf},
      {"svo1.docx", "docx", TDocWriter::Docx},
      {"Перекрёсток.ODT", "odt", TDocWriter::Odt},
      {"svo1.docm", nullptr, TDocWriter::Rtf},
      {"svo1.odt.bak", nullptr, TDocWriter::Rtf},
      {"archive.pdf/readme", nullptr, TDocWriter::Rtf},
      {"doc", nullptr, TDocWriter::Rtf},
      {"trailing.", nullptr, TDocWriter::Rtf},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Path);
    const TDocFormat* f = DocFormatOfPath(c.Path);
    if (!c.Extension) {
      EXPECT_EQ(f, nullptr);
      continue;
    }
    ASSERT_NE(f, nullptr);
    EXPECT_STREQ(f->Extension, c.Extension);
    EXPECT_EQ(f->Writer, c.Writer);
  }
}

TEST(DocFormats, TheDefaultComesFirstAndOnlyThePdfTakesAPrintedPassport) {
  const auto& formats = DocFormats();
  const struct {
    const char* Extension;
    const char* Caption;
    TDocWriter Writer;
  } expected[] = {{"docx", "Документ Word (*.docx)", TDocWriter::Docx},
                  {"odt", "Документ ODF (*.odt)", TDocWriter::Odt},
                  {"rtf", "RTF (*.rtf)", TDocWriter::Rtf},
                  {"doc", "Документ Word 97 (*.doc)", TDocWriter::Rtf},
                  {"pdf", "PDF (*.pdf)", TDocWriter::Pdf}};
  ASSERT_EQ(formats.size(), std::size(expected));
  for (std::size_t i = 0; i < formats.size(); ++i) {
    SCOPED_TRACE(expected[i].Extension);
    EXPECT_STREQ(formats[i].Extension, expected[i].Extension);
    EXPECT_STREQ(formats[i].Caption, expected[i].Caption);
    EXPECT_EQ(formats[i].Writer, expected[i].Writer);
    EXPECT_EQ(formats[i].Printable, expected[i].Writer == TDocWriter::Pdf);
  }
  EXPECT_EQ(DocFormatNamed("RTF"), &formats[2]);
}

// The one table of document formats: which file names it takes and which
// writer each gets.
#include <gtest/gtest.h>

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
      {"svo1.docx", nullptr, TDocWriter::Rtf},
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
  ASSERT_EQ(formats.size(), 3u);
  EXPECT_STREQ(formats[0].Extension, "doc");
  EXPECT_STREQ(formats[0].Caption, "Документы MSWord (*.doc)");
  EXPECT_STREQ(formats[1].Caption, "Документ RTF (*.rtf)");
  EXPECT_STREQ(formats[2].Caption, "PDF (*.pdf)");
  EXPECT_FALSE(formats[0].Printable);
  EXPECT_FALSE(formats[1].Printable);
  EXPECT_TRUE(formats[2].Printable);
  EXPECT_EQ(DocFormatNamed("RTF"), &formats[1]);
}

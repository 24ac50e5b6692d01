#include "DocFormats.h"

#include <cctype>

namespace {

std::string Lower(std::string s) {
  for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return s;
}

}  // namespace

const std::vector<TDocFormat>& DocFormats() {
  // Offices file and exchange .docx today, public bodies often .odt. A .doc
  // is the rich text the word processors open as a Word document, as the
  // passports always were.
  static const std::vector<TDocFormat> formats = {
      {"docx", "Документ Word (*.docx)", TDocWriter::Docx, false},
      {"odt", "Документ ODF (*.odt)", TDocWriter::Odt, false},
      {"rtf", "RTF (*.rtf)", TDocWriter::Rtf, false},
      {"doc", "Документ Word 97 (*.doc)", TDocWriter::Rtf, false},
      {"pdf", "PDF (*.pdf)", TDocWriter::Pdf, true},
  };
  return formats;
}

const TDocFormat* DocFormatNamed(const std::string& extension) {
  const std::string ext = Lower(extension);
  for (const TDocFormat& f : DocFormats())
    if (ext == f.Extension) return &f;
  return nullptr;
}

const TDocFormat* DocFormatOfPath(const std::string& path) {
  const std::size_t dot = path.rfind('.');
  const std::size_t slash = path.find_last_of("/\\");
  if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return nullptr;
  return DocFormatNamed(path.substr(dot + 1));
}

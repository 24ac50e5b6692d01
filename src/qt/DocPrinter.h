#pragma once
// The document engine's pages: a document laid out on pages with its
// margins, the page header on every page, tables split between rows with
// their header rows repeated, painted on a printer or into a PDF file.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "doc/DocEngine.h"

class QPagedPaintDevice;
class QPrinter;
class QTextDocument;
class QTextTable;
class QPaintDevice;

// The story as a rich-text document for a device, `width` device pixels wide;
// blocks flagged in breakBefore start a new page, the tables made are listed
// in `tables` in the story's order, and `paras` gets for every story block
// the number of its text block (-1 for a table).
std::unique_ptr<QTextDocument> BuildTextDocument(const TStory& story, QPaintDevice* device, double width,
                                                 const std::vector<bool>* breakBefore = nullptr,
                                                 std::vector<QTextTable*>* tables = nullptr,
                                                 std::vector<int>* paras = nullptr);
// The body laid out on pages `pageH` device pixels high, its tables split
// between rows with their header rows repeated, and a paragraph that keeps
// with the next one moved to the next page with it.
std::unique_ptr<QTextDocument> LayOutBody(const TStory& body, QPaintDevice* device, double width, double pageH);
// Paints every page; returns the number of pages, 0 when the device would
// not take the painting.
int PaintDocument(const TDocument& doc, QPagedPaintDevice& device);

class TQtDocOutput : public TDocOutput {
 public:
  // Throws TDocError naming the file when it cannot be written; the file is
  // replaced only by a complete PDF.
  void WritePdf(const TDocument& doc, const std::string& path) override;
  // Prints on Printer (set up by the print dialog); throws without one.
  void Print(const TDocument& doc) override;
  // Hands the path to OnShow, else to the desktop's default application;
  // when nothing opens it and the user asked to see it, says where the file is.
  void Show(const std::string& path, bool asked) override;

  QPrinter* Printer = nullptr;
  // Opens the document instead of the desktop; false when nothing could.
  std::function<bool(const std::string&)> OnShow;
};

#pragma once
// Our own word processor behind the command seam: it executes the export's
// command stream on a document in memory, reads and writes the documents as
// RTF, and hands laying out, printing and showing to an output that knows a
// screen and a printer. Command names compare without case.
#include <map>
#include <memory>
#include <string>

#include "DocFiles.h"
#include "Document.h"
#include "platform/WordBasic.h"

// What the engine cannot do on its own: put the document on paper or on the
// screen.
class TDocOutput {
 public:
  virtual ~TDocOutput() = default;
  // Lays the document out on pages and writes them as a PDF file.
  virtual void WritePdf(const TDocument& doc, const std::string& path) = 0;
  virtual void Print(const TDocument& doc) = 0;
  // Opens a saved document for the user to read. `asked`: the user asked to
  // see the word processor while it worked, so a document that nothing can
  // open is worth a word; otherwise the failure passes quietly.
  virtual void Show(const std::string& path, bool asked) = 0;
};

// Where typing goes: a paragraph of the body or the header, or a paragraph
// of a table cell.
struct TCaret {
  bool InHeader = false;
  std::size_t Block = 0;
  // Row and column of the cell, or -1 in a paragraph of the story itself.
  int Row = -1;
  int Col = -1;
  // The paragraph within the cell.
  std::size_t Para = 0;
  // Byte offset in the paragraph's text.
  std::size_t Offset = 0;
  bool InTable() const { return Row >= 0; }
};

class TDocEngine : public TWordBasic {
 public:
  explicit TDocEngine(TDocOutput* output = nullptr) : Output_(output) {}

  // Throws TDocError naming the command and the reason.
  void Send(const std::string& command, const TWordArgs& args = {}) override;

  // A copy of a file made in memory: opening `to` reads the bytes `from`
  // held now, and nothing reaches `to` on disk before the document is saved.
  // Throws TDocError when `from` cannot be read.
  void StageCopy(const std::string& from, const std::string& to);

  bool HasDocument() const { return Doc_ != nullptr; }
  const TDocument& Document() const { return *Doc_; }
  const std::string& DocumentPath() const { return Path_; }
  const TCaret& Caret() const { return Caret_; }
  // The format the next typed text gets.
  const TRunFormat& TypingFormat() const { return Format_; }
  bool Visible() const { return Visible_; }

 private:
  using THandler = void (TDocEngine::*)(const TWordArgs&);
  static const std::map<std::string, THandler>& Handlers();

  TDocument& Doc();
  TStory& StoryOf(const TCaret& c);
  TStory& Story();
  TParagraph& Para();
  TTable& Table();
  // Moves the caret and takes the typing format from where it lands.
  void MoveTo(const TCaret& c);
  // The first line of block k of the current story, if there is one.
  bool LineOfBlock(std::size_t k, TCaret& c);
  bool NextLine(TCaret& c);
  // The bytes opening `path` reads, and the file they came from (a staged
  // copy's source), which is the file a failure to read them names.
  std::string LoadFile(const std::string& path, std::string& source);
  TDocument ReadFile(const std::string& path);
  void TypeText(const std::string& text);
  void BreakParagraph();

  void AppShow(const TWordArgs&);
  void FileOpen(const TWordArgs&);
  void FileSave(const TWordArgs&);
  void ViewHeader(const TWordArgs&);
  void CloseViewHeaderFooter(const TWordArgs&);
  void CenterPara(const TWordArgs&);
  void LeftPara(const TWordArgs&);
  void LineDown(const TWordArgs&);
  void Insert(const TWordArgs&);
  void FilePageSetup(const TWordArgs&);
  void FilePrint(const TWordArgs&);
  void InsertFile(const TWordArgs&);
  void EditGoTo(const TWordArgs&);
  void NextCell(const TWordArgs&);
  void TableSelectTable(const TWordArgs&);
  void CharRight(const TWordArgs&);
  void InsertPara(const TWordArgs&);
  void FontSize(const TWordArgs&);
  void Bold(const TWordArgs&);

  TDocOutput* Output_;
  std::unique_ptr<TDocument> Doc_;
  std::string Path_;
  // The file the last Insertfile read into the open document.
  std::string LastInserted_;
  bool Saved_ = false;
  bool Visible_ = false;
  TCaret Caret_;
  TCaret BodyCaret_;
  TRunFormat Format_;
  bool TableSelected_ = false;
  // Staged copies: target path -> (source path, bytes).
  std::map<std::string, std::pair<std::string, std::string>> Staged_;
};

// A length of the page set-up as the word processor takes it: a number with
// a comma or a point, then a unit (" or in, cm, mm, pt; points without one).
// Returns twips; throws TDocError for anything else.
int ParseMeasure(const std::string& text);

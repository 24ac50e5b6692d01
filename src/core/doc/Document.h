#pragma once
// A word-processor document as the export builds it: a body and a page
// header, each a sequence of paragraphs and tables; a table is rows of cells
// and a cell holds paragraphs. A paragraph is runs of text with bold and a
// font size, and bookmarks (named points between characters).
#include <cstddef>
#include <string>
#include <vector>

struct TRunFormat {
  bool Bold = false;
  // Points.
  int Size = 12;
  bool operator==(const TRunFormat& o) const { return Bold == o.Bold && Size == o.Size; }
  bool operator!=(const TRunFormat& o) const { return !(*this == o); }
};

enum class TAlign { Left, Center, Right, Justify };

// A run of text, or (with an empty text and a name) a bookmark.
struct TRun {
  std::string Text;
  TRunFormat Format;
  std::string Bookmark;
};

struct TParagraph {
  std::vector<TRun> Runs;
  TAlign Align = TAlign::Left;
  // The format of the paragraph mark: what an empty paragraph types with.
  TRunFormat Mark;
  // Kept on one page with the paragraph (or the first row of the table)
  // that follows it: a heading never stays alone at the foot of a page.
  bool KeepNext = false;

  // The text of every run, bookmarks left out.
  std::string Text() const;
  // Length of Text() in bytes.
  std::size_t Length() const;
};

struct TCell {
  std::vector<TParagraph> Paras{TParagraph{}};
  // Right edge from the table's left edge, twips.
  int Right = 0;
  std::string Text() const;
};

struct TRow {
  std::vector<TCell> Cells;
  // Repeated at the top of every page the table continues on.
  bool Header = false;
};

struct TTable {
  std::vector<TRow> Rows;
};

struct TBlock {
  bool IsTable = false;
  TParagraph Para;
  TTable Table;
};

struct TStory {
  std::vector<TBlock> Blocks;
};

// Page size and margins in twips (1440 a inch).
struct TPageSetup {
  int Width = 11906;
  int Height = 16838;
  int Top = 1440;
  int Bottom = 1440;
  int Left = 1800;
  int Right = 1800;
  // From the top edge of the page to the top of the header.
  int HeaderDistance = 708;
  bool Landscape = false;
};

struct TDocument {
  TStory Body;
  TStory Header;
  TPageSetup Page;
};

// Inserts text with a format at a byte offset of a paragraph, joining it to
// a neighbouring run of the same format.
void InsertText(TParagraph& p, std::size_t offset, const std::string& text, const TRunFormat& format);
// Splits p at a byte offset: p keeps the part before, the result holds the
// part after with p's alignment, mark and keeping. Bookmarks at the offset stay in p.
TParagraph SplitParagraph(TParagraph& p, std::size_t offset);
// Appends the runs of `tail` to p.
void JoinParagraph(TParagraph& p, const TParagraph& tail);
// The format text typed at `offset` gets: that of the character before it,
// else of the first character, else the paragraph mark's.
TRunFormat FormatAt(const TParagraph& p, std::size_t offset);
// The bookmark names of a story, in order.
std::vector<std::string> Bookmarks(const TStory& story);
// Removes every bookmark of that name from the story.
void RemoveBookmark(TStory& story, const std::string& name);

#include "DocPrinter.h"

#include <QAbstractTextDocumentLayout>
#include <QDesktopServices>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QTextBlock>
#include <QTextLayout>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>
#include <QUrl>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <set>

#include "platform/Messages.h"

namespace {

// Metric twin of the font the documents name, present on every desktop we
// support through fontconfig's substitution.
const char* kFontFamily = "Times New Roman";

QTextCharFormat CharFormat(const TRunFormat& f) {
  QTextCharFormat c;
  c.setFontFamilies({QString::fromLatin1(kFontFamily)});
  c.setFontPointSize(f.Size);
  c.setFontWeight(f.Bold ? QFont::Bold : QFont::Normal);
  return c;
}

Qt::Alignment Alignment(TAlign a) {
  switch (a) {
    case TAlign::Center: return Qt::AlignHCenter;
    case TAlign::Right: return Qt::AlignRight;
    case TAlign::Justify: return Qt::AlignJustify;
    case TAlign::Left: break;
  }
  return Qt::AlignLeft;
}

// Writes a paragraph at the cursor: into the block it is in (`reuse`) or a
// new one.
void AddParagraph(QTextCursor& c, const TParagraph& p, bool reuse, bool newPage = false) {
  QTextBlockFormat bf;
  bf.setAlignment(Alignment(p.Align));
  if (newPage) bf.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
  if (reuse) {
    c.setBlockFormat(bf);
    c.setBlockCharFormat(CharFormat(p.Mark));
  } else {
    c.insertBlock(bf, CharFormat(p.Mark));
  }
  for (const TRun& r : p.Runs)
    if (!r.Text.empty()) c.insertText(QString::fromStdString(r.Text), CharFormat(r.Format));
}

int HeaderRows(const TTable& t) {
  int n = 0;
  while (n < static_cast<int>(t.Rows.size()) && t.Rows[static_cast<std::size_t>(n)].Header) ++n;
  return n;
}

// Lengths inside a rich-text document's formats are in pixels of 96 a
// inch; the layout scales them to the device.
constexpr double kFormatPxPerTwip = 96.0 / 1440.0;

QTextTable* AddTable(QTextCursor& c, const TTable& t, bool newPage) {
  const double pxPerTwip = kFormatPxPerTwip;
  // Rows may cut the width differently (a caption over several columns):
  // the grid has a column between every two edges any row has.
  std::set<int> edges;
  for (const TRow& r : t.Rows)
    for (const TCell& cell : r.Cells) edges.insert(cell.Right);
  const std::vector<int> grid(edges.begin(), edges.end());
  if (grid.empty() || t.Rows.empty()) return nullptr;
  QTextTableFormat tf;
  tf.setBorder(1.0);
  tf.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
  tf.setBorderBrush(Qt::black);
  tf.setBorderCollapse(true);
  tf.setCellSpacing(0);
  tf.setCellPadding(60 * pxPerTwip);
  tf.setMargin(0);
  if (newPage) tf.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
  tf.setHeaderRowCount(HeaderRows(t));
  QList<QTextLength> widths;
  int left = 0;
  for (int edge : grid) {
    widths.append(QTextLength(QTextLength::FixedLength, (edge - left) * pxPerTwip));
    left = edge;
  }
  tf.setColumnWidthConstraints(widths);
  QTextTable* table = c.insertTable(static_cast<int>(t.Rows.size()), static_cast<int>(grid.size()), tf);
  // Text first, then the spans: a cell merged before it is filled lays its
  // text out in the width of its first column.
  struct TSpan {
    int Row, Col, Count;
  };
  std::vector<TSpan> spans;
  for (std::size_t r = 0; r < t.Rows.size(); ++r) {
    int col = 0;
    for (const TCell& cell : t.Rows[r].Cells) {
      const int last = static_cast<int>(std::lower_bound(grid.begin(), grid.end(), cell.Right) - grid.begin());
      if (col > last || col >= static_cast<int>(grid.size())) break;
      if (last > col) spans.push_back({static_cast<int>(r), col, last - col + 1});
      QTextCursor cc = table->cellAt(static_cast<int>(r), col).firstCursorPosition();
      for (std::size_t i = 0; i < cell.Paras.size(); ++i) AddParagraph(cc, cell.Paras[i], i == 0);
      col = last + 1;
    }
  }
  for (const TSpan& s : spans) table->mergeCells(s.Row, s.Col, 1, s.Count);
  c.movePosition(QTextCursor::End);
  return table;
}

// The y range a table row takes in the laid-out document.
bool RowExtent(QTextDocument& doc, QTextTable* t, int row, double& top, double& bottom) {
  QAbstractTextDocumentLayout* layout = doc.documentLayout();
  bool any = false;
  for (int col = 0; col < t->columns(); ++col) {
    const QTextTableCell cell = t->cellAt(row, col);
    if (!cell.isValid() || cell.row() != row) continue;
    const QRectF first = layout->blockBoundingRect(cell.firstCursorPosition().block());
    const QRectF last = layout->blockBoundingRect(cell.lastCursorPosition().block());
    top = any ? std::min(top, first.top()) : first.top();
    bottom = any ? std::max(bottom, last.bottom()) : last.bottom();
    any = true;
  }
  return any;
}

// The page a line of a laid-out paragraph falls on: its first or its last.
int PageOfLine(QTextDocument& doc, int blockNumber, bool last, double pageH) {
  const QTextBlock block = doc.findBlockByNumber(blockNumber);
  const QRectF rect = doc.documentLayout()->blockBoundingRect(block);
  const QTextLayout* layout = block.layout();
  double mid = rect.top();
  if (layout && layout->lineCount() > 0) {
    const QTextLine line = layout->lineAt(last ? layout->lineCount() - 1 : 0);
    mid = rect.top() + line.y() + line.height() / 2;
  }
  return static_cast<int>(std::floor(mid / pageH));
}

// A paragraph that keeps with the next block but ends a page the next block
// does not start: the run of keeping paragraphs it closes starts the next
// page. False when nothing was moved (also when the run has been moved once
// and is longer than a page).
bool KeepWithNext(QTextDocument& doc, const TStory& story, const std::vector<QTextTable*>& tableOf,
                  const std::vector<int>& paras, std::size_t k, double pageH, std::vector<bool>& breakBefore) {
  if (!story.Blocks[k].Para.KeepNext || k + 1 >= story.Blocks.size() || paras[k] < 0) return false;
  const int here = PageOfLine(doc, paras[k], true, pageH);
  int next = here;
  if (QTextTable* qt = tableOf[k + 1]) {
    // The first row under the header rows, which go over with it.
    const int row = std::min(HeaderRows(story.Blocks[k + 1].Table), qt->rows() - 1);
    double top = 0;
    double bottom = 0;
    if (!RowExtent(doc, qt, row, top, bottom)) return false;
    next = static_cast<int>(std::floor((bottom - 0.5) / pageH));
  } else if (paras[k + 1] >= 0) {
    next = PageOfLine(doc, paras[k + 1], false, pageH);
  }
  if (next <= here) return false;
  std::size_t first = k;
  while (first > 0 && !story.Blocks[first - 1].IsTable && story.Blocks[first - 1].Para.KeepNext) --first;
  if (first == 0 || breakBefore[first]) return false;
  breakBefore[first] = true;
  return true;
}

}  // namespace

namespace {

// The story as a document `width` wide, cut into pages `pageH` high when
// that is not 0. The page size is set before the story is filled in: set
// afterwards it would lay the whole document out a second time.
std::unique_ptr<QTextDocument> BuildPagedDocument(const TStory& story, QPaintDevice* device, double width,
                                                  double pageH, const std::vector<bool>* breakBefore,
                                                  std::vector<QTextTable*>* tables, std::vector<int>* paras) {
  auto doc = std::make_unique<QTextDocument>();
  // Nothing of it is ever undone.
  doc->setUndoRedoEnabled(false);
  if (device) doc->documentLayout()->setPaintDevice(device);
  doc->setDocumentMargin(0);
  doc->setDefaultFont(QFont(QString::fromLatin1(kFontFamily), 12));
  if (pageH > 0)
    doc->setPageSize(QSizeF(width, pageH));
  else
    doc->setTextWidth(width);
  QTextCursor c(doc.get());
  // One edit: laid out once when it ends, not after every cell and text
  // inserted (which made a passport's tables cost seconds).
  c.beginEditBlock();
  bool reuse = true;
  for (std::size_t i = 0; i < story.Blocks.size(); ++i) {
    const TBlock& b = story.Blocks[i];
    const bool newPage = breakBefore && i < breakBefore->size() && (*breakBefore)[i];
    if (b.IsTable) {
      QTextTable* t = AddTable(c, b.Table, newPage);
      if (tables) tables->push_back(t);
      if (paras) paras->push_back(-1);
      // The table leaves an empty block after itself for what follows.
      reuse = true;
    } else {
      AddParagraph(c, b.Para, reuse, newPage);
      if (paras) paras->push_back(c.block().blockNumber());
      reuse = false;
    }
  }
  c.endEditBlock();
  return doc;
}

}  // namespace

std::unique_ptr<QTextDocument> BuildTextDocument(const TStory& story, QPaintDevice* device, double width,
                                                 const std::vector<bool>* breakBefore,
                                                 std::vector<QTextTable*>* tables, std::vector<int>* paras) {
  return BuildPagedDocument(story, device, width, 0, breakBefore, tables, paras);
}

std::unique_ptr<QTextDocument> LayOutBody(const TStory& original, QPaintDevice* device, double width, double pageH) {
  // Tables are split between rows: a row that the end of a page would cut
  // starts the next page, under a copy of its table's header rows; a table
  // whose first row does not fit under its header starts the next page whole.
  TStory story = original;
  std::vector<bool> breakBefore(story.Blocks.size(), false);
  for (int pass = 0;; ++pass) {
    std::vector<QTextTable*> tables;
    std::vector<int> paras;
    auto doc = BuildPagedDocument(story, device, width, pageH, &breakBefore, &tables, &paras);
    if (pass >= 200) return doc;
    // The table of every story block, null for paragraphs.
    std::vector<QTextTable*> tableOf(story.Blocks.size(), nullptr);
    for (std::size_t k = 0, n = 0; k < story.Blocks.size(); ++k)
      if (story.Blocks[k].IsTable && n < tables.size()) tableOf[k] = tables[n++];
    bool changed = false;
    for (std::size_t k = 0; k < story.Blocks.size() && !changed; ++k) {
      if (!story.Blocks[k].IsTable) {
        changed = KeepWithNext(*doc, story, tableOf, paras, k, pageH, breakBefore);
        continue;
      }
      QTextTable* qt = tableOf[k];
      if (!qt) continue;
      // A table that lies on one page has no row cut by a page's end: the
      // rows need not be measured one by one.
      const QRectF whole = doc->documentLayout()->frameBoundingRect(qt);
      if (std::floor(whole.top() / pageH) == std::floor((whole.bottom() - 0.5) / pageH)) continue;
      const TTable& t = story.Blocks[k].Table;
      const int headers = HeaderRows(t);
      for (int r = 0; r < qt->rows(); ++r) {
        double top = 0;
        double bottom = 0;
        if (!RowExtent(*doc, qt, r, top, bottom)) continue;
        if (std::floor(top / pageH) == std::floor((bottom - 0.5) / pageH)) continue;
        if (r <= headers) {
          // The header and the first row go over together.
          if (!breakBefore[k]) {
            breakBefore[k] = true;
            changed = true;
          }
          break;
        }
        if (bottom - top >= pageH * 0.9) continue;  // a row taller than a page is cut where it must
        TBlock rest;
        rest.IsTable = true;
        rest.Table.Rows.assign(t.Rows.begin(), t.Rows.begin() + headers);
        rest.Table.Rows.insert(rest.Table.Rows.end(), t.Rows.begin() + r, t.Rows.end());
        story.Blocks[k].Table.Rows.resize(static_cast<std::size_t>(r));
        story.Blocks.insert(story.Blocks.begin() + static_cast<std::ptrdiff_t>(k) + 1, rest);
        breakBefore.insert(breakBefore.begin() + static_cast<std::ptrdiff_t>(k) + 1, true);
        changed = true;
        break;
      }
    }
    if (!changed) return doc;
  }
}

int PaintDocument(const TDocument& doc, QPagedPaintDevice& device) {
  const TPageSetup& pg = doc.Page;
  const QPageSize size(QSizeF(pg.Width / 1440.0, pg.Height / 1440.0), QPageSize::Inch);
  device.setPageLayout(QPageLayout(size, pg.Width > pg.Height ? QPageLayout::Landscape : QPageLayout::Portrait,
                                   QMarginsF(0, 0, 0, 0)));
  const double dpiX = device.logicalDpiX();
  const double dpiY = device.logicalDpiY();
  auto px = [&](int twips) { return twips * dpiX / 1440.0; };
  auto py = [&](int twips) { return twips * dpiY / 1440.0; };
  // The page as the engine set it up: width and height already follow the
  // orientation.
  const double pageH = py(pg.Height);
  const double textW = std::max(px(pg.Width - pg.Left - pg.Right), px(720));

  auto header = BuildTextDocument(doc.Header, &device, textW);
  const double headerTop = py(pg.HeaderDistance);
  const double headerH = doc.Header.Blocks.empty() ? 0 : header->size().height();
  // A header taller than the top margin pushes the text down, as on screen.
  const double bodyTop = std::max(py(pg.Top), headerTop + headerH + py(120));
  const double bodyH = std::max(pageH - bodyTop - py(pg.Bottom), py(1440));

  auto body = LayOutBody(doc.Body, &device, textW, bodyH);
  const int pages = body->pageCount();

  QPainter painter;
  if (!painter.begin(&device)) return 0;
  for (int i = 0; i < pages; ++i) {
    if (i > 0) device.newPage();
    painter.save();
    painter.translate(px(pg.Left), headerTop);
    header->drawContents(&painter);
    painter.restore();
    painter.save();
    painter.translate(px(pg.Left), bodyTop - i * bodyH);
    body->drawContents(&painter, QRectF(0, i * bodyH, textW, bodyH));
    painter.restore();
  }
  painter.end();
  return pages;
}

void TQtDocOutput::WritePdf(const TDocument& doc, const std::string& path) {
  const std::string tmp = path + ".tmp~";
  int pages = 0;
  {
    QPdfWriter pdf(QString::fromStdString(tmp));
    pdf.setResolution(300);
    pdf.setCreator(QStringLiteral("svpass"));
    pages = PaintDocument(doc, pdf);
  }
  if (pages == 0 || std::rename(tmp.c_str(), path.c_str()) != 0) {
    std::remove(tmp.c_str());
    throw TDocError("Не удалось записать файл " + path + ": нет доступа к файлу или каталогу");
  }
}

void TQtDocOutput::Print(const TDocument& doc) {
  if (!Printer) throw TDocError("принтер не выбран");
  Printer->setFullPage(true);
  if (PaintDocument(doc, *Printer) == 0) throw TDocError("принтер не принял документ");
}

void TQtDocOutput::Show(const std::string& path, bool asked) {
  const bool opened =
      OnShow ? OnShow(path) : QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(path)));
  // The user who did not ask to see the document chose its file a moment
  // ago and needs no word about a viewer.
  if (!opened && asked) ShowInfo("Документ сохранён в файл " + path + ". Программа для его просмотра не найдена.");
}

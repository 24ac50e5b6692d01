#include "Document.h"

#include <utility>

std::string TParagraph::Text() const {
  std::string out;
  for (const TRun& r : Runs) out += r.Text;
  return out;
}

std::size_t TParagraph::Length() const {
  std::size_t n = 0;
  for (const TRun& r : Runs) n += r.Text.size();
  return n;
}

std::string TCell::Text() const {
  std::string out;
  for (std::size_t i = 0; i < Paras.size(); ++i) {
    if (i) out += "\n";
    out += Paras[i].Text();
  }
  return out;
}

namespace {

// Index of the run boundary at `offset`, splitting a run when the offset
// falls inside it. Bookmarks sitting at the offset stay before the boundary.
std::size_t SplitAt(TParagraph& p, std::size_t offset) {
  std::size_t pos = 0;
  for (std::size_t i = 0; i < p.Runs.size(); ++i) {
    const std::size_t len = p.Runs[i].Text.size();
    if (offset < pos + len && offset > pos) {
      TRun tail = p.Runs[i];
      tail.Text = p.Runs[i].Text.substr(offset - pos);
      p.Runs[i].Text.resize(offset - pos);
      p.Runs.insert(p.Runs.begin() + static_cast<std::ptrdiff_t>(i) + 1, tail);
      return i + 1;
    }
    if (offset == pos && len > 0) return i;
    pos += len;
  }
  return p.Runs.size();
}

}  // namespace

void InsertText(TParagraph& p, std::size_t offset, const std::string& text, const TRunFormat& format) {
  if (text.empty()) return;
  const std::size_t at = SplitAt(p, offset);
  if (at > 0 && p.Runs[at - 1].Bookmark.empty() && p.Runs[at - 1].Format == format) {
    p.Runs[at - 1].Text += text;
    return;
  }
  p.Runs.insert(p.Runs.begin() + static_cast<std::ptrdiff_t>(at), TRun{text, format, ""});
}

TParagraph SplitParagraph(TParagraph& p, std::size_t offset) {
  TParagraph tail;
  tail.Align = p.Align;
  tail.Mark = p.Mark;
  tail.KeepNext = p.KeepNext;
  const std::size_t at = SplitAt(p, offset);
  tail.Runs.assign(p.Runs.begin() + static_cast<std::ptrdiff_t>(at), p.Runs.end());
  p.Runs.resize(at);
  return tail;
}

void JoinParagraph(TParagraph& p, const TParagraph& tail) {
  for (const TRun& r : tail.Runs) {
    if (!p.Runs.empty() && r.Bookmark.empty() && p.Runs.back().Bookmark.empty() && p.Runs.back().Format == r.Format) {
      p.Runs.back().Text += r.Text;
    } else {
      p.Runs.push_back(r);
    }
  }
}

TRunFormat FormatAt(const TParagraph& p, std::size_t offset) {
  std::size_t pos = 0;
  const TRun* before = nullptr;
  const TRun* first = nullptr;
  for (const TRun& r : p.Runs) {
    if (r.Text.empty()) continue;
    if (!first) first = &r;
    if (pos < offset) before = &r;
    pos += r.Text.size();
  }
  if (before) return before->Format;
  if (first) return first->Format;
  return p.Mark;
}

namespace {

template <typename F>
void ForEachParagraph(TStory& story, F f) {
  for (TBlock& b : story.Blocks) {
    if (!b.IsTable) {
      f(b.Para);
      continue;
    }
    for (TRow& row : b.Table.Rows)
      for (TCell& cell : row.Cells)
        for (TParagraph& p : cell.Paras) f(p);
  }
}

}  // namespace

std::vector<std::string> Bookmarks(const TStory& story) {
  std::vector<std::string> out;
  ForEachParagraph(const_cast<TStory&>(story), [&](TParagraph& p) {
    for (const TRun& r : p.Runs)
      if (!r.Bookmark.empty()) out.push_back(r.Bookmark);
  });
  return out;
}

void RemoveBookmark(TStory& story, const std::string& name) {
  ForEachParagraph(story, [&](TParagraph& p) {
    for (std::size_t i = p.Runs.size(); i-- > 0;)
      if (p.Runs[i].Bookmark == name) p.Runs.erase(p.Runs.begin() + static_cast<std::ptrdiff_t>(i));
  });
}

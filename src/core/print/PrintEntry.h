#pragma once
// The six ways to a printed page, as the main window's print entries name
// them: which picture the page holds, what its title says and whether the
// phase pictures carry their caption.
#include <string>

#include "PrintPage.h"

class TSVInfo;

enum class TPrintEntry { CurrentScheme, Tsrd, Odd, Cable, TimeDiagram, TramHeads };

struct TPrintEntryRule {
  TPrintMode Mode;
  // The title's second line; empty for the current scheme.
  const char* Heading;
  // The layer-set prints have no caption band under their pictures.
  bool NoFooter;
};

TPrintEntryRule PrintEntryRule(TPrintEntry entry);
// The page title: "address (Объект № N) ", then a line break and the entry's
// heading when it has one.
std::string PrintTitle(const TSVInfo& info, TPrintEntry entry);

// The file name a page saved as PDF is offered under: the passport's folder
// name and what the page shows ("svo1 схема.pdf", "svo1 временная
// диаграмма.pdf", "svo1 трамвайные головки.pdf").
std::string PrintFileName(const std::string& passportDir, TPrintMode mode);

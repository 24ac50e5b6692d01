#pragma once
// The printed pages a published site links to, made with the print
// dialog's rules and written as PDF in memory: the scheme and the time
// diagram on A4 as the print command makes them.
#include "web/SitePublisher.h"

class TQtWebPrinter : public TWebPrinter {
 public:
  std::string SchemePdf(TSVObject& scheme) override;
  std::string DiagramPdf(TSVObject& scheme) override;
};

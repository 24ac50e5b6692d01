#pragma once
// The printed page as a vector PDF, laid out in memory: what the print
// command writes and the viewer saves as its scheme's PDF.
#include <QPageLayout>
#include <functional>
#include <string>

#include "print/PageLayout.h"

class TPrintFormModel;
class TSVObject;

enum class TPdfResult { Written, NotConfigured, NotWritten };

// `configure` sets up the print model for a printer with the PDF's metrics
// (false: nothing is drawn, the reason was told). `dpi`: a PDF has no raster
// of its own, 600 dots per inch keep one-pixel lines fine and every
// position within a twentieth of a millimetre.
TPdfResult PrintedPagePdf(TSVObject& scheme, const QPageLayout& layout, int dpi, const std::string& title,
                          const std::function<bool(TPrintFormModel&, const TPrinterMetrics&)>& configure,
                          std::string& bytes);

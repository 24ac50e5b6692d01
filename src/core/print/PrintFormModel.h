#pragma once
// The print dialog "Печать схемы" without its widgets: the printer it prints
// on, the preview's zoom and sign scale, the margins and what the page
// shows, and the two draw contexts of the preview and of the printer.
#include <string>

#include "PrintPage.h"
#include "model/DrawContext.h"
#include "platform/Dialogs.h"

class TIniFile;
class TSVObject;

class TPrintFormModel : public TDialogModel {
 public:
  TPrintFormModel() { Preview.Normalize(); }
  const char* FormName() const override { return "TPrintForm"; }
  // Closing the preview prints nothing.
  int Press(TDialogButton button) override;
  // "-", "+", "A+", "A-".
  bool PressButton(const std::string& caption) override;
  // "Показать границы полей:" switches the grey frames of the preview.
  bool SetChecked(const std::string& caption, bool on);

  TPrinterMetrics Printer;
  // Device pixels per preview pixel.
  double ZoomDivisor = 30;
  // Signs and texts are drawn at 1 / SignDivisor of their printed size.
  double SignDivisor = 1;
  TPageMargins Margins = kPrintMargins;
  TPageContent Content;
  // ColorPrint and GrayBorder of the preview context are the page's own.
  TDrawContext Preview;

  // A fresh opening for the passport: printer metrics, zoom and sign scale
  // reset, margins from config.ini (or the defaults without one), frames
  // on, one phase, the clock's phase first and the one after it second,
  // date on. False when a margin in config.ini is not a number (the error
  // was shown): the dialog is not to be shown.
  bool Prepare(TSVObject& scheme, const TIniFile* config, const TPrinterMetrics& printer, const std::string& today);

  // The zoom at which the whole paper fits a viewport of that many preview
  // pixels (nothing changes for an empty viewport).
  void FitZoom(TSize viewport);
  // The preview paper in preview pixels.
  TSize PaperSize() const;
  // Sets the preview context's canvas, sign scale and pixels per millimetre
  // for the current zoom.
  void SetupPreview(TCanvas* canvas);
  TPageRects PreviewRects() const;
  // The whole preview paper, frames as switched.
  void DrawPreview(TSVObject& scheme, TCanvas& canvas);

  // The printer's context: the preview's scaled up to device pixels.
  TDrawContext PrinterContext(TCanvas* canvas) const;
  // Page rectangles on a printer canvas whose origin is the printable
  // area's corner.
  TPageRects PrinterRects() const;
  // The page as printed: device pixels, no frames.
  void DrawPrinted(TSVObject& scheme, TCanvas& printerCanvas);

  // "100 / divisor" in general format with 5 significant digits and "%".
  std::string ZoomLabel() const;
  std::string SignScaleLabel() const;
};

#include "PrintFormModel.h"

#include <algorithm>

#include "model/Geometry.h"
#include "model/SVObject.h"
#include "plan/SVInfo.h"
#include "plan/SVtime.h"
#include "platform/IniFile.h"

int TPrintFormModel::Press(TDialogButton) { return mrCancel; }

bool TPrintFormModel::PressButton(const std::string& caption) {
  if (caption == "-")
    ZoomDivisor *= 1.4;
  else if (caption == "+")
    ZoomDivisor *= 1 / 1.4;
  else if (caption == "A+")
    SignDivisor *= 5.0 / 6.0;
  else if (caption == "A-")
    SignDivisor *= 1.2;
  else
    return false;
  return true;
}

bool TPrintFormModel::SetChecked(const std::string& caption, bool on) {
  if (caption != "Показать границы полей:") return false;
  Content.Frames = on;
  return true;
}

bool TPrintFormModel::Prepare(TSVObject& scheme, const TIniFile* config, const TPrinterMetrics& printer,
                              const std::string& today) {
  Printer = printer;
  ZoomDivisor = Printer.DpiX * 6.0 / 120.0;
  SignDivisor = 1.0;
  Margins = kPrintMargins;
  if (config && !ReadPageMargins(*config, kPrintMargins, Margins)) return false;
  Content.Date = today;
  Content.Frames = true;
  Content.TwoPhases = false;
  Content.FirstPhase = scheme.Time->Phase;
  Content.SecondPhase = scheme.Time->NextPhase(scheme.Time->Phase);
  Content.NoDate = false;
  // The printed scheme keeps the passport's real scale, as the viewer shows it.
  Preview.ObjectScale = scheme.Info->RealScale;
  return true;
}

void TPrintFormModel::FitZoom(TSize viewport) {
  if (viewport.cx <= 0 || viewport.cy <= 0 || Printer.PaperWidth <= 0 || Printer.PaperHeight <= 0) return;
  ZoomDivisor = std::max(static_cast<double>(Printer.PaperWidth) / viewport.cx,
                         static_cast<double>(Printer.PaperHeight) / viewport.cy);
}

TSize TPrintFormModel::PaperSize() const {
  return TSize{Round(Printer.PaperWidth / ZoomDivisor), Round(Printer.PaperHeight / ZoomDivisor)};
}

void TPrintFormModel::SetupPreview(TCanvas* canvas) {
  Preview.Canvas = canvas;
  const double dpi = std::min(Printer.DpiX, Printer.DpiY);
  Preview.SignScale = dpi / (ZoomDivisor * 120 * SignDivisor);
  Preview.LineFactor = dpi / 25.4 / ZoomDivisor;
}

TPageRects TPrintFormModel::PreviewRects() const { return PageRects(Margins, Printer, TPoint{0, 0}, ZoomDivisor); }

void TPrintFormModel::DrawPreview(TSVObject& scheme, TCanvas& canvas) {
  SetupPreview(&canvas);
  DrawPage(scheme, Preview, Content, PreviewRects());
}

TDrawContext TPrintFormModel::PrinterContext(TCanvas* canvas) const {
  TDrawContext p;
  p.Canvas = canvas;
  p.Normalize();
  p.ObjectScale = Preview.ObjectScale;
  p.SignScale = Preview.SignScale * ZoomDivisor;
  p.LineFactor = Preview.LineFactor * ZoomDivisor;
  p.OriginX = Preview.OriginX * ZoomDivisor;
  p.OriginY = Preview.OriginY * ZoomDivisor;
  p.Zoom = Preview.Zoom * ZoomDivisor;
  p.ColorPrint = Preview.ColorPrint;
  p.GrayBorder = Preview.GrayBorder;
  return p;
}

TPageRects TPrintFormModel::PrinterRects() const {
  return PageRects(Margins, Printer, TPoint{Printer.Printable.Left, Printer.Printable.Top}, 1.0);
}

void TPrintFormModel::DrawPrinted(TSVObject& scheme, TCanvas& printerCanvas) {
  SetupPreview(Preview.Canvas);
  TDrawContext printer = PrinterContext(&printerCanvas);
  TPageContent paper = Content;
  paper.Frames = false;
  DrawPage(scheme, printer, paper, PrinterRects());
}

std::string TPrintFormModel::ZoomLabel() const { return FormatGeneral5(100 / ZoomDivisor) + "%"; }
std::string TPrintFormModel::SignScaleLabel() const { return FormatGeneral5(100 / SignDivisor) + "%"; }

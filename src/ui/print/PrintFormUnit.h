#pragma once
// "Печать схемы": the page preview with its zoom, sign scale and frame
// controls, the page settings, the printer set-up and printing, as a thin
// window over the print dialog's model.
#include <QDialog>
#include <QImage>
#include <QPrinter>
#include <QWidget>

#include "print/PrintFormModel.h"

class QCheckBox;
class QLabel;
class QPushButton;
class QScrollArea;
class TIniFile;
class TSVObject;
class TSetPageForm;

// The preview paper: the page drawn at the preview's zoom.
class TPreviewPaper : public QWidget {
  Q_OBJECT

 public:
  explicit TPreviewPaper(QWidget* parent = nullptr) : QWidget(parent) {}
  void SetPicture(const QImage& picture);
  const QImage& Picture() const { return Picture_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QImage Picture_;
};

// The printer's paper, printable area and resolution as the page sees them.
TPrinterMetrics PrinterMetrics(const QPrinter& printer);
// The printer of the session: what the user chose in "Настройка принтера"
// stays chosen for every later print until the program ends.
QPrinter& SessionPrinter();

class TPrintForm : public QDialog {
  Q_OBJECT

 public:
  explicit TPrintForm(QWidget* parent = nullptr);
  ~TPrintForm() override;

  // A fresh opening for the passport (margins from config.ini). False when a
  // stored margin is not a number; the error has been shown.
  bool Prepare(TSVObject& scheme, const TIniFile* config);
  // Starts the preview and the printer from new draw contexts (colour and
  // grey border off).
  void NewContexts();
  TPrintFormModel& Model() { return Model_; }
  QPrinter& Printer() { return Printer_; }
  // Shows the dialog modally; it closes after printing.
  int Execute();

  // Re-reads the printer and draws the preview anew.
  void Refresh();
  void ZoomOutClick();
  void ZoomInClick();
  void SignLargerClick();
  void SignSmallerClick();
  void FramesClick(bool on);
  void PageSetupClick();
  void PrinterSetupClick();
  // Prints the page; false (after a message) when the printer refused, or
  // when no file was chosen for a page saved as PDF.
  bool PrintClick();
  // Sets the zoom at which the whole paper fits the preview's window.
  void FitToWindow();

  TPreviewPaper* Paper() const { return Paper_; }
  QLabel* ZoomLabel() const { return ZoomLabel_; }
  QLabel* SignLabel() const { return SignLabel_; }
  QCheckBox* Frames() const { return Frames_; }
  QScrollArea* Scroll() const { return Scroll_; }

 protected:
  void showEvent(QShowEvent* event) override;
  void moveEvent(QMoveEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  void ScaleScroll(double factor);
  // Without a printer the page is saved as PDF: asks where (the default
  // name from the passport and the mode), and whether to replace a file
  // that is there. Empty when the user cancelled.
  QString AskPdfTarget();

  TSVObject* Scheme_ = nullptr;
  TPrintFormModel Model_;
  QPrinter& Printer_;
  TPreviewPaper* Paper_;
  QScrollArea* Scroll_;
  QLabel* ZoomLabel_;
  QLabel* SignLabel_;
  QCheckBox* Frames_;
  TSetPageForm* PageForm_ = nullptr;
  bool Placing_ = false;
};

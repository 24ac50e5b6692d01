#include "PrintFormUnit.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QPointer>
#include <QDate>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QTimer>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinterInfo>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>

#include "SetPageUnit.h"
#include "model/SVObject.h"
#include "plan/SVInfo.h"
#include "print/PrintEntry.h"
#include "print/SetPageModel.h"
#include "qt/FlowLayout.h"
#include "qt/Modal.h"
#include "qt/QtCanvas.h"
#include "qt/Questions.h"
#include "qt/ScreenFit.h"

void TPreviewPaper::SetPicture(const QImage& picture) {
  Picture_ = picture;
  if (size() != picture.size()) setFixedSize(picture.size());
  update();
}

void TPreviewPaper::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.drawImage(0, 0, Picture_);
}

TPrinterMetrics PrinterMetrics(const QPrinter& printer) {
  TPrinterMetrics m;
  m.DpiX = printer.logicalDpiX();
  m.DpiY = printer.logicalDpiY();
  const QRect paper = printer.paperRect(QPrinter::DevicePixel).toRect();
  const QRect page = printer.pageRect(QPrinter::DevicePixel).toRect();
  m.PaperWidth = paper.width();
  m.PaperHeight = paper.height();
  m.Printable = TRect{page.left() - paper.left(), page.top() - paper.top(), page.right() + 1 - paper.left(),
                      page.bottom() + 1 - paper.top()};
  return m;
}

QPrinter& SessionPrinter() {
  // Owned by the application object, so it goes before the application does.
  struct THolder : QObject {
    QPrinter Printer{QPrinter::HighResolution};
  };
  static QPointer<THolder> holder;
  if (!holder) {
    holder = new THolder;
    holder->setParent(QCoreApplication::instance());
    QPrinter& p = holder->Printer;
    // Only the printer's own unprintable strips: the page keeps its margins itself.
    p.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
    // Without a printer the page goes to a PDF file; no name is set, so that
    // each print asks where.
    if (QPrinterInfo::availablePrinters().isEmpty()) p.setOutputFormat(QPrinter::PdfFormat);
  }
  return holder->Printer;
}

TPrintForm::TPrintForm(QWidget* parent) : QDialog(parent), Printer_(SessionPrinter()) {
  setObjectName(QStringLiteral("TPrintForm"));
  setWindowTitle(QStringLiteral("Печать схемы"));

  auto* setup = new QPushButton(QStringLiteral("Настройка принтера"), this);
  auto* print = new QPushButton(QStringLiteral("Печатать"), this);
  auto* page = new QPushButton(QStringLiteral("Параметры страницы"), this);
  auto* smaller = new QPushButton(QStringLiteral("-"), this);
  smaller->setToolTip(QStringLiteral("Уменьшить изображение"));
  auto* larger = new QPushButton(QStringLiteral("+"), this);
  larger->setToolTip(QStringLiteral("Увеличить изображение"));
  auto* signLarger = new QPushButton(QStringLiteral("A+"), this);
  auto* signSmaller = new QPushButton(QStringLiteral("A-"), this);
  for (QPushButton* b : {smaller, larger, signLarger, signSmaller}) b->setMaximumWidth(40);
  ZoomLabel_ = new QLabel(this);
  SignLabel_ = new QLabel(this);
  Frames_ = new QCheckBox(QStringLiteral("Показать границы полей:"), this);
  Frames_->setLayoutDirection(Qt::RightToLeft);

  auto* bar = new TFlowLayout;
  for (QWidget* w : std::initializer_list<QWidget*>{setup, print, page, smaller, larger, ZoomLabel_, signLarger,
                                                    signSmaller, SignLabel_, Frames_})
    bar->addWidget(w);

  Paper_ = new TPreviewPaper;
  Scroll_ = new QScrollArea(this);
  Scroll_->setBackgroundRole(QPalette::Dark);
  Scroll_->setAlignment(Qt::AlignCenter);
  Scroll_->setWidget(Paper_);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(bar);
  layout->addWidget(Scroll_, 1);
  // A screen as low as the window would be (1024 × 600) leaves room for the
  // frame the window manager puts around it, as wide as the main window's:
  // its title bar must not run past the screen's edge.
  QSize frame(0, 0);
  if (parent && parent->window()->isVisible())
    frame = parent->window()->frameGeometry().size() - parent->window()->geometry().size();
  resize(SizeWithin(QSize(900, 700), AvailableArea(this).adjusted(0, 0, -frame.width(), -frame.height())));

  connect(setup, &QPushButton::clicked, this, &TPrintForm::PrinterSetupClick);
  connect(print, &QPushButton::clicked, this, [this] {
    if (PrintClick()) accept();
  });
  connect(page, &QPushButton::clicked, this, &TPrintForm::PageSetupClick);
  connect(smaller, &QPushButton::clicked, this, &TPrintForm::ZoomOutClick);
  connect(larger, &QPushButton::clicked, this, &TPrintForm::ZoomInClick);
  connect(signLarger, &QPushButton::clicked, this, &TPrintForm::SignLargerClick);
  connect(signSmaller, &QPushButton::clicked, this, &TPrintForm::SignSmallerClick);
  connect(Frames_, &QCheckBox::toggled, this, &TPrintForm::FramesClick);
}

TPrintForm::~TPrintForm() = default;

bool TPrintForm::Prepare(TSVObject& scheme, const TIniFile* config) {
  Scheme_ = &scheme;
  const QString today = QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy"));
  const std::string date = today.toStdString() + " г.";
  if (!Model_.Prepare(scheme, config, PrinterMetrics(Printer_), date)) return false;
  const QSignalBlocker block(Frames_);
  Frames_->setChecked(Model_.Content.Frames);
  return true;
}

void TPrintForm::NewContexts() {
  Model_.Preview = TDrawContext{};
  Model_.Preview.Normalize();
  if (Scheme_) Model_.Preview.ObjectScale = Scheme_->Info->RealScale;
}

int TPrintForm::Execute() {
  Refresh();
  return ExecModal(*this);
}

void TPrintForm::Refresh() {
  Model_.Printer = PrinterMetrics(Printer_);
  const TSize size = Model_.PaperSize();
  QImage picture(std::max(1, size.cx), std::max(1, size.cy), QImage::Format_RGB32);
  picture.fill(Qt::white);
  if (Scheme_) {
    TQtCanvas canvas(&picture);
    Model_.DrawPreview(*Scheme_, canvas);
  }
  Model_.Preview.Canvas = nullptr;
  Paper_->SetPicture(picture);
  ZoomLabel_->setText(QString::fromStdString(Model_.ZoomLabel()));
  SignLabel_->setText(QString::fromStdString(Model_.SignScaleLabel()));
}

void TPrintForm::ScaleScroll(double factor) {
  for (QScrollBar* bar : {Scroll_->horizontalScrollBar(), Scroll_->verticalScrollBar()})
    bar->setValue(static_cast<int>(bar->value() * factor));
}

void TPrintForm::ZoomOutClick() {
  Model_.PressButton("-");
  Refresh();
  ScaleScroll(2.0 / 3.0);
}

void TPrintForm::ZoomInClick() {
  Model_.PressButton("+");
  Refresh();
  ScaleScroll(1.5);
}

void TPrintForm::SignLargerClick() {
  Model_.PressButton("A+");
  Refresh();
}

void TPrintForm::SignSmallerClick() {
  Model_.PressButton("A-");
  Refresh();
}

void TPrintForm::FramesClick(bool on) {
  Model_.SetChecked("Показать границы полей:", on);
  Refresh();
}

void TPrintForm::PageSetupClick() {
  if (!PageForm_) PageForm_ = new TSetPageForm(this);
  TSetPageModel page;
  page.Fill(Model_, Scheme_ ? Scheme_->Info->PhaseCount : 0);
  if (PageForm_->Execute(page) == mrOk) Refresh();
}

void TPrintForm::PrinterSetupClick() {
  QPrintDialog dialog(&Printer_, this);
  ExecModal(dialog);
  Refresh();
}

namespace {

// The PDF file the last print without a printer was saved to: the next one
// asks again, in the same folder, rather than overwriting it.
QString& LastAskedPdf() {
  static QString path;
  return path;
}

}  // namespace

QString TPrintForm::AskPdfTarget() {
  const QString folder =
      LastAskedPdf().isEmpty() ? QDir::homePath() : QFileInfo(LastAskedPdf()).absolutePath();
  const QString name =
      QString::fromStdString(PrintFileName(Scheme_ ? Scheme_->Dir : std::string(), Model_.Content.Mode));
  QFileDialog dialog(this, QStringLiteral("Принтер не найден: сохранить страницу в файл PDF"), folder,
                     QStringLiteral("Документы PDF (*.pdf)"));
  dialog.setObjectName(QStringLiteral("PrintSaveDialog"));
  // Qt's own dialog, so that its captions are the ones set here.
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  // A file that is there is asked about below, in Russian.
  dialog.setOption(QFileDialog::DontConfirmOverwrite);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setDefaultSuffix(QStringLiteral("pdf"));
  dialog.setLabelText(QFileDialog::LookIn, QStringLiteral("Папка:"));
  dialog.setLabelText(QFileDialog::FileName, QStringLiteral("Имя файла:"));
  dialog.setLabelText(QFileDialog::FileType, QStringLiteral("Тип файла:"));
  dialog.setLabelText(QFileDialog::Accept, QStringLiteral("Сохранить"));
  dialog.setLabelText(QFileDialog::Reject, QStringLiteral("Отмена"));
  dialog.selectFile(QDir(folder).filePath(name));
  for (;;) {
    if (ExecModal(dialog) != QDialog::Accepted) return QString();
    const QStringList files = dialog.selectedFiles();
    if (files.isEmpty() || files.first().isEmpty()) return QString();
    const QString path = QFileInfo(files.first()).absoluteFilePath();
    if (!QFileInfo::exists(path) ||
        AskReplace(this, windowTitle(),
                   QStringLiteral("Файл «%1» уже есть. Заменить его?").arg(QDir::toNativeSeparators(path)))) {
      LastAskedPdf() = path;
      return path;
    }
  }
}

bool TPrintForm::PrintClick() {
  if (!Scheme_) return false;
  // A PDF printer with no file of its own (there is no printer) or with the
  // file the last such print was saved to asks where to save this page.
  QString savedTo;
  const QString target = Printer_.outputFileName();
  if (Printer_.outputFormat() == QPrinter::PdfFormat && (target.isEmpty() || target == LastAskedPdf())) {
    savedTo = AskPdfTarget();
    if (savedTo.isEmpty()) return false;
    Printer_.setOutputFileName(savedTo);
  }
  Printer_.setDocName(QString::fromStdString(Model_.Content.Title).simplified());
  Model_.Printer = PrinterMetrics(Printer_);
  TQtCanvas canvas(&Printer_);
  if (!canvas.Painter().isActive()) {
    MessageBoxOk(this, QMessageBox::Critical, windowTitle(), QStringLiteral("Не удалось начать печать на принтере ") +
                                                                   Printer_.printerName() + Printer_.outputFileName());
    return false;
  }
  Model_.DrawPrinted(*Scheme_, canvas);
  if (!canvas.Painter().end()) {
    MessageBoxOk(this, QMessageBox::Critical, windowTitle(),
                 QStringLiteral("Не удалось записать файл ") + Printer_.outputFileName());
    return false;
  }
  if (!savedTo.isEmpty())
    MessageBoxOk(this, QMessageBox::Information, windowTitle(),
                 QStringLiteral("Страница сохранена в файл\n%1").arg(QDir::toNativeSeparators(savedTo)));
  return true;
}

void TPrintForm::FitToWindow() {
  Model_.Printer = PrinterMetrics(Printer_);
  // The room the scroll box gives its paper, less a thin dark rim around it.
  const QSize room = Scroll_->maximumViewportSize() - QSize(8, 8);
  Model_.FitZoom(TSize{room.width(), room.height()});
  Refresh();
}

void TPrintForm::moveEvent(QMoveEvent* event) {
  QDialog::moveEvent(event);
  // The window manager's frame is known only once it has placed the window:
  // a frame past the screen's edge (a 1024 × 600 screen) is pulled back in.
  if (Placing_ || !isVisible() || AvailableArea(this).contains(frameGeometry())) return;
  Placing_ = true;
  KeepOnScreen(this);
  Placing_ = false;
}

void TPrintForm::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  // Each opening starts with the whole page in view, once the window has
  // its final size on the screen.
  QTimer::singleShot(0, this, &TPrintForm::FitToWindow);
}

void TPrintForm::hideEvent(QHideEvent* event) {
  QImage small(50, 50, QImage::Format_RGB32);
  small.fill(Qt::white);
  Paper_->SetPicture(small);
  QDialog::hideEvent(event);
}

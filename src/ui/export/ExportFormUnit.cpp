#include "ExportFormUnit.h"

#include <QApplication>
#include <QCheckBox>
#include <QFileDialog>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPrintDialog>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>
#include <utility>
#include <vector>

#include "doc/DocFormats.h"
#include "qt/Modal.h"

namespace {

// The save dialog's filters, and the extension each one puts on a bare name:
// the default format, every file, then the other formats.
std::vector<std::pair<QString, QString>> Filters() {
  const std::vector<TDocFormat>& formats = DocFormats();
  std::vector<std::pair<QString, QString>> filters;
  for (const TDocFormat& f : formats) {
    filters.emplace_back(QString::fromUtf8(f.Caption), QString::fromLatin1(f.Extension));
    if (&f == &formats.front())
      filters.emplace_back(QStringLiteral("Все файлы (*.*)"), QString::fromLatin1(f.Extension));
  }
  return filters;
}

}  // namespace

TExportForm::TExportForm(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("ExportForm"));
  setWindowTitle(QStringLiteral("Экспорт таблиц в Word / Печать"));
  auto* layout = new QVBoxLayout(this);
  auto* sections = new QGroupBox(QStringLiteral("Разделы документа"), this);
  auto* sectionLayout = new QVBoxLayout(sections);
  for (int i = 0; i < esCount; ++i) {
    const TExportBox& b = Model_.Boxes[static_cast<std::size_t>(i)];
    QCheckBox* box = new QCheckBox(QString::fromUtf8(b.Caption), sections);
    box->setObjectName(QString::fromLatin1(b.Name));
    connect(box, &QCheckBox::clicked, this, [this, caption = b.Caption] { BoxClick(caption); });
    sectionLayout->addWidget(box);
    Boxes_[static_cast<std::size_t>(i)] = box;
  }
  layout->addWidget(sections);

  auto* word = new QHBoxLayout;
  WordBox_ = new QCheckBox(QStringLiteral("Открыть Word"), this);
  WordBox_->setObjectName(QStringLiteral("WordBox"));
  WordBox_->setToolTip(QStringLiteral("Сделать окно MSWord видимым во время экспорта/печати"));
  connect(WordBox_, &QCheckBox::clicked, this, [this] { BoxClick("Открыть Word"); });
  DontCloseCB_ = new QCheckBox(QStringLiteral("и не закрывать его"), this);
  DontCloseCB_->setObjectName(QStringLiteral("DontCloseCB"));
  connect(DontCloseCB_, &QCheckBox::clicked, this, [this] { BoxClick("и не закрывать его"); });
  word->addWidget(WordBox_);
  word->addWidget(DontCloseCB_);
  word->addStretch();
  layout->addLayout(word);

  Gauge_ = new QProgressBar(this);
  Gauge_->setObjectName(QStringLiteral("Gauge"));
  Gauge_->setRange(0, 100);
  layout->addWidget(Gauge_);

  auto* buttons = new QHBoxLayout;
  ExportB_ = new QPushButton(QStringLiteral("Экспорт"), this);
  ExportB_->setObjectName(QStringLiteral("ExportB"));
  PrintB_ = new QPushButton(QStringLiteral("Печать"), this);
  PrintB_->setObjectName(QStringLiteral("PrintB"));
  CancelB_ = new QPushButton(QStringLiteral("Отмена"), this);
  buttons->addStretch();
  buttons->addWidget(ExportB_);
  buttons->addWidget(PrintB_);
  buttons->addWidget(CancelB_);
  layout->addLayout(buttons);
  connect(ExportB_, &QPushButton::clicked, this, &TExportForm::ExportBClick);
  connect(PrintB_, &QPushButton::clicked, this, &TExportForm::PrintBClick);
  connect(CancelB_, &QPushButton::clicked, this, &QDialog::reject);

  Model_.Host = this;
  // The gauge moves while the document is written, not only at the end.
  Model_.OnGauge = [this](int value) {
    Gauge_->setValue(value);
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
  };
}

int TExportForm::Execute(const TSVInfo& info, bool focusPrint) {
  Model_.Prepare(info);
  ShowModel();
  (focusPrint ? PrintB_ : ExportB_)->setDefault(true);
  (focusPrint ? PrintB_ : ExportB_)->setFocus();
  (focusPrint ? ExportB_ : PrintB_)->setDefault(false);
  return ExecModal(*this);
}

void TExportForm::ShowModel() {
  for (int i = 0; i < esCount; ++i) {
    const TExportBox& b = Model_.Boxes[static_cast<std::size_t>(i)];
    Boxes_[static_cast<std::size_t>(i)]->setChecked(b.Checked);
    Boxes_[static_cast<std::size_t>(i)]->setEnabled(b.Enabled);
  }
  WordBox_->setChecked(Model_.WordBox);
  DontCloseCB_->setChecked(Model_.DontCloseCB);
  Gauge_->setValue(Model_.Gauge);
}

void TExportForm::BoxClick(const char* caption) {
  Model_.Check(caption);
  ShowModel();
}

void TExportForm::ExportBClick() {
  Model_.PressButton("Экспорт");
  ShowModel();
  if (Model_.Result == mrOk) accept();
}

void TExportForm::PrintBClick() {
  Model_.PressButton("Печать");
  ShowModel();
  if (Model_.Result == mrOk) accept();
}

bool TExportForm::ChooseExportFile(std::string& path) {
  QFileDialog dialog(this, QStringLiteral("Выберите файл для экспорта таблиц"));
  dialog.setObjectName(QStringLiteral("DocSave"));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  QStringList filters;
  const std::vector<std::pair<QString, QString>> choices = Filters();
  for (const auto& f : choices) filters << f.first;
  dialog.setNameFilters(filters);
  dialog.setDefaultSuffix(choices.front().second);
  connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog, choices](const QString& filter) {
    for (const auto& f : choices)
      if (filter == f.first) dialog.setDefaultSuffix(f.second);
  });
  if (ExecModal(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return false;
  path = dialog.selectedFiles().first().toStdString();
  return !path.empty();
}

bool TExportForm::ChoosePrinter() {
  QPrintDialog dialog(&Printer_, this);
  if (ExecModal(dialog) != QDialog::Accepted) return false;
  Output_.Printer = &Printer_;
  return true;
}

void TExportForm::SetBusy(bool busy) {
  if (busy == Busy_) return;
  Busy_ = busy;
  if (busy) QApplication::setOverrideCursor(Qt::WaitCursor);
  else QApplication::restoreOverrideCursor();
}

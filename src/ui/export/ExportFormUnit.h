#pragma once
// "Экспорт таблиц в Word / Печать": the thin view of the export dialog's
// model. It mirrors the boxes and the gauge, forwards the clicks, and
// answers the model's questions with the save dialog, the print dialog and
// the hourglass.
#include <QDialog>
#include <QPrinter>
#include <array>

#include "export/ExportModel.h"
#include "qt/DocPrinter.h"

class QCheckBox;
class QProgressBar;
class QPushButton;

class TExportForm : public QDialog, public TExportHost {
  Q_OBJECT

 public:
  explicit TExportForm(QWidget* parent = nullptr);

  // Shows the dialog for the passport with the focus on "Печать" or
  // "Экспорт"; returns its modal result.
  int Execute(const TSVInfo& info, bool focusPrint);

  void ExportBClick();
  void PrintBClick();

  bool ChooseExportFile(std::string& path) override;
  bool ChoosePrinter() override;
  TDocOutput* Output() override { return &Output_; }
  void SetBusy(bool busy) override;

  TExportModel& Model() { return Model_; }
  TQtDocOutput& DocOutput() { return Output_; }
  QCheckBox* Box(int section) const { return Boxes_[static_cast<std::size_t>(section)]; }
  QCheckBox* WordBox() const { return WordBox_; }
  QCheckBox* DontCloseCB() const { return DontCloseCB_; }
  QProgressBar* Gauge() const { return Gauge_; }
  QPushButton* ExportB() const { return ExportB_; }
  QPushButton* PrintB() const { return PrintB_; }

 private:
  void ShowModel();
  void BoxClick(const char* caption);

  TExportModel Model_;
  TQtDocOutput Output_;
  QPrinter Printer_;
  std::array<QCheckBox*, esCount> Boxes_{};
  QCheckBox* WordBox_;
  QCheckBox* DontCloseCB_;
  QProgressBar* Gauge_;
  QPushButton* ExportB_;
  QPushButton* PrintB_;
  QPushButton* CancelB_;
  bool Busy_ = false;
};

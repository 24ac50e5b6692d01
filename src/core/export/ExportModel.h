#pragma once
// The dialog "Экспорт таблиц в Word / Печать": which sections go into the
// document, the gauge, and the two ways out, a saved document ("Экспорт")
// or a printed one ("Печать"). The document itself is written through the
// command seam, so the same stream drives our document engine, a recorder
// or both.
#include <array>
#include <functional>
#include <string>
#include <vector>

#include "doc/DocEngine.h"
#include "platform/Dialogs.h"

class TSVInfo;

// The section boxes in the order their sections are written.
enum TExportSection { esPhases, esNapr, esExonapr, esComm, esComplTable, esTextable, esComText, esCount };

struct TExportBox {
  const char* Name;
  const char* Caption;
  bool Checked = false;
  bool Enabled = true;
};

// What the export needs from the windows (or from the command line).
class TExportHost {
 public:
  virtual ~TExportHost() = default;
  // The save dialog; false when the user cancels.
  virtual bool ChooseExportFile(std::string& path) = 0;
  // The print set-up dialog; false when the user cancels.
  virtual bool ChoosePrinter() = 0;
  // Lays out, prints and shows documents; may be nullptr.
  virtual TDocOutput* Output() = 0;
  // The hourglass while the document is being written.
  virtual void SetBusy(bool busy) = 0;
};

class TExportModel : public TDialogModel {
 public:
  TExportModel();
  const char* FormName() const override { return "TExportForm"; }

  // On showing: the section boxes as the object type allows, gauge 0.
  void Prepare(const TSVInfo& info);

  std::array<TExportBox, esCount> Boxes;
  // "Открыть Word": the word processor visible while it works.
  bool WordBox = false;
  // "и не закрывать его": kept for the user's habit, changes nothing.
  bool DontCloseCB = false;
  int Gauge = 0;
  // Told every gauge step, so the user sees it move.
  std::function<void(int)> OnGauge;
  // A copy of every command sent by the last export or print, as log lines.
  std::vector<std::string> LastCommands;

  // A click on a check box, by its caption; false when it is disabled.
  bool Check(const std::string& caption) override;
  // "Экспорт" or "Печать"; both close the dialog (mrOk) after their work,
  // failed or not; a cancelled save or print dialog leaves it open.
  bool PressButton(const std::string& caption) override;
  int Press(TDialogButton button) override;

  // The dialog's host for the two buttons; set by whoever shows it.
  TExportHost* Host = nullptr;
  const TSVInfo* Info = nullptr;
  // The modal result the last button closed the dialog with (mrNone: open).
  int Result = mrNone;

  // "Экспорт" into `path`; false (after an error box) when it failed.
  bool ExportTo(const std::string& path, TExportHost& host);
  // "Печать"; false (after an error box) when it failed.
  bool PrintNow(TExportHost& host);
  // The header, then the checked sections in their order, each unchecking
  // its box and stepping the gauge.
  void WriteDocumentBody(TWordBasic& wb);

 private:
  void SetGauge(int value);
};

// The header line: the address, then " (Объект № ", the number and ")".
std::string ExportHeaderText(const TSVInfo& info);

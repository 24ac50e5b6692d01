#include "PrintEntries.h"

#include <QAction>
#include <memory>

#include "MainForm.h"
#include "model/SVObject.h"
#include "plan/SVInfo.h"
#include "ui/print/PageLayFormUnit.h"
#include "print/PrintEntry.h"
#include "ui/print/PrintFormUnit.h"
#include "print/ViewState.h"
#include "tables/SetPhaseLenModel.h"
#include "ui/tables/SetPhaseLenUnit.h"

namespace {

// Opens the print dialog for one entry. The scheme prints make a dialog of
// their own and free it afterwards; the time diagram and the tram heads keep
// theirs, the time diagram with new draw contexts each time.
void RunPrint(TMainForm& form, TPrintMode mode, const std::string& title, bool noFooter, const TPhaseLengths* lengths) {
  TSVObject* scheme = form.Scheme();
  if (!scheme) return;
  std::unique_ptr<TPrintForm> own;
  TPrintForm* dialog = nullptr;
  if (mode == TPrintMode::Scheme) {
    own = std::make_unique<TPrintForm>(&form);
    dialog = own.get();
  } else {
    dialog = form.findChild<TPrintForm*>(QStringLiteral("KeptPrintForm"));
    if (!dialog) {
      dialog = new TPrintForm(&form);
      dialog->setObjectName(QStringLiteral("KeptPrintForm"));
    }
  }
  // The preview and the print step the clock through the printed phases;
  // the viewer gets its phase, program and layers back afterwards.
  TViewStateKeeper keep(*scheme);
  if (!dialog->Prepare(*scheme, form.Config())) return;
  if (mode == TPrintMode::TimeDiagram) dialog->NewContexts();
  TPrintFormModel& model = dialog->Model();
  model.Content.Mode = mode;
  model.Content.Title = title;
  if (noFooter) model.Margins.Footer = 0;
  if (lengths) model.Content.PhaseLengths = *lengths;
  dialog->Execute();
  keep.Restore();
  form.Repaint();
}

void Enable(QAction* entry, bool on) {
  entry->setProperty("available", true);
  entry->setEnabled(on);
}

}  // namespace

void InstallPrinting(TMainForm& form) {
  form.SetPrintHandler([&form](const TPrintRequest& request) {
    RunPrint(form, TPrintMode::Scheme, request.Title.toStdString(), request.LayerSet, nullptr);
  });
  const TMainMenu& menu = form.Menu();
  QObject::connect(menu.PrintTimeDiagram, &QAction::triggered, &form, [&form] {
    TSVObject* scheme = form.Scheme();
    if (!scheme) return;
    auto* lengthsForm = form.findChild<TSetPhaseForm*>();
    if (!lengthsForm) lengthsForm = new TSetPhaseForm(&form);
    TSetPhaseLenModel lengths(*scheme);
    if (lengthsForm->Execute(lengths) != mrOk) return;
    RunPrint(form, TPrintMode::TimeDiagram, PrintTitle(*scheme->Info, TPrintEntry::TimeDiagram), false,
             &lengths.Lengths);
  });
  QObject::connect(menu.PrintTramHeads, &QAction::triggered, &form, [&form] {
    if (TSVObject* scheme = form.Scheme())
      RunPrint(form, TPrintMode::TramHeads, PrintTitle(*scheme->Info, TPrintEntry::TramHeads), false, nullptr);
  });
  QObject::connect(menu.PageSetup, &QAction::triggered, &form, [&form] {
    if (!form.Config()) return;
    auto* lay = form.findChild<TPageLayForm*>();
    if (!lay) lay = new TPageLayForm(&form);
    lay->Execute(*form.Config());
  });
  Enable(menu.PrintTramHeads, true);
  Enable(menu.PageSetup, true);
  // The time diagram stays off for a passport of the УК type.
  Enable(menu.PrintTimeDiagram, !(form.Scheme() && form.Scheme()->Info->IsUK()));
}

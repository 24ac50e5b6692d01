#include "DialogHolder.h"

#include "AboutFormUnit.h"
#include "CheckFormUnit.h"
#include "ChooseObjectUnit.h"
#include "DataPathFormUnit.h"
#include "Database.h"
#include "DatabaseFormUnit.h"
#include "HelpWindow.h"
#include "LayControl.h"
#include "MainForm.h"
#include "SerScaleDlg.h"
#include "platform/IniFile.h"
#include "ui/export/ExportFormUnit.h"
#include "ui/tables/InfoFormUnit.h"
#include "ui/tables/NaprForm.h"
#include "ui/tables/PhaseFormUnit.h"
#include "ui/tables/TexFormUnit.h"
#include "ui/tables/TramSchemeFormUnit.h"
#include "ui/tables/complFormUnit.h"
#include "ui/tables/exoformUnit.h"

namespace {

// The dialog in `slot`, made by `make` the first time.
template <class T, class Make>
T* Kept(T*& slot, Make make) {
  if (!slot) slot = make();
  return slot;
}

}  // namespace

TDataPathForm* TDialogHolder::DataPath() {
  return Kept(DataPath_, [this] { return new TDataPathForm(&Owner_); });
}

TChooseObjectForm* TDialogHolder::ChooseObject() {
  return Kept(ChooseObject_, [this] { return new TChooseObjectForm(&Owner_); });
}

TAboutForm* TDialogHolder::About() {
  return Kept(About_, [this] { return new TAboutForm(&Owner_); });
}

THelpWindow* TDialogHolder::Help() {
  return Kept(Help_, [this] { return new THelpWindow(&Owner_); });
}

TlayersDlg* TDialogHolder::Layers() {
  return Kept(Layers_, [this] { return new TlayersDlg(&Owner_); });
}

TSetScale* TDialogHolder::Scale() {
  return Kept(Scale_, [this] { return new TSetScale(&Owner_); });
}

TExportForm* TDialogHolder::Export() {
  return Kept(Export_, [this] { return new TExportForm(&Owner_); });
}

TInfoForm* TDialogHolder::Info() {
  return Kept(Info_, [this] { return new TInfoForm(&Owner_); });
}

TPhaseForm* TDialogHolder::Phases() {
  return Kept(Phases_, [this] { return new TPhaseForm(&Owner_); });
}

TNaprDataForm* TDialogHolder::Directions() {
  return Kept(Directions_, [this] { return new TNaprDataForm(&Owner_); });
}

Texoform* TDialogHolder::NonStandard() {
  return Kept(NonStandard_, [this] { return new Texoform(&Owner_); });
}

TtexForm* TDialogHolder::Changes() {
  return Kept(Changes_, [this] { return new TtexForm(&Owner_); });
}

TComplForm* TDialogHolder::Equipment() {
  return Kept(Equipment_, [this] {
    return new TComplForm(Owner_.Config() ? Owner_.Config()->FileName() : ConfigFilePath(), &Owner_);
  });
}

TTramSForm* TDialogHolder::TramSchemes() {
  return Kept(TramSchemes_, [this] { return new TTramSForm(&Owner_); });
}

TCheckForm* TDialogHolder::Check() {
  return Kept(Check_, [this] {
    auto* form = new TCheckForm(&Owner_);
    form->setObjectName(QStringLiteral("CheckForm"));
    return form;
  });
}

TDatabaseForm* TDialogHolder::Database() {
  return Kept(Database_, [this] {
    auto* form = new TDatabaseForm(&Owner_);
    form->setObjectName(QStringLiteral("DatabaseForm"));
    TMainForm* owner = &Owner_;
    form->SetOpenHandler([owner](const QString& number) { owner->OpenPassport(number); });
    return form;
  });
}

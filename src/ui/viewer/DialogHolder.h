#pragma once
// The main window's dialogs and windows: each is created on first use as a
// child of the main window and kept until the program ends (the print
// dialog, which the print entries create anew each time, is not here).
class TAboutForm;
class TCheckForm;
class TChooseObjectForm;
class TComplForm;
class TDataPathForm;
class TDatabaseForm;
class TExportForm;
class THelpWindow;
class TInfoForm;
class TMainForm;
class TNaprDataForm;
class TPhaseForm;
class TSetScale;
class TTramSForm;
class Texoform;
class TlayersDlg;
class TtexForm;

class TDialogHolder {
 public:
  // The owner must outlive the holder; it parents every dialog.
  explicit TDialogHolder(TMainForm& owner) : Owner_(owner) {}
  TDialogHolder(const TDialogHolder&) = delete;
  TDialogHolder& operator=(const TDialogHolder&) = delete;

  TDataPathForm* DataPath();
  TChooseObjectForm* ChooseObject();
  TAboutForm* About();
  THelpWindow* Help();
  TlayersDlg* Layers();
  TSetScale* Scale();
  TExportForm* Export();
  // "Общая информация по СО" and the signal-plan tables.
  TInfoForm* Info();
  TPhaseForm* Phases();
  TNaprDataForm* Directions();
  Texoform* NonStandard();
  // The change log, the equipment list and the tram-head schemes.
  TtexForm* Changes();
  TComplForm* Equipment();
  TTramSForm* TramSchemes();
  // "Проверка паспорта…" and "База светофорных объектов" (whose choice
  // opens the passport in the main window).
  TCheckForm* Check();
  TDatabaseForm* Database();

 private:
  TMainForm& Owner_;
  TDataPathForm* DataPath_ = nullptr;
  TChooseObjectForm* ChooseObject_ = nullptr;
  TAboutForm* About_ = nullptr;
  THelpWindow* Help_ = nullptr;
  TlayersDlg* Layers_ = nullptr;
  TSetScale* Scale_ = nullptr;
  TExportForm* Export_ = nullptr;
  TInfoForm* Info_ = nullptr;
  TPhaseForm* Phases_ = nullptr;
  TNaprDataForm* Directions_ = nullptr;
  Texoform* NonStandard_ = nullptr;
  TtexForm* Changes_ = nullptr;
  TComplForm* Equipment_ = nullptr;
  TTramSForm* TramSchemes_ = nullptr;
  TCheckForm* Check_ = nullptr;
  TDatabaseForm* Database_ = nullptr;
};

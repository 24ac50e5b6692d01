// The main window's menu and the dialogs it opens.
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QMenuBar>
#include <optional>

#include "AboutFormUnit.h"
#include "ChooseObjectUnit.h"
#include "DataPathFormUnit.h"
#include "ui/export/ExportFormUnit.h"
#include "Database.h"
#include "HelpWindow.h"
#include "LayControl.h"
#include "SerScaleDlg.h"
#include "MainForm.h"
#include "model/SVObject.h"
#include "plan/SVInfo.h"
#include "plan/SVtime.h"
#include "print/ViewState.h"
#include "platform/IniFile.h"
#include "qt/Modal.h"
#include "qt/PassportLock.h"
#include "qt/QtMessages.h"
#include "qt/Questions.h"
#include "ui/tables/InfoFormUnit.h"
#include "ui/tables/NaprForm.h"
#include "ui/tables/PhaseFormUnit.h"
#include "ui/tables/exoformUnit.h"
#include "store/OpenPassport.h"

namespace {

QAction* Entry(QMenu* menu, const char* caption, bool available = true) {
  QAction* a = menu->addAction(QString::fromUtf8(caption));
  a->setProperty("available", available);
  a->setEnabled(available);
  return a;
}

}  // namespace

void TMainForm::CreateMenus() {
  QMenuBar* bar = menuBar();
  TMainMenu& m = Menu_;

  QMenu* file = bar->addMenu(QStringLiteral("&Файл"));
  m.LoadPassport = Entry(file, "&Загрузить паспорт");
  m.LoadPassport->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
  m.SaveSchemeAs = Entry(file, "&Сохранить схему как…");
  m.PublishDatabase = Entry(file, "&Опубликовать базу…");
  m.ExportTables = Entry(file, "&Экспорт таблиц в Word", false);
  file->addSeparator();
  m.Exit = Entry(file, "&Выход");

  // The table windows attach to these entries; until they do the entries are off.
  QMenu* object = bar->addMenu(QStringLiteral("&Светофорный объект"));
  m.GeneralInfo = Entry(object, "&Общая информация по СО", false);
  m.GeneralInfo->setStatusTip(QStringLiteral("Адрес, число фаз и направлений и т.п."));
  m.GeneralInfo->setToolTip(m.GeneralInfo->statusTip());
  m.Organisation = object->addMenu(QStringLiteral("Организация &движения"));
  m.Organisation->setProperty("available", false);
  m.Organisation->setEnabled(false);
  m.ByPhases = Entry(m.Organisation, "По &фазам", false);
  m.ByDirections = Entry(m.Organisation, "По &направлениям", false);
  m.NonStandard = Entry(m.Organisation, "&При нестандартной смене фаз", false);
  m.ChangeTable = Entry(object, "&Таблица изменений", false);
  m.EquipmentTable = Entry(object, "Таблица &комплектации", false);
  m.TramHeads = Entry(object, "Подключение т&рамвайных головок", false);
  CreateInfoEntries(object);

  QMenu* scheme = bar->addMenu(QStringLiteral("С&хема"));
  m.Edit = Entry(scheme, "&Изменить", false);
  m.Edit->setShortcut(QKeySequence(Qt::Key_F4));
  m.SetScale = Entry(scheme, "&Задать масштаб");
  m.ShowWhole = Entry(scheme, "Показать &целиком");
  m.ShowWhole->setShortcut(QKeySequence(Qt::Key_Home));
  scheme->addSeparator();
  m.PresetAll = Entry(scheme, "Показать &все слои");
  m.PresetCable = Entry(scheme, "&Кабельное хозяйство");
  m.PresetTsrd = Entry(scheme, "&Схема расстановки ТСРД");
  m.PresetOdd = Entry(scheme, "Схема &ОДД");

  QMenu* print = bar->addMenu(QStringLiteral("&Печать"));
  m.PrintScheme = Entry(print, "Печать &текущей схемы", false);
  m.PrintTimeDiagram = Entry(print, "Печать &временной диаграммы СО", false);
  m.PrintTablesWord = Entry(print, "Печать т&аблиц через Word", false);
  m.PrintTramHeads = Entry(print, "Печать схем &распайки головок", false);
  print->addSeparator();
  m.PrintTsrd = Entry(print, "Печать схемы ра&сстановки ТСРД", false);
  m.PrintOdd = Entry(print, "Печать схемы &ОДД", false);
  m.PrintCable = Entry(print, "Печать &кабельного хозяйства", false);

  QMenu* options = bar->addMenu(QStringLiteral("&Опции"));
  m.DataPath = Entry(options, "&Путь к базе данных");
  m.PageSetup = Entry(options, "Пара&метры страницы", false);
  CreateAuthorEntry(options);

  QMenu* help = bar->addMenu(QStringLiteral("По&мощь"));
  m.HelpContents = Entry(help, "&Содержание справки");
  m.HelpContents->setShortcut(QKeySequence::HelpContents);
  m.About = Entry(help, "&О программе ");

  CreateCheckEntries(file, object);
  CreateCompareEntry(object);
  CreateHistoryEntry(object);
  CreateSyncEntries(file);
  CreateViewKeys();

  connect(m.Edit, &QAction::triggered, this, &TMainForm::EditClick);
  connect(m.LoadPassport, &QAction::triggered, this, &TMainForm::LoadPassportClick);
  connect(m.SaveSchemeAs, &QAction::triggered, this, &TMainForm::SaveSchemeAsClick);
  connect(m.PublishDatabase, &QAction::triggered, this, &TMainForm::PublishDatabaseClick);
  connect(m.Exit, &QAction::triggered, this, &QWidget::close);
  connect(m.SetScale, &QAction::triggered, this, &TMainForm::ScaleClick);
  connect(m.ShowWhole, &QAction::triggered, this, &TMainForm::FitWhole);
  connect(m.PresetAll, &QAction::triggered, this, [this] { ApplyPreset(TLayerPreset::All); });
  connect(m.PresetCable, &QAction::triggered, this, [this] { ApplyPreset(TLayerPreset::Cable); });
  connect(m.PresetTsrd, &QAction::triggered, this, [this] { ApplyPreset(TLayerPreset::Tsrd); });
  connect(m.PresetOdd, &QAction::triggered, this, [this] { ApplyPreset(TLayerPreset::Odd); });
  connect(m.PrintTsrd, &QAction::triggered, this, [this] { PrintPresetClick(TLayerPreset::Tsrd); });
  connect(m.PrintOdd, &QAction::triggered, this, [this] { PrintPresetClick(TLayerPreset::Odd); });
  connect(m.PrintCable, &QAction::triggered, this, [this] { PrintPresetClick(TLayerPreset::Cable); });
  connect(m.PrintScheme, &QAction::triggered, this, [this] {
    if (PrintHandler_) PrintHandler_(TPrintRequest{TPrintRequest::Scheme, PassportTitle()});
  });
  connect(m.DataPath, &QAction::triggered, this, &TMainForm::DataPathClick);
  connect(m.HelpContents, &QAction::triggered, this, &TMainForm::HelpClick);
  connect(m.About, &QAction::triggered, this, &TMainForm::AboutClick);
  AttachPlanTables();
  WireTableExport();
}

void TMainForm::AttachPlanTables() {
  TMainMenu& m = Menu_;
  for (QObject* entry : {static_cast<QObject*>(m.GeneralInfo), static_cast<QObject*>(m.Organisation),
                         static_cast<QObject*>(m.ByPhases), static_cast<QObject*>(m.ByDirections),
                         static_cast<QObject*>(m.NonStandard)}) {
    entry->setProperty("available", true);
    entry->setProperty("enabled", true);
  }
  connect(m.GeneralInfo, &QAction::triggered, this, &TMainForm::GeneralInfoClick);
  connect(m.ByPhases, &QAction::triggered, this, [this] { PlanTableClick(PhaseForm()); });
  connect(m.ByDirections, &QAction::triggered, this, [this] { PlanTableClick(NaprDataForm()); });
  connect(m.NonStandard, &QAction::triggered, this, [this] { PlanTableClick(ExoForm()); });
}

void TMainForm::GeneralInfoClick() {
  if (!Scheme_ || !InfoForm()->Execute(*Scheme_->Info)) return;
  UpdatePassportEntries();
  // The address may have changed; the scheme on disk was not read again, so
  // its remembered state stays as it was.
  SetApplicationTitle(QString::fromStdString(Scheme_->Info->AddressText()));
  InfoChanged();
  RebuildPhaseSelector(InfoForm()->PhaseSelectorCount());
  Repaint();
}

void TMainForm::PlanTableClick(TPlanGridDialog* table) {
  if (!Scheme_) return;
  const int phases = Scheme_->Info->PhaseCount;
  if (!table->Execute(*Scheme_->Info)) return;
  // The title shows the unsaved edits and the colours follow the new times.
  InfoChanged();
  // A phase table that changed the number of phases needs the selector
  // rebuilt for it, as the general information's Ok does.
  if (Scheme_->Info->PhaseCount != phases) RebuildPhaseSelector(Scheme_->Info->PhaseCount);
  Repaint();
}

void TMainForm::WireTableExport() {
  for (QAction* a : {Menu_.ExportTables, Menu_.PrintTablesWord}) {
    a->setProperty("available", true);
    a->setEnabled(true);
  }
  connect(Menu_.ExportTables, &QAction::triggered, this, [this] { ExportTablesClick(false); });
  connect(Menu_.PrintTablesWord, &QAction::triggered, this, [this] { ExportTablesClick(true); });
}

void TMainForm::ExportTablesClick(bool print) {
  if (Scheme_) ExportForm()->Execute(*Scheme_->Info, print);
}

void TMainForm::SetPrintHandler(std::function<void(const TPrintRequest&)> handler) {
  PrintHandler_ = std::move(handler);
  const bool on = static_cast<bool>(PrintHandler_);
  for (QAction* a : {Menu_.PrintScheme, Menu_.PrintTsrd, Menu_.PrintOdd, Menu_.PrintCable}) {
    a->setProperty("available", on);
    a->setEnabled(on);
  }
}

void TMainForm::SetEditorRunner(TEditorRunner runner) {
  EditorRunner_ = std::move(runner);
  Menu_.Edit->setProperty("available", static_cast<bool>(EditorRunner_));
  Menu_.Edit->setEnabled(static_cast<bool>(EditorRunner_));
}

void TMainForm::EditClick() {
  if (!EditorRunner_ || !Scheme_) return;
  const QString dir = QString::fromStdString(Scheme_->Dir);
  std::unique_ptr<TStoreLock> lock = Scheme_->Store ? Scheme_->Store->Lock(Scheme_->StoreId) : nullptr;
  if (!lock) lock = std::make_unique<TQtStoreLock>(Scheme_->Dir);
  if (!lock->TryLock()) {
    if (lock->Error() == TStoreLock::TError::Held) {
      const std::optional<TLockHolder> holder = TPassportLock::Holder(dir);
      MessageBoxOk(this, QMessageBox::Information, ApplicationTitle(),
                   LockedPassportMessage(holder ? *holder : TLockHolder{}, dir));
    } else {
      MessageBoxOk(this, QMessageBox::Critical, ApplicationTitle(),
                   QStringLiteral("Схему нельзя изменить: в каталог паспорта %1 нельзя записать.")
                       .arg(QDir::toNativeSeparators(dir)));
    }
    ShowPassportTitle();
    return;
  }
  const int phase = Scheme_->Time->Phase;
  const bool animating = AnimTimer_.isActive();
  // The editor shares the phase clock; it must not run on behind its back.
  AnimTimer_.stop();
  // Another engineer may have saved this scheme since it was read here: the
  // edits start from what is on disk. Table edits not yet written are not
  // dropped for it; saving then asks before replacing the newer file.
  if (!(TFileStamp(PassportRevision(*Scheme_, TPassportFile::Map)) == MapStamp_) && !Scheme_->Info->Modified)
    ReloadPassport(phase);
  ShowPhase(*Scheme_, phase);
  hide();
  EditorRunner_(*this, *Scheme_);
  // Unsaved table edits are saved or let go first; kept, nothing is read.
  if (ConfirmInfoReload()) ReloadPassport(phase);
  lock->Unlock();
  show();
  Repaint();
  if (animating) AnimTimer_.start();
}

void TMainForm::ReloadPassport(int phase) {
  Marked_.clear();
  ReadPassportAgain(*Scheme_, TMissingFile::CreateEmpty);
  InfoRead();
  View_.ObjectScale = Scheme_->Info->RealScale;
  // The reload also drops what the table dialogs changed in memory: the
  // title, the phase items and the entries follow the passport as read.
  ShowPassportTitle();
  RebuildPhaseSelector(Scheme_->Info->PhaseCount);
  UpdatePassportEntries();
  ShowPhase(*Scheme_, phase <= Scheme_->Info->PhaseCount ? phase : 1);
}

void TMainForm::NotePassportRead() {
  EditedElsewhereBy_.clear();
  if (!Scheme_) return;
  const QString dir = QString::fromStdString(Scheme_->Dir);
  MapStamp_ = TFileStamp(PassportRevision(*Scheme_, TPassportFile::Map));
  if (const std::optional<TLockHolder> holder = TPassportLock::Holder(dir);
      holder && (holder->Pid != QCoreApplication::applicationPid() || holder->Machine != TPassportLock::Self().Machine))
    EditedElsewhereBy_ = HolderText(*holder);
}

void TMainForm::LayersClick() {
  if (Scheme_) LayersDialog()->Execute(*Scheme_);
  Repaint();
}

void TMainForm::ScaleClick() {
  ViewTouched();
  if (Scheme_) ScaleDialog()->Execute(View_, *Scheme_->Info);
  Repaint();
}

void TMainForm::LoadPassportClick() {
  const QString number = ChooseObjectForm()->Execute();
  if (number.isEmpty()) return;
  // A mistyped number would otherwise leave an empty passport in the database.
  if (!QFileInfo(QString::fromStdString(PassportDir(DatabaseDir_, number))).isDir() &&
      !AskYesNo(this, ApplicationTitle(), QStringLiteral("СО № %1 не существует. Создать?").arg(number)))
    return;
  OpenPassport(number);
}

void TMainForm::DataPathClick() {
  if (!Config_ || !DataPathForm()->Execute(*Config_)) return;
  const std::string dir = DatabaseDirFromConfig(*Config_);
  if (!DatabaseDirUsable(dir)) {
    MessageBoxOk(this, QMessageBox::Critical, QStringLiteral("База данных не найдена."), QStringLiteral("Ошибка"));
    return;
  }
  DatabaseDir_ = dir;
  LoadPassportClick();
}

void TMainForm::AboutClick() {
  ExecModal(*Dialogs_.About());
}

void TMainForm::HelpClick() {
  Dialogs_.Help()->ShowContents();
}

void TMainForm::PrintPresetClick(TLayerPreset preset) {
  QString question, heading;
  switch (preset) {
    case TLayerPreset::Tsrd:
      question = QStringLiteral("Выбрать только слои входящие в схему расстановки ТСРД?");
      heading = QStringLiteral("Схема расстановки ТСРД");
      break;
    case TLayerPreset::Odd:
      question = QStringLiteral("Выбрать только слои входящие в схему расстановки ОДД?");
      heading = QStringLiteral("Схема ОДД");
      break;
    case TLayerPreset::Cable:
      question = QStringLiteral("Выбрать только слои входящие в схему кабельного хозяйства?");
      heading = QStringLiteral("Схема кабельного хозяйства");
      break;
    case TLayerPreset::All:
      return;
  }
  const auto answer = AskYesNoCancel(this, ApplicationTitle(), question);
  if (answer == QMessageBox::Cancel) return;
  {
    // The layer set is shown for the print only: afterwards the viewer has
    // its own layer switches back.
    std::optional<TViewStateKeeper> keep;
    if (Scheme_) keep.emplace(*Scheme_);
    if (answer == QMessageBox::Yes) ApplyPreset(preset);
    // The title's lines end as the command line's do.
    if (PrintHandler_) PrintHandler_(TPrintRequest{TPrintRequest::Scheme, PassportTitle() + "\r\n" + heading, true});
  }
  Repaint();
}

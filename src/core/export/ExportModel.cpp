#include "ExportModel.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "plan/SVInfo.h"
#include "platform/Messages.h"

namespace fs = std::filesystem;

namespace {

void Cmd(TWordBasic& wb, const char* name, const TWordArgs& args = {}) { wb.Send(name, args); }

// A directory of its own under the system's temporary directory, removed
// with everything in it when the print is over.
class TTempDir {
 public:
  TTempDir() {
    std::error_code ec;
    const fs::path base = fs::temp_directory_path(ec);
    std::string templ = ((ec ? fs::path("/tmp") : base) / "svpass-print-XXXXXX").string();
    if (mkdtemp(templ.data())) Path_ = templ;
  }
  ~TTempDir() {
    std::error_code ec;
    if (!Path_.empty()) fs::remove_all(Path_, ec);
  }
  TTempDir(const TTempDir&) = delete;
  TTempDir& operator=(const TTempDir&) = delete;
  const std::string& Path() const { return Path_; }

 private:
  std::string Path_;
};

}  // namespace

std::string ExportHeaderText(const TSVInfo& info) {
  return info.AddressText() + " (Объект № " + info.ObjectNumber() + ")";
}

TExportModel::TExportModel()
    : Boxes{{{"PhaseBox", "Организация движения по фазам"},
             {"NaprBox", "Организация движения по направлениям"},
             {"ExonaprBox", "ОДД при нестандартной смене фаз"},
             {"CommBox", "Комментарий к паспорту"},
             {"ComplTableBox", "Таблица комплектации СО "},
             {"TextableBox", "Таблица изменений СО "},
             {"ComTextBox", "Описание подключения СО "}}} {}

void TExportModel::Prepare(const TSVInfo& info) {
  Info = &info;
  const bool uk = info.IsUK();
  for (int i = 0; i < esCount; ++i) {
    // An УК object has no signal plan of its own to export.
    const bool plan = i == esPhases || i == esNapr || i == esExonapr;
    Boxes[i].Enabled = !(plan && uk);
    Boxes[i].Checked = Boxes[i].Enabled;
  }
  Result = mrNone;
  SetGauge(0);
}

bool TExportModel::Check(const std::string& caption) {
  auto click = [](bool& box) {
    box = !box;
    return true;
  };
  if (caption == "Открыть Word") return click(WordBox);
  if (caption == "и не закрывать его") return click(DontCloseCB);
  for (TExportBox& b : Boxes) {
    if (caption != b.Caption && caption != b.Name) continue;
    if (!b.Enabled) return false;
    b.Checked = !b.Checked;
    return true;
  }
  return false;
}

int TExportModel::Press(TDialogButton button) {
  if (button == TDialogButton::Ok) return mrNone;
  Result = mrCancel;
  return mrCancel;
}

bool TExportModel::PressButton(const std::string& caption) {
  if (!Host || !Info) return false;
  if (caption == "Экспорт") {
    std::string path;
    if (!Host->ChooseExportFile(path)) return true;
    ExportTo(path, *Host);
  } else if (caption == "Печать") {
    if (!Host->ChoosePrinter()) return true;
    PrintNow(*Host);
  } else {
    return false;
  }
  Result = mrOk;
  return true;
}

void TExportModel::SetGauge(int value) {
  Gauge = value;
  if (OnGauge) OnGauge(value);
}

void TExportModel::WriteDocumentBody(TWordBasic& wb) {
  Cmd(wb, "ViewHeader");
  Cmd(wb, "LineDown", {TWordArg::Num(2)});
  Cmd(wb, "CenterPara");
  Cmd(wb, "Insert", {TWordArg::Str(ExportHeaderText(*Info))});
  Cmd(wb, "CloseViewHeaderFooter");
  SetGauge(20);
  using TWriter = void (TSVInfo::*)(TWordBasic&) const;
  static const TWriter writers[esCount] = {&TSVInfo::ExportPhases,    &TSVInfo::ExportDirections,
                                           &TSVInfo::ExportExo,       &TSVInfo::ExportComment,
                                           &TSVInfo::ExportEquipment, &TSVInfo::ExportChanges,
                                           &TSVInfo::ExportConnection};
  static const int gauge[esCount] = {30, 50, 60, 65, 75, 85, 90};
  for (int i = 0; i < esCount; ++i) {
    if (!Boxes[i].Checked) continue;
    (Info->*writers[i])(wb);
    Boxes[i].Checked = false;
    Cmd(wb, "LineDown", {TWordArg::Num(2)});
    SetGauge(gauge[i]);
  }
}

bool TExportModel::ExportTo(const std::string& path, TExportHost& host) {
  LastCommands.clear();
  TDocEngine engine(host.Output());
  TWordRecorder wb(&engine);
  host.SetBusy(true);
  bool ok = true;
  try {
    SetGauge(5);
    // The frame is copied in memory: the chosen file is written once, whole,
    // when the document is saved, and a failed export leaves it as it was.
    engine.StageCopy(TemplatePath("empty.doc"), path);
    SetGauge(10);
    if (WordBox) Cmd(wb, "AppShow");
    Cmd(wb, "fileopen", {TWordArg::Named("name", path)});
    SetGauge(15);
    WriteDocumentBody(wb);
    Cmd(wb, "FileSave");
    SetGauge(100);
    host.SetBusy(false);
    Cmd(wb, "AppShow");
  } catch (const TDocError& e) {
    host.SetBusy(false);
    ShowError(std::string("Экспорт не выполнен. ") + e.what());
    ok = false;
  }
  LastCommands = wb.Lines();
  return ok;
}

bool TExportModel::PrintNow(TExportHost& host) {
  LastCommands.clear();
  TDocEngine engine(host.Output());
  TWordRecorder wb(&engine);
  host.SetBusy(true);
  bool ok = true;
  try {
    SetGauge(5);
    // The temporary copy lives in a directory of its own: the program's
    // directory may be read-only, and two prints must not share a file.
    TTempDir dir;
    if (dir.Path().empty()) throw TDocError("Не удалось создать временный каталог для печати");
    const std::string temp = (fs::path(dir.Path()) / "temp.doc").string();
    const std::string empty = TemplatePath("empty.doc");
    std::error_code ec;
    fs::copy_file(empty, temp, fs::copy_options::overwrite_existing, ec);
    if (ec) throw TDocError("Не удалось скопировать файл " + empty + ": " + ec.message());
    SetGauge(10);
    if (WordBox) Cmd(wb, "AppShow");
    Cmd(wb, "fileopen", {TWordArg::Named("name", temp)});
    SetGauge(15);
    WriteDocumentBody(wb);
    Cmd(wb, "filepagesetup", {TWordArg::Named("TopMargin", "1 \"")});
    Cmd(wb, "filepagesetup", {TWordArg::Named("BottomMargin", "1 \""), TWordArg::Named("LeftMargin", "1,2 \""),
                              TWordArg::Named("RightMargin", "1 \""), TWordArg::NamedNum("Orientation", 0)});
    Cmd(wb, "FilePrint", {TWordArg::NamedNum("background", 1), TWordArg::NamedNum("Range", 0),
                          TWordArg::NamedNum("Type", 0), TWordArg::Named("NumCopies", "1")});
    SetGauge(95);
  } catch (const TDocError& e) {
    ShowError(std::string("Печать не выполнена. ") + e.what());
    ok = false;
  }
  SetGauge(100);
  host.SetBusy(false);
  LastCommands = wb.Lines();
  return ok;
}

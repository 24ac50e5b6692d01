// export: the tables of a passport into a document (.doc and .rtf are RTF,
// .pdf the laid-out pages), or printed into a PDF, through the same command
// stream and dialog rules as the window's export.
#include <fstream>
#include <iostream>
#include <map>
#include <sstream>

#include "CliArgs.h"
#include "CliMessages.h"
#include "Commands.h"
#include "Output.h"
#include "Usage.h"
#include "doc/DocFormats.h"
#include "export/ExportModel.h"
#include "model/SVObject.h"
#include "plan/SVInfo.h"
#include "platform/ProgramDir.h"
#include "platform/TextFile.h"
#include "store/FolderStore.h"
#include "store/OpenPassport.h"

#ifdef SVPASS_HAVE_RENDER
#include "OffscreenApp.h"
#include <QPrinter>
#include <QProcess>

#include "qt/DocPrinter.h"
#endif

namespace {

struct TExportArgs {
  std::string Dir;
  std::string Out;
  bool Print = false;
  bool HasSections = false;
  std::vector<int> Sections;
  bool WordVisible = false;
  std::string CommandsTo;
  bool Open = false;
  bool Strict = false;
};

const std::map<std::string, int>& SectionNames() {
  static const std::map<std::string, int> names = {
      {"phases", esPhases},   {"directions", esNapr},        {"exo", esExonapr},      {"comment", esComm},
      {"equipment", esComplTable}, {"changes", esTextable}, {"connection", esComText}};
  return names;
}

bool ParseArgs(const TArgs& args, TExportArgs& out, std::string& why) {
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    auto value = [&](std::string& to) {
      if (i + 1 >= args.size() || !to.empty()) return false;
      to = args[++i];
      return !to.empty();
    };
    if (a == "--out") {
      if (!value(out.Out)) return BadValue(why, args, i, "the document file, given once");
    } else if (a == "--commands-to") {
      if (!value(out.CommandsTo)) return BadValue(why, args, i, "the log file or -, given once");
    } else if (a == "--sections") {
      std::string list;
      if (out.HasSections || !value(list)) return BadValue(why, args, i, "a list of sections, given once");
      out.HasSections = true;
      std::stringstream ss(list);
      std::string name;
      while (std::getline(ss, name, ',')) {
        const auto it = SectionNames().find(name);
        if (it == SectionNames().end()) {
          std::string known;
          for (const auto& [n, section] : SectionNames()) known += (known.empty() ? "" : ", ") + n;
          why = "--sections " + list + ": \"" + name + "\" is none of " + known;
          return false;
        }
        out.Sections.push_back(it->second);
      }
    } else if (a == "--print") {
      out.Print = true;
    } else if (a == "--word-visible") {
      out.WordVisible = true;
    } else if (a == "--open") {
      out.Open = true;
    } else if (a == "--strict") {
      out.Strict = true;
    } else if (a.rfind("--", 0) == 0 || !out.Dir.empty()) {
      return Unexpected(why, a, out.Dir);
    } else {
      out.Dir = a;
    }
  }
  if (out.Dir.empty()) return Missing(why, "the passport folder");
  if (out.Out.empty()) return Missing(why, "--out");
  const TDocFormat* format = DocFormatOfPath(out.Out);
  if (!format || (out.Print && !format->Printable)) {
    std::string list;
    for (const TDocFormat& f : DocFormats())
      if (!out.Print || f.Printable) list += (list.empty() ? "." : ", .") + std::string(f.Extension);
    why = "--out " + out.Out + ": the document is written as " + list + (out.Print ? " with --print" : "");
    return false;
  }
  return true;
}

// The command line's side of the dialog: the file named on it, no dialogs.
class TCliExportHost : public TExportHost {
 public:
  TCliExportHost(std::string out, TDocOutput* output) : Out_(std::move(out)), Output_(output) {}
  bool ChooseExportFile(std::string& path) override {
    path = Out_;
    return true;
  }
  bool ChoosePrinter() override { return true; }
  TDocOutput* Output() override { return Output_; }
  void SetBusy(bool) override {}

 private:
  std::string Out_;
  TDocOutput* Output_;
};

#ifndef SVPASS_HAVE_RENDER
// Without the Qt side there are no pages: RTF only, nothing shown.
class TRtfOnlyOutput : public TDocOutput {
 public:
  void WritePdf(const TDocument&, const std::string& path) override {
    throw TDocError("Не удалось записать файл " + path + ": эта сборка не умеет PDF");
  }
  void Print(const TDocument&) override { throw TDocError("эта сборка не умеет печатать"); }
  void Show(const std::string&, bool) override {}
};
#endif

}  // namespace

int CmdExport(const TArgs& args) {
  TExportArgs a;
  std::string why;
  if (!ParseArgs(args, a, why)) return UsageError("export", why);
  if (!PassportDirReadable("export", a.Dir)) return 1;
#ifdef SVPASS_HAVE_RENDER
  const std::unique_ptr<QGuiApplication> app = StartOffscreenApplication();
  TQtDocOutput output;
  // A batch run over a database must not start a viewer per passport.
  const bool open = a.Open;
  output.OnShow = [open](const std::string& path) {
    return !open || QProcess::startDetached(QStringLiteral("xdg-open"), {QString::fromStdString(path)});
  };
  QPrinter printer(QPrinter::HighResolution);
  if (a.Print) {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(a.Out));
    output.Printer = &printer;
  }
#else
  TRtfOnlyOutput output;
#endif

  TCliMessages messages;
  const std::unique_ptr<TSVObject> passport = OpenPassportInfo(std::make_shared<TFolderStore>(), a.Dir);
  TSVObject& scheme = *passport;
  if (StoppedAsStrict("export", a.Dir, a.Strict, messages)) return 1;
  // What reading said is reported, not a failure; what the export says is.
  const std::size_t read = messages.Messages.size();
  TExportModel model;
  TCliExportHost host(a.Out, &output);
  model.Host = &host;
  model.Prepare(*scheme.Info);
  model.WordBox = a.WordVisible;
  if (a.HasSections) {
    for (TExportBox& b : model.Boxes) b.Checked = false;
    for (int s : a.Sections) {
      TExportBox& b = model.Boxes[static_cast<std::size_t>(s)];
      if (!b.Enabled) {
        CliError("export") << "the section \"" << b.Caption << "\" is not exported for an object of type УК\n";
        continue;
      }
      b.Checked = true;
    }
  }
  bool ok = model.PressButton(a.Print ? "Печать" : "Экспорт");
  for (std::size_t i = read; i < messages.Messages.size(); ++i)
    if (messages.Messages[i].Severity == TMessageSeverity::Error) ok = false;
  if (!a.CommandsTo.empty()) {
    std::string log;
    for (const std::string& l : model.LastCommands) log += l + '\n';
    if (!WriteOutput("export", a.CommandsTo, log)) return 1;
  }
  return ok ? 0 : 1;
}

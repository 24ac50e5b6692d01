// print: the page the print dialog would print, written to a vector PDF or to
// a PNG image without a printer or a display.
#ifdef SVPASS_HAVE_RENDER
#include "OffscreenApp.h"
#include <QBuffer>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <unistd.h>

#include <cerrno>
#include <ctime>
#include <filesystem>
#include <iostream>
#include <optional>

#include "CliArgs.h"
#include "CliMessages.h"
#include "Commands.h"
#include "Output.h"
#include "Usage.h"
#include "model/SVObject.h"
#include "plan/SVInfo.h"
#include "plan/SVtime.h"
#include "platform/IniFile.h"
#include "platform/ProgramDir.h"
#include "platform/TextFile.h"
#include "print/PrintEntry.h"
#include "print/PrintFormModel.h"
#include "qt/PdfPage.h"
#include "qt/QtCanvas.h"
#include "view/SchemeView.h"
#include "tables/SetPhaseLenModel.h"
#include "store/OpenPassport.h"

namespace {

struct TPrintArgs {
  std::string Dir;
  std::string Out;
  TPrintMode Mode = TPrintMode::Scheme;
  std::optional<TLayerPreset> Preset;
  std::optional<int> First;
  std::optional<int> Second;
  std::vector<int> Lengths;
  bool Color = false;
  bool GrayBorder = false;
  bool NoDate = false;
  std::optional<std::string> Date;
  std::optional<std::string> Title;
  QPageSize::PageSizeId Paper = QPageSize::A4;
  bool Landscape = false;
  std::optional<int> Dpi;
  bool Strict = false;
  // The page's format: the file's extension, or --format for standard output.
  bool Pdf = true;
};

bool EndsWith(const std::string& s, const std::string& tail) {
  return s.size() >= tail.size() && s.compare(s.size() - tail.size(), tail.size(), tail) == 0;
}

bool IsPdfName(const std::string& out) { return EndsWith(out, ".pdf") || EndsWith(out, ".PDF"); }
bool IsPngName(const std::string& out) { return EndsWith(out, ".png") || EndsWith(out, ".PNG"); }

// DD.MM.YYYY of a real day.
bool ParseDate(const std::string& s, std::string& out) {
  std::optional<int> d, m, y;
  if (s.size() != 10 || s[2] != '.' || s[5] != '.') return false;
  if (!ParseInt(s.substr(0, 2), 1, 31, d) || !ParseInt(s.substr(3, 2), 1, 12, m) ||
      !ParseInt(s.substr(6, 4), 1, 9999, y))
    return false;
  static const int days[12] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  const bool leap = (*y % 4 == 0 && *y % 100 != 0) || *y % 400 == 0;
  if (*d > days[*m - 1] || (*m == 2 && *d == 29 && !leap)) return false;
  out = PrintDateText(*d, *m, *y);
  return true;
}

bool ParseArgs(const TArgs& args, TPrintArgs& out, std::string& why) {
  const auto isValue = [&](std::size_t i) { return i < args.size() && args[i].rfind("--", 0) != 0; };
  std::optional<std::string> format;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    const bool hasValue = isValue(i + 1) || (a == "--out" && i + 1 < args.size() && args[i + 1] == "-");
    const std::string value = hasValue ? args[i + 1] : std::string();
    std::optional<int> n;
    if (a == "--out") {
      if (!hasValue || !(value == "-" || IsPdfName(value) || IsPngName(value)))
        return BadValue(why, args, i, "the page is written as .pdf or .png (or - for standard output)");
      out.Out = value;
    } else if (a == "--format") {
      if (value != "pdf" && value != "png") return BadValue(why, args, i, "pdf or png");
      format = value;
    } else if (a == "--mode") {
      if (value == "scheme")
        out.Mode = TPrintMode::Scheme;
      else if (value == "diagram")
        out.Mode = TPrintMode::TimeDiagram;
      else if (value == "tram")
        out.Mode = TPrintMode::TramHeads;
      else
        return BadValue(why, args, i, "scheme, diagram or tram");
    } else if (a == "--preset") {
      out.Preset = ParseLayerPreset(value);
      if (!out.Preset || *out.Preset == TLayerPreset::All) return BadValue(why, args, i, "tsrd, odd or cable");
    } else if (a == "--phases") {
      if (!hasValue || !ParseInt(value, 0, 255, out.First)) return BadValue(why, args, i, "a phase, 0 to 255");
      ++i;
      if (isValue(i + 1) && ParseInt(args[i + 1], 0, 255, out.Second)) ++i;
      continue;
    } else if (a == "--lengths") {
      while (isValue(i + 1) && out.Lengths.size() < 7) {
        // The top of each phase depends on the passport: checked once it is read.
        if (!ParseInt(args[i + 1], 0, TSetPhaseLenModel::kLargestLength, n)) {
          why = "--lengths " + args[i + 1] + ": seconds, 0 to " + std::to_string(TSetPhaseLenModel::kLargestLength);
          return false;
        }
        out.Lengths.push_back(*n);
        ++i;
      }
      if (out.Lengths.empty()) return BadValue(why, args, i, "one to seven phase lengths in seconds");
      continue;
    } else if (a == "--strict") {
      out.Strict = true;
      continue;
    } else if (a == "--color" || a == "--gray-border" || a == "--no-date" || a == "--landscape") {
      (a == "--color" ? out.Color : a == "--gray-border" ? out.GrayBorder : a == "--no-date" ? out.NoDate : out.Landscape) =
          true;
      continue;
    } else if (a == "--date") {
      std::string date;
      if (!hasValue || !ParseDate(value, date)) return BadValue(why, args, i, "a real day as DD.MM.YYYY");
      out.Date = date;
    } else if (a == "--title") {
      if (i + 1 >= args.size()) return BadValue(why, args, i, "the page title");
      out.Title = args[i + 1];
    } else if (a == "--paper") {
      if (value == "A4")
        out.Paper = QPageSize::A4;
      else if (value == "A3")
        out.Paper = QPageSize::A3;
      else if (value == "Letter")
        out.Paper = QPageSize::Letter;
      else
        return BadValue(why, args, i, "A4, A3 or Letter");
    } else if (a == "--dpi") {
      if (!hasValue || !ParseInt(value, 30, 2400, out.Dpi)) return BadValue(why, args, i, "30 to 2400 dots per inch");
    } else if (a.rfind("--", 0) == 0) {
      why = a + ": no such option";
      return false;
    } else if (!out.Dir.empty()) {
      why = a + ": one passport only (it is " + out.Dir + ")";
      return false;
    } else {
      out.Dir = a;
      continue;
    }
    ++i;
  }
  // A layer set belongs to the scheme prints only.
  if (out.Preset && out.Mode != TPrintMode::Scheme) {
    why = "--preset: only with --mode scheme";
    return false;
  }
  if (out.Dir.empty()) {
    why = "the passport folder is missing";
    return false;
  }
  if (out.Out.empty()) {
    why = "--out is missing";
    return false;
  }
  out.Pdf = out.Out == "-" ? format.value_or("pdf") == "pdf" : IsPdfName(out.Out);
  return true;
}

std::string Today() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return PrintDateText(local.tm_mday, local.tm_mon + 1, local.tm_year + 1900);
}

TPrintEntry EntryOf(const TPrintArgs& a) {
  if (a.Mode == TPrintMode::TimeDiagram) return TPrintEntry::TimeDiagram;
  if (a.Mode == TPrintMode::TramHeads) return TPrintEntry::TramHeads;
  if (!a.Preset) return TPrintEntry::CurrentScheme;
  switch (*a.Preset) {
    case TLayerPreset::Tsrd:
      return TPrintEntry::Tsrd;
    case TLayerPreset::Odd:
      return TPrintEntry::Odd;
    default:
      return TPrintEntry::Cable;
  }
}

// What the menu and the phase-length dialog refuse for this passport is
// refused here too: one line naming the reason, exit status 2.
int CheckAgainstPassport(TSVObject& scheme, const TPrintArgs& a) {
  if (a.Mode == TPrintMode::TimeDiagram && scheme.Info->IsUK()) {
    CliError("print") << "a passport of the УК type has no time diagram\n";
    return 2;
  }
  const TSetPhaseLenModel lengths(scheme);
  for (std::size_t k = 0; k < a.Lengths.size(); ++k) {
    const int max = lengths.Max[k + 1];
    if (a.Lengths[k] > max) {
      CliError("print") << "the length of phase " << k + 1 << " may be at most " << max << " s, not " << a.Lengths[k]
                        << '\n';
      return 2;
    }
  }
  return 0;
}

// The target is tried before a page is drawn, so that an unwritable one
// gives one line rather than a painter's complaint for every stroke. Nothing
// is created or truncated here: the page is written whole at the end.
bool TargetWritable(const std::string& out) {
  if (out == "-") return true;
  const std::filesystem::path target(out);
  std::error_code ec;
  std::string probe = out;
  if (!std::filesystem::exists(target, ec)) {
    probe = target.parent_path().empty() ? std::string(".") : target.parent_path().string();
  }
  if (::access(probe.c_str(), W_OK) == 0) return true;
  ReportWriteFailure("print", out, errno);
  return false;
}

// The dialog's settings for the same entry, with the options over them.
bool Configure(TPrintFormModel& print, TSVObject& scheme, const TPrintArgs& a, const TPrinterMetrics& printer) {
  const TIniFile config(JoinPath(ProgramDir(), "config.ini"));
  if (!print.Prepare(scheme, &config, printer, a.Date ? *a.Date : Today())) return false;
  const TPrintEntry entry = EntryOf(a);
  const TPrintEntryRule rule = PrintEntryRule(entry);
  print.Content.Mode = rule.Mode;
  print.Content.Title = a.Title ? *a.Title : PrintTitle(*scheme.Info, entry);
  if (rule.NoFooter) print.Margins.Footer = 0;
  if (a.First) {
    print.Content.FirstPhase = *a.First;
    print.Content.TwoPhases = a.Second.has_value();
    if (a.Second) print.Content.SecondPhase = *a.Second;
  }
  const TSetPhaseLenModel lengths(scheme);
  print.Content.PhaseLengths = lengths.Lengths;
  for (std::size_t k = 0; k < a.Lengths.size(); ++k) print.Content.PhaseLengths[k + 1] = a.Lengths[k];
  print.Content.NoDate = a.NoDate;
  print.Preview.ColorPrint = a.Color || rule.Mode == TPrintMode::TimeDiagram;
  print.Preview.GrayBorder = a.GrayBorder;
  return true;
}

}  // namespace

int CmdPrint(const TArgs& args) {
  TPrintArgs a;
  std::string why;
  if (!ParseArgs(args, a, why)) return UsageError("print", why);
  if (!PassportDirReadable("print", a.Dir)) return 1;
  const std::unique_ptr<QGuiApplication> app = StartOffscreenApplication();

  TCliMessages messages;
  TLoadedPassport passport = OpenPassportDir(a.Dir);
  TSVObject& scheme = *passport.Scheme;
  if (StoppedAsStrict("print", a.Dir, a.Strict, messages)) return 1;
  if (!PhaseOfPassport(a.First, *scheme.Info, why, "--phases") ||
      !PhaseOfPassport(a.Second, *scheme.Info, why, "--phases"))
    return UsageError("print", why);
  if (a.Preset) ApplyLayerPreset(scheme, *a.Preset);
  if (const int refused = CheckAgainstPassport(scheme, a)) return refused;
  if (!TargetWritable(a.Out)) return 1;

  const QPageLayout layout(QPageSize(a.Paper), a.Landscape ? QPageLayout::Landscape : QPageLayout::Portrait,
                           QMarginsF(0, 0, 0, 0));
  const QSizeF mm = layout.fullRect(QPageLayout::Millimeter).size();
  TPrintFormModel print;
  if (a.Pdf) {
    // Laid out in memory and written in one checked step: a full disk gives
    // one line and no truncated file.
    std::string bytes;
    const TPdfResult made = PrintedPagePdf(
        scheme, layout, a.Dpi.value_or(600), PrintTitle(*scheme.Info, EntryOf(a)),
        [&](TPrintFormModel& model, const TPrinterMetrics& printer) { return Configure(model, scheme, a, printer); },
        bytes);
    if (made == TPdfResult::NotConfigured) return 1;
    if (made == TPdfResult::NotWritten) {
      CliError("print") << "cannot write " << a.Out << '\n';
      return 1;
    }
    return WriteOutput("print", a.Out, bytes) ? 0 : 1;
  }
  const int dpi = a.Dpi.value_or(150);
  const TPrinterMetrics printer = PaperMetrics(mm.width(), mm.height(), dpi);
  if (!Configure(print, scheme, a, printer)) return 1;
  QImage page(printer.PaperWidth, printer.PaperHeight, QImage::Format_RGB32);
  page.setDotsPerMeterX(static_cast<int>(dpi / 0.0254 + 0.5));
  page.setDotsPerMeterY(static_cast<int>(dpi / 0.0254 + 0.5));
  {
    TQtCanvas canvas(&page);
    print.DrawPrinted(scheme, canvas);
  }
  QByteArray bytes;
  QBuffer buffer(&bytes);
  if (!buffer.open(QIODevice::WriteOnly) || !page.save(&buffer, "PNG")) {
    CliError("print") << "cannot write " << a.Out << '\n';
    return 1;
  }
  return WriteOutput("print", a.Out, std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()))) ? 0 : 1;
}
#endif

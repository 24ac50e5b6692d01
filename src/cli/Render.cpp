// render: the picture the viewer shows of a passport at start-up, drawn into
// a PNG file without a display, or written as SVG when the file is *.svg.
#include <QBuffer>
#include "OffscreenApp.h"
#include <QImage>
#include <fstream>
#include <iostream>
#include <optional>

#include "CliArgs.h"
#include "CliMessages.h"
#include "Commands.h"
#include "PrimitivesJson.h"
#include "Usage.h"
#include "model/SVObject.h"
#include "plan/SVtime.h"
#include "platform/RecordingCanvas.h"
#include "platform/TeeCanvas.h"
#include "platform/TextFile.h"
#include "qt/QtCanvas.h"
#include "qt/SchemeView.h"
#include "svg/SvgCanvas.h"

namespace {

struct TRenderArgs {
  std::string Dir;
  std::string Out;
  // The log of the picture's primitives, one JSON object a line.
  std::string Primitives;
  int Width = 1280;
  int Height = 800;
  std::optional<int> Phase;
  std::optional<int> Program;
  std::optional<double> Remaining;
  std::optional<TLayerPreset> Preset;
  TSchemeLook Look = TSchemeLook::View;
  std::optional<double> SignScale;
};

bool ParseArgs(const TArgs& args, TRenderArgs& out) {
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    const bool hasValue = i + 1 < args.size();
    const std::string value = hasValue ? args[i + 1] : std::string();
    std::optional<int> n;
    if (a == "--out") {
      if (!hasValue || value.empty()) return false;
      out.Out = value;
    } else if (a == "--primitives") {
      if (!hasValue || value.empty()) return false;
      out.Primitives = value;
    } else if (a == "--width" || a == "--height") {
      if (!hasValue || !ParseInt(value, 16, 20000, n)) return false;
      (a == "--width" ? out.Width : out.Height) = *n;
    } else if (a == "--phase") {
      if (!hasValue || !ParseInt(value, 1, 255, out.Phase)) return false;
    } else if (a == "--program") {
      if (!hasValue || !ParseInt(value, 0, 2, out.Program)) return false;
    } else if (a == "--remaining") {
      if (!hasValue || !ParseReal(value, out.Remaining)) return false;
    } else if (a == "--preset") {
      if (!hasValue || !(out.Preset = ParseLayerPreset(value))) return false;
    } else if (a == "--look") {
      const auto look = hasValue ? ParseSchemeLook(value) : std::nullopt;
      if (!look) return false;
      out.Look = *look;
    } else if (a == "--sign-scale") {
      if (!hasValue || !ParseReal(value, out.SignScale) || !(*out.SignScale > 0 && *out.SignScale < 100))
        return false;
    } else if (a.rfind("--", 0) == 0 || !out.Dir.empty()) {
      return false;
    } else {
      out.Dir = a;
      continue;
    }
    ++i;
  }
  // Standard output takes one of the two, not both.
  if (out.Out == "-" && out.Primitives == "-") return false;
  return !out.Dir.empty() && !out.Out.empty();
}

// "-" is standard output, so that the picture can go down a pipe.
bool SavePicture(const QImage& picture, const std::string& out) {
  if (out != "-") return picture.save(QString::fromStdString(out), "PNG");
  QByteArray bytes;
  QBuffer buffer(&bytes);
  if (!buffer.open(QIODevice::WriteOnly) || !picture.save(&buffer, "PNG")) return false;
  std::cout.write(bytes.constData(), bytes.size());
  return static_cast<bool>(std::cout.flush());
}

bool IsSvgName(const std::string& out) {
  return out.size() > 4 && (out.compare(out.size() - 4, 4, ".svg") == 0 || out.compare(out.size() - 4, 4, ".SVG") == 0);
}

bool SaveSvg(const std::string& document, const std::string& out) {
  std::ofstream file(out, std::ios::binary | std::ios::trunc);
  return file.write(document.data(), static_cast<std::streamsize>(document.size())) && file.flush();
}

bool SavePrimitives(const std::vector<TCanvasOp>& ops, const std::string& out) {
  if (out == "-") return WritePrimitives(std::cout, ops);
  std::ofstream file(out, std::ios::binary | std::ios::trunc);
  return file && WritePrimitives(file, ops);
}

}  // namespace

int CmdRender(const TArgs& args) {
  TRenderArgs a;
  if (!ParseArgs(args, a)) return UsageError("render");
  if (!PassportDirReadable("render", a.Dir)) return 1;
  const std::unique_ptr<QGuiApplication> app = StartOffscreenApplication();

  TCliMessages messages;
  TSVObject scheme(a.Dir);
  scheme.ClearAll();
  scheme.SetInfoFileName();
  scheme.LoadAll();

  QImage picture(a.Width, a.Height, QImage::Format_RGB32);
  TRecordingCanvas recorder(TRect{0, 0, a.Width, a.Height});
  // An SVG is laid out with the metrics the picture would have.
  const bool svg = IsSvgName(a.Out);
  TQtTextMeasure measure(&picture);
  TSvgCanvas svgCanvas(a.Width, a.Height, measure, a.Look == TSchemeLook::Print ? clWhite : kViewBackground);
  {
    std::optional<TQtCanvas> raster;
    if (!svg) raster.emplace(&picture);
    TCanvas& canvas = svg ? static_cast<TCanvas&>(svgCanvas) : *raster;
    // With a log asked for, every primitive passes through the recorder on
    // its way to the picture: the log is of this very picture, laid out
    // with the picture's own text metrics.
    std::optional<TTeeCanvas> tee;
    if (!a.Primitives.empty()) tee.emplace(canvas, recorder);
    TDrawContext view;
    InitViewContext(view, tee ? static_cast<TCanvas*>(&*tee) : &canvas, scheme);
    ShowPhase(scheme, a.Phase.value_or(1));
    if (a.Program) ShowProgram(scheme, *a.Program);
    if (a.Remaining) {
      scheme.Time->Remaining = *a.Remaining;
      scheme.CopyTimingToDirections();
    }
    if (a.SignScale) view.SetSignScale(*a.SignScale);
    if (a.Preset) ApplyLayerPreset(scheme, *a.Preset);
    if (a.Look == TSchemeLook::Print) view.ColorPrint = true;
    FitShown(scheme, view, a.Width, a.Height);
    PaintScheme(scheme, view, a.Look);
  }
  if (!(svg ? SaveSvg(svgCanvas.Document(), a.Out) : SavePicture(picture, a.Out))) {
    CliError("render") << "cannot write " << (a.Out == "-" ? "to standard output" : a.Out) << '\n';
    return 1;
  }
  if (!a.Primitives.empty() && !SavePrimitives(recorder.Ops(), a.Primitives)) {
    CliError("render") << "cannot write " << (a.Primitives == "-" ? "to standard output" : a.Primitives) << '\n';
    return 1;
  }
  return 0;
}

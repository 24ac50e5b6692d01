// render: the picture the viewer shows of a passport at start-up, drawn into
// a PNG file without a display, or written as SVG when the file is *.svg;
// a *.dxf file is the scheme as a CAD drawing at its world coordinates.
#include <QBuffer>
#include "OffscreenApp.h"
#include <QImage>
#include <fstream>
#include <iostream>
#include <optional>
#include <sstream>
#include <cstdio>

#include "CliArgs.h"
#include "CliMessages.h"
#include "Commands.h"
#include "Output.h"
#include "json/PrimitivesJson.h"
#include "Usage.h"
#include "model/SVObject.h"
#include "plan/SVtime.h"
#include "platform/RecordingCanvas.h"
#include "platform/TeeCanvas.h"
#include "platform/TextFile.h"
#include "qt/QtCanvas.h"
#include "dxf/DxfCanvas.h"
#include "dxf/SchemeDxf.h"
#include "store/OpenPassport.h"
#include "svg/SvgCanvas.h"
#include "view/SchemeView.h"

namespace {

// The picture's format by the name's extension: PNG (and on standard
// output), JPEG, SVG; nullptr for any other name, which is refused rather
// than given bytes that its extension belies.
const char* PictureFormat(const std::string& out) {
  if (out == "-") return "PNG";
  const std::size_t dot = out.rfind('.');
  std::string ext = dot == std::string::npos ? "" : out.substr(dot + 1);
  for (char& c : ext) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  if (ext == "png") return "PNG";
  if (ext == "jpg" || ext == "jpeg") return "JPEG";
  if (ext == "svg") return "SVG";
  if (ext == "dxf") return "DXF";
  return nullptr;
}

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
  bool Strict = false;
};

bool ParseArgs(const TArgs& args, TRenderArgs& out, std::string& why) {
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
      if (!hasValue || !ParseInt(value, 16, 20000, n)) return BadValue(why, args, i, "16 to 20000");
      (a == "--width" ? out.Width : out.Height) = *n;
    } else if (a == "--phase") {
      if (!hasValue || !ParseInt(value, 1, 255, out.Phase)) return BadValue(why, args, i, "a phase, 1 to 255");
    } else if (a == "--program") {
      if (!hasValue || !ParseInt(value, 0, 2, out.Program)) return BadValue(why, args, i, "0, 1 or 2");
    } else if (a == "--remaining") {
      if (!hasValue || !ParseRemaining(value, out.Remaining))
        return BadValue(why, args, i, kRemainingRange);
    } else if (a == "--preset") {
      if (!hasValue || !(out.Preset = ParseLayerPreset(value))) return false;
    } else if (a == "--look") {
      const auto look = hasValue ? ParseSchemeLook(value) : std::nullopt;
      if (!look) return false;
      out.Look = *look;
    } else if (a == "--sign-scale") {
      if (!hasValue || !ParseReal(value, out.SignScale) || !(*out.SignScale > 0 && *out.SignScale < 100))
        return false;
    } else if (a == "--strict") {
      out.Strict = true;
      continue;
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
  if (!out.Out.empty() && !PictureFormat(out.Out)) {
    why = "--out " + out.Out + ": the picture is written as .png, .jpg, .svg or .dxf (or - for PNG on standard output)";
    return false;
  }
  return !out.Dir.empty() && !out.Out.empty();
}

// "-" is standard output, so that the picture can go down a pipe.
bool SavePicture(const QImage& picture, const std::string& out) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  if (!buffer.open(QIODevice::WriteOnly) || !picture.save(&buffer, PictureFormat(out))) {
    CliError("render") << "cannot encode the picture for " << TargetName(out) << '\n';
    return false;
  }
  return WriteOutput("render", out, std::string(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

bool IsSvgName(const std::string& out) { return std::string(PictureFormat(out)) == "SVG"; }
bool IsDxfName(const std::string& out) { return std::string(PictureFormat(out)) == "DXF"; }

// Puts the passport's clock and layers where the arguments say.
void ApplyState(TSVObject& scheme, const TRenderArgs& a) {
  ShowPhase(scheme, a.Phase.value_or(1));
  if (a.Program) ShowProgram(scheme, *a.Program);
  if (a.Remaining) {
    scheme.Time->Remaining = *a.Remaining;
    scheme.CopyTimingToDirections();
  }
  if (a.Preset) ApplyLayerPreset(scheme, *a.Preset);
}

// The scheme as a drawing: at zoom 1 with the origin at 0, whatever the
// picture size, and without the window's background. Labels are laid out
// with the metrics the picture would have.
bool RenderDxf(TSVObject& scheme, const TRenderArgs& a, TRecordingCanvas& recorder) {
  QImage metrics(16, 16, QImage::Format_RGB32);
  TQtTextMeasure measure(&metrics);
  TDxfCanvas dxf(measure, LookBackground(a.Look));
  std::optional<TTeeCanvas> tee;
  if (!a.Primitives.empty()) tee.emplace(dxf, recorder);
  ApplyState(scheme, a);
  DrawSchemeAtWorld(scheme, tee ? static_cast<TCanvas&>(*tee) : dxf, a.Look, a.SignScale.value_or(1.0));
  return WriteOutput("render", a.Out, dxf.Document());
}

bool SavePrimitives(const std::vector<TCanvasOp>& ops, const std::string& out) {
  std::ostringstream text;
  WritePrimitives(text, ops);
  return WriteOutput("render", out, text.str());
}

}  // namespace

int CmdRender(const TArgs& args) {
  TRenderArgs a;
  std::string why;
  if (!ParseArgs(args, a, why)) return UsageError("render", why);
  if (!PassportDirReadable("render", a.Dir)) return 1;
  const std::unique_ptr<QGuiApplication> app = StartOffscreenApplication();

  TCliMessages messages;
  TLoadedPassport passport = OpenPassportDir(a.Dir);
  TSVObject& scheme = *passport.Scheme;
  if (StoppedAsStrict("render", a.Dir, a.Strict, messages)) return 1;
  if (!PhaseOfPassport(a.Phase, *scheme.Info, why)) return UsageError("render", why);

  QImage picture(a.Width, a.Height, QImage::Format_RGB32);
  TRecordingCanvas recorder(TRect{0, 0, a.Width, a.Height});
  if (IsDxfName(a.Out)) {
    if (!RenderDxf(scheme, a, recorder)) return 1;
    if (!a.Primitives.empty() && !SavePrimitives(recorder.Ops(), a.Primitives)) {
      std::remove(a.Out.c_str());
      return 1;
    }
    return 0;
  }
  // An SVG is laid out with the metrics the picture would have.
  const bool svg = IsSvgName(a.Out);
  TQtTextMeasure measure(&picture);
  TSvgCanvas svgCanvas(a.Width, a.Height, measure, a.Look == TSchemeLook::Print ? clWhite : kSchemeBackground);
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
    ApplyState(scheme, a);
    if (a.SignScale) view.SetSignScale(*a.SignScale);
    if (a.Look == TSchemeLook::Print) view.ColorPrint = true;
    FitShown(scheme, view, a.Width, a.Height);
    PaintScheme(scheme, view, a.Look);
  }
  if (!(svg ? WriteOutput("render", a.Out, svgCanvas.Document()) : SavePicture(picture, a.Out))) return 1;
  if (!a.Primitives.empty() && !SavePrimitives(recorder.Ops(), a.Primitives)) {
    // The picture and its log go together or not at all.
    if (a.Out != "-") std::remove(a.Out.c_str());
    return 1;
  }
  return 0;
}

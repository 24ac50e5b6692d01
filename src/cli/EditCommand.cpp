// edit: runs an editing script on a copy of a passport, as a user working
// the scheme editor would, and reports the result as one JSON object.
#include <ctime>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>

#include "CliArgs.h"
#include "CliMessages.h"
#include "Commands.h"
#include "Output.h"
#include "json/Json.h"
#include "json/PassportJson.h"
#include "Usage.h"
#include "edit/EditScript.h"
#include "edit/EditSession.h"
#include "model/SVObject.h"
#include "platform/ProgramDir.h"
#include "platform/RecordingCanvas.h"
#include "platform/TextFile.h"
#include "store/OpenPassport.h"

#ifdef SVPASS_HAVE_RENDER
#include "OffscreenApp.h"
#include <QImage>

#include "qt/QtCanvas.h"
#endif

namespace fs = std::filesystem;

namespace {

struct TEditArgs {
  std::string Dir, Script, Out, Today;
  int Width = 1000, Height = 700;
};

bool ParseSize(const std::string& s, int& w, int& h) {
  const auto x = s.find('x');
  if (x == std::string::npos) return false;
  std::optional<int> a, b;
  if (!ParseInt(s.substr(0, x), 16, 20000, a) || !ParseInt(s.substr(x + 1), 16, 20000, b)) return false;
  w = *a;
  h = *b;
  return true;
}

// "2026-03-07" → "07.03.2026 г.".
bool ParseToday(const std::string& s, std::string& out) {
  if (s.size() != 10 || s[4] != '-' || s[7] != '-') return false;
  for (std::size_t i : {0u, 1u, 2u, 3u, 5u, 6u, 8u, 9u})
    if (s[i] < '0' || s[i] > '9') return false;
  out = s.substr(8, 2) + "." + s.substr(5, 2) + "." + s.substr(0, 4) + " г.";
  return true;
}

std::string RealToday() {
  const std::time_t t = std::time(nullptr);
  std::tm tm{};
  localtime_r(&t, &tm);
  char buf[32];
  std::strftime(buf, sizeof buf, "%d.%m.%Y", &tm);
  return std::string(buf) + " г.";
}

bool ParseArgs(const TArgs& args, TEditArgs& out, std::string& why) {
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    const bool hasValue = i + 1 < args.size();
    if (a == "--script" && hasValue) {
      out.Script = args[++i];
    } else if (a == "--out" && hasValue) {
      out.Out = args[++i];
    } else if (a == "--size" && hasValue) {
      if (!ParseSize(args[i + 1], out.Width, out.Height)) return BadValue(why, args, i, "WxH, each 16 to 20000");
      ++i;
    } else if (a == "--today" && hasValue) {
      if (!ParseToday(args[i + 1], out.Today)) return BadValue(why, args, i, "a day as YYYY-MM-DD");
      ++i;
    } else if (a == "--script" || a == "--out" || a == "--size" || a == "--today") {
      return BadValue(why, args, i, "a value is needed");
    } else if (a.rfind("--", 0) == 0 || !out.Dir.empty()) {
      return Unexpected(why, a, out.Dir);
    } else {
      out.Dir = a;
    }
  }
  if (out.Dir.empty()) return Missing(why, "the passport folder");
  if (out.Script.empty()) return Missing(why, "--script");
  if (out.Out.empty()) return Missing(why, "--out");
  return true;
}

// The copy the script works on: DIR is made, or must be empty.
bool PrepareOut(const TEditArgs& a, std::string& error) {
  std::error_code ec;
  if (fs::exists(a.Out, ec)) {
    if (!fs::is_directory(a.Out, ec) || !fs::is_empty(a.Out, ec)) {
      error = a.Out + " exists and is not an empty directory";
      return false;
    }
  } else if (!fs::create_directories(a.Out, ec)) {
    error = "cannot create " + a.Out;
    return false;
  }
  for (const char* name : {"info.txt", "map.txt"}) {
    const fs::path from = fs::path(a.Dir) / name;
    if (!fs::exists(from, ec)) continue;
    if (!fs::copy_file(from, fs::path(a.Out) / name, ec)) {
      error = "cannot copy " + from.string();
      return false;
    }
  }
  return true;
}

void WriteReport(TJsonWriter& json, TSVObject& scheme, TEditSession& session, const TScriptDialogHost& host,
                 const TCliMessages& messages) {
  json.BeginObject();
  WritePassportMembers(json, scheme);
  WriteMessages(json, messages.Messages);
  json.Key("dialogs").BeginArray();
  for (const TDialogOpening& d : host.Openings())
    json.BeginObject().Member("form", d.Form).Member("answered", d.Answered).EndObject();
  json.EndArray();
  const TDrawContext& ctx = session.Context();
  json.Member("changed", session.Changed())
      .Member("undo", session.UndoSteps())
      .Member("redo", session.RedoSteps())
      .Member("tool", session.ToolHint())
      .Member("points", session.PointCount())
      .Key("view")
      .BeginObject()
      .Member("zoom", ctx.Zoom)
      .Member("originX", ctx.OriginX)
      .Member("originY", ctx.OriginY)
      .Member("baseX", ctx.BaseImageX)
      .Member("baseY", ctx.BaseImageY)
      .EndObject()
      .EndObject();
}

}  // namespace

int CmdEdit(const TArgs& args) {
  TEditArgs a;
  std::string why;
  if (!ParseArgs(args, a, why)) return UsageError("edit", why);
  if (!PassportDirReadable("edit", a.Dir)) return 1;
  std::ifstream scriptFile(a.Script, std::ios::binary);
  if (!scriptFile) {
    CliError("edit") << "cannot read the script " << a.Script << '\n';
    return 1;
  }
  std::stringstream scriptText;
  scriptText << scriptFile.rdbuf();
  std::string error;
  if (!PrepareOut(a, error)) {
    CliError("edit") << error << '\n';
    return 1;
  }

  TCliMessages messages;
  TLoadedPassport passport = OpenPassportDir(WithTrailingSep(a.Out));
  TSVObject& scheme = *passport.Scheme;

  TScriptEnv env;
  env.ScriptDir = fs::path(a.Script).parent_path().string();
  if (env.ScriptDir.empty()) env.ScriptDir = ".";
  env.TableEnv.Today = a.Today.empty() ? RealToday() : a.Today;
  env.TableEnv.ConfigPath = ProgramDir() + "config.ini";

#ifdef SVPASS_HAVE_RENDER
  const std::unique_ptr<QGuiApplication> app = StartOffscreenApplication();
  QImage picture(a.Width, a.Height, QImage::Format_RGB32);
  TQtCanvas canvas(&picture);
  env.LoadImage = [](const std::string& path, TRasterImage& image) {
    QImage img;
    if (!img.load(QString::fromStdString(path))) return false;
    img = img.convertToFormat(QImage::Format_RGB32);
    image.Width = img.width();
    image.Height = img.height();
    image.Pixels.resize(static_cast<std::size_t>(image.Width) * static_cast<std::size_t>(image.Height));
    for (int y = 0; y < image.Height; ++y) {
      const auto* line = reinterpret_cast<const QRgb*>(img.constScanLine(y));
      for (int x = 0; x < image.Width; ++x)
        image.Pixels[static_cast<std::size_t>(y) * image.Width + x] =
            MakeColor(qRed(line[x]), qGreen(line[x]), qBlue(line[x]));
    }
    return true;
  };
  env.Shot = [&picture](const std::string& path) { return picture.save(QString::fromStdString(path), "PNG"); };
#else
  TRecordingCanvas canvas(TRect{0, 0, a.Width, a.Height});
#endif

  TScriptDialogHost host;
  TEditSession session(scheme, host);
  session.SetCanvas(&canvas, a.Width, a.Height);
  session.Prepare();
  session.Show();
  TEditScriptRunner runner(scheme, session, host, env);
  const bool ok = runner.Run(scriptText.str(), error);

  TJsonWriter json;
  WriteReport(json, scheme, session, host, messages);
  if (!WriteOutput("edit", "-", json.Text() + '\n')) return 1;
  if (!ok) {
    std::cerr << "error: " << error << '\n';
    return 3;
  }
  return 0;
}

#include "EditScript.h"

#include <cstdlib>
#include <sstream>

#include "EditSession.h"
#include "base/DxfBaseReader.h"
#include "model/SVObject.h"
#include "plan/SVInfo.h"
#include "platform/Codec1251.h"
#include "platform/Messages.h"
#include "platform/ProgramDir.h"

namespace {

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

bool ReadHex4(const std::string& s, std::size_t at, unsigned& cp) {
  if (at + 4 > s.size()) return false;
  cp = 0;
  for (std::size_t k = 0; k < 4; ++k) {
    const int d = HexDigit(s[at + k]);
    if (d < 0) return false;
    cp = cp * 16 + static_cast<unsigned>(d);
  }
  return true;
}

bool ParseInt(const std::string& s, int& v) {
  if (s.empty() || s.size() > 10) return false;
  char* end = nullptr;
  const long n = std::strtol(s.c_str(), &end, 10);
  if (*end != '\0') return false;
  v = static_cast<int>(n);
  return true;
}

bool ParseReal(const std::string& s, double& v) {
  if (s.empty()) return false;
  std::istringstream in(s);
  in.imbue(std::locale::classic());
  in >> v;
  return in && in.peek() == std::char_traits<char>::eof() && v == v;
}

// Coordinates of the paint box, kept to a range no pixel computation can
// overflow.
bool ParsePixel(const std::string& s, int& v) { return ParseInt(s, v) && v > -100000 && v < 100000; }

bool Fail(std::string& error, const std::string& text) {
  error = text;
  return false;
}

}  // namespace

bool SplitScriptLine(const std::string& line, std::vector<std::string>& words, std::string& error) {
  words.clear();
  std::size_t i = 0;
  while (i < line.size()) {
    const char c = line[i];
    if (c == ' ' || c == '\t' || c == '\r') {
      ++i;
      continue;
    }
    if (c != '"') {
      const std::size_t start = i;
      while (i < line.size() && line[i] != ' ' && line[i] != '\t' && line[i] != '\r') ++i;
      words.push_back(line.substr(start, i - start));
      continue;
    }
    std::string w;
    ++i;
    bool closed = false;
    while (i < line.size()) {
      const char d = line[i++];
      if (d == '"') {
        closed = true;
        break;
      }
      if (d != '\\') {
        w += d;
        continue;
      }
      if (i >= line.size()) break;
      const char e = line[i++];
      switch (e) {
        case '"':
          w += '"';
          break;
        case '\\':
          w += '\\';
          break;
        case '/':
          w += '/';
          break;
        case 'b':
          w += '\b';
          break;
        case 'f':
          w += '\f';
          break;
        case 'n':
          w += '\n';
          break;
        case 'r':
          w += '\r';
          break;
        case 't':
          w += '\t';
          break;
        case 'u': {
          unsigned cp = 0;
          if (!ReadHex4(line, i, cp)) return Fail(error, "bad \\u escape");
          i += 4;
          if (cp >= 0xD800 && cp < 0xDC00) {
            unsigned lo = 0;
            if (i + 6 > line.size() || line[i] != '\\' || line[i + 1] != 'u' || !ReadHex4(line, i + 2, lo) ||
                lo < 0xDC00 || lo >= 0xE000)
              return Fail(error, "bad surrogate pair");
            i += 6;
            cp = 0x10000 + ((cp - 0xD800) << 10) + (lo - 0xDC00);
          } else if (cp >= 0xDC00 && cp < 0xE000) {
            return Fail(error, "bad surrogate pair");
          }
          AppendUtf8(w, cp);
          break;
        }
        default:
          return Fail(error, std::string("bad escape \\") + e);
      }
    }
    if (!closed) return Fail(error, "string not closed");
    words.push_back(w);
  }
  return true;
}

TEditScriptRunner::TEditScriptRunner(TSVObject& scheme, TEditSession& session, TScriptDialogHost& dialogs,
                                     TScriptEnv env)
    : Scheme_(scheme), Session_(session), Dialogs_(dialogs), Env_(std::move(env)) {}

TEditScriptRunner::~TEditScriptRunner() = default;

bool TEditScriptRunner::Run(const std::string& text, std::string& error) {
  std::istringstream in(text);
  std::string line;
  int n = 0;
  while (std::getline(in, line)) {
    ++n;
    if (!RunLine(n, line, error)) return false;
  }
  return true;
}

bool TEditScriptRunner::RunLine(int lineNo, const std::string& line, std::string& error) {
  std::vector<std::string> w;
  std::string why;
  const std::size_t first = line.find_first_not_of(" \t\r");
  if (first == std::string::npos || line[first] == '#') return true;
  bool ok = SplitScriptLine(line, w, why);
  if (ok) ok = Command(w, lineNo, why);
  if (ok && !Dialogs_.Failure().empty()) {
    error = Dialogs_.Failure();
    return false;
  }
  if (!ok) error = "line " + std::to_string(lineNo) + ": " + why;
  return ok;
}

bool TEditScriptRunner::Caption(const std::string& caption, std::string& error) {
  if (caption == "Показать целиком") {
    Session_.Fit();
  } else if (caption == "Сохранить изменения") {
    if (!Session_.Save()) return Fail(error, "map.txt could not be written");
  } else if (caption == "Редактирование/просмотр") {
    Session_.ToggleEditing();
  } else if (caption == "Отменить последнее действие") {
    Session_.Undo();
  } else if (caption == "Вернуть отменённое") {
    Session_.Redo();
  } else if (caption == "Сбросить поворот") {
    Session_.ResetRotation();
  } else if (caption == "Смена типа кабеля") {
    Session_.ChangeCableType();
  } else if (caption == "Спрятать/показать основу") {
    if (Session_.BaseState() == TBaseState::None) return Fail(error, "no base image is loaded");
    Session_.ToggleBase();
  } else if (caption == "Сохранить информацию о СО") {
    if (!Scheme_.Info->SaveAll()) return Fail(error, "info.txt could not be written");
  } else {
    return Fail(error, "unknown command \"" + caption + "\"");
  }
  return true;
}

bool TEditScriptRunner::DialogAnswer(const std::vector<std::string>& w, int lineNo, std::string& error) {
  if (w.size() < 3) return Fail(error, "dialog needs a form and a button");
  TDialogAnswer answer;
  answer.Line = lineNo;
  const std::string& last = w.back();
  if (last == "ok")
    answer.Button = TDialogButton::Ok;
  else if (last == "cancel")
    answer.Button = TDialogButton::Cancel;
  else if (last == "close")
    answer.Button = TDialogButton::Close;
  else
    return Fail(error, "dialog must end with ok, cancel or close");
  for (std::size_t i = 2; i + 1 < w.size();) {
    TDialogAction a;
    a.Verb = w[i];
    const std::size_t left = w.size() - 1 - i - 1;
    if (a.Verb == "check" && left >= 1) {
      a.Value = w[i + 1];
      i += 2;
    } else if ((a.Verb == "text" || a.Verb == "select") && left >= 2) {
      a.Name = w[i + 1];
      a.Value = w[i + 2];
      i += 3;
    } else if (a.Verb == "cell" && left >= 2 && ParsePixel(w[i + 1], a.X) && ParsePixel(w[i + 2], a.Y)) {
      a.Value = w[i + 1] + " " + w[i + 2];
      i += 3;
    } else {
      return Fail(error, "bad dialog action \"" + a.Verb + "\"");
    }
    answer.Actions.push_back(std::move(a));
  }
  static const char* const kForms[] = {"TStolbMenuForm", "TSelSignForm",  "TSetTextForm",
                                       "TWhiteSignForm", "TSelHeadForm",  "TSelNaprForm",
                                       "TSelArrowForm",  "TSelCableForm", "TSelLineForm"};
  bool known = false;
  for (const char* f : kForms) known = known || w[1] == f;
  if (!known) return Fail(error, "unknown dialog " + w[1]);
  Dialogs_.Queue(w[1], std::move(answer));
  return true;
}

bool TEditScriptRunner::FormCommand(const std::vector<std::string>& w, std::string& error) {
  const std::string& v = w[0];
  TDialogModel& f = *Form_;
  int a = 0, b = 0;
  bool ok = false;
  if (v == "cell" && w.size() == 4 && ParseInt(w[1], a) && ParseInt(w[2], b)) {
    ok = f.SetCell(a, b, w[3]);
  } else if (v == "select" && w.size() == 2 && ParseInt(w[1], a)) {
    ok = f.SelectRow(a);
  } else if (v == "button" && w.size() == 2) {
    ok = f.PressButton(w[1]);
  } else if (v == "check" && w.size() == 2) {
    ok = f.Check(w[1]);
  } else if (v == "text" && w.size() == 3) {
    ok = f.SetText(w[1], w[2]);
  } else if (v == "pick" && w.size() == 3) {
    ok = f.Select(w[1], w[2]);
  } else if (v == "spin" && w.size() == 3 && ParseInt(w[2], a)) {
    ok = f.Spin(w[1], a);
  } else if (v == "tram" && w.size() == 5 && ParseInt(w[1], a) && ParseInt(w[2], b)) {
    ok = f.SetTramLamp(a, b, w[3], w[4]);
  } else if (v == "tramname" && w.size() == 3 && ParseInt(w[1], a)) {
    ok = f.SetTramName(a, w[2]);
  } else if ((v == "ok" || v == "cancel") && w.size() == 1) {
    if (f.Press(v == "ok" ? TDialogButton::Ok : TDialogButton::Cancel) != mrNone) Form_.reset();
    return true;
  } else {
    return Fail(error, "bad form command \"" + v + "\"");
  }
  if (!ok) return Fail(error, std::string(f.FormName()) + " refused \"" + v + "\"");
  return true;
}

bool TEditScriptRunner::Command(const std::vector<std::string>& w, int lineNo, std::string& error) {
  const std::string& v = w[0];
  const std::size_t n = w.size();
  int x = 0, y = 0;
  if (Form_ && v != "form" && v != "command") return FormCommand(w, error);
  if (v == "view" && n == 4) {
    double z = 0, ox = 0, oy = 0;
    if (!ParseReal(w[1], z) || !ParseReal(w[2], ox) || !ParseReal(w[3], oy) || !(z > 0.05 && z < 21))
      return Fail(error, "bad view");
    TDrawContext& ctx = Session_.Context();
    ctx.Zoom = z;
    ctx.OriginX = ox;
    ctx.OriginY = oy;
    Session_.Repaint();
  } else if (v == "tool" && n == 2) {
    if (!Session_.ChooseTool(w[1])) return Fail(error, "no enabled tool \"" + w[1] + "\"");
  } else if (v == "command" && n == 2) {
    return Caption(w[1], error);
  } else if ((v == "press" || v == "move" || v == "release" || v == "click") && n == 3) {
    if (!ParsePixel(w[1], x) || !ParsePixel(w[2], y)) return Fail(error, "bad point");
    MouseX_ = x;
    MouseY_ = y;
    if (v == "press" || v == "click") Session_.MouseDown(x, y);
    if (v == "move") Session_.MouseMove(x, y);
    if (v == "release" || v == "click") Session_.MouseUp(x, y);
  } else if (v == "key" && n == 2) {
    static const std::pair<const char*, TEditKey> kKeys[] = {
        {"Esc", TEditKey::Esc},      {"Delete", TEditKey::Delete},  {"Ctrl+Z", TEditKey::CtrlZ},
        {"Ctrl+Y", TEditKey::CtrlY}, {"KP+", TEditKey::KeypadPlus}, {"KP-", TEditKey::KeypadMinus}};
    for (const auto& k : kKeys)
      if (w[1] == k.first) {
        Session_.Key(k.second);
        return true;
      }
    return Fail(error, "unknown key " + w[1]);
  } else if (v == "phase" && n == 2) {
    if (!ParseInt(w[1], x) || x < 1 || x > static_cast<int>(Session_.PhaseItems().size()))
      return Fail(error, "no phase " + w[1]);
    Session_.ChoosePhase(x - 1);
  } else if (v == "tick" && n == 1) {
    Session_.EdgeTick(MouseX_, MouseY_);
  } else if (v == "layer" && n == 5) {
    int vis = 0, ed = 0, tx = 0;
    if (!ParseInt(w[1], x) || x < 1 || x > kLayerCount || !ParseInt(w[2], vis) || !ParseInt(w[3], ed) ||
        !ParseInt(w[4], tx))
      return Fail(error, "bad layer");
    TLayer& layer = Scheme_.Layer(x);
    layer.Visible = vis != 0;
    layer.Editable = ed != 0;
    layer.ShowText = tx != 0;
    Session_.RefreshEnabling();
    Session_.Repaint();
  } else if (v == "base" && n == 4) {
    if (!ParsePixel(w[2], x) || !ParsePixel(w[3], y)) return Fail(error, "bad base position");
    const std::string path = w[1].empty() || w[1][0] == '/' ? w[1] : JoinPath(Env_.ScriptDir, w[1]);
    if (IsDxfPath(path)) {
      // A survey plan needs no window to be read.
      TBaseDrawing drawing;
      std::string reason;
      if (!ReadDxfBase(path, drawing, reason)) return Fail(error, "cannot read the drawing " + w[1] + ": " + reason);
      const std::string skipped = drawing.SkippedMessage();
      Session_.Context().BaseImageX = x;
      Session_.Context().BaseImageY = y;
      Session_.LoadBase(std::move(drawing));
      // What the window tells after loading, the script's report lists.
      if (!skipped.empty()) ShowInfo(skipped);
      return true;
    }
    TRasterImage image;
    if (!Env_.LoadImage || !Env_.LoadImage(path, image) || image.Empty())
      return Fail(error, "cannot read the image " + w[1]);
    Session_.Context().BaseImageX = x;
    Session_.Context().BaseImageY = y;
    Session_.LoadBase(std::move(image));
  } else if (v == "dialog") {
    return DialogAnswer(w, lineNo, error);
  } else if (v == "shot" && n == 2) {
    if (!Env_.Shot || !Env_.Shot(w[1])) return Fail(error, "cannot write " + w[1]);
  } else if (v == "form" && n == 2) {
    Form_ = Env_.OpenForm ? Env_.OpenForm(w[1], Scheme_, Env_.TableEnv) : OpenTableForm(w[1], Scheme_, Env_.TableEnv);
    if (!Form_) return Fail(error, "no table form " + w[1]);
  } else {
    return Fail(error, "unknown or malformed command \"" + v + "\"");
  }
  return true;
}

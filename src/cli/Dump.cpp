// dump: the passport information and the signal plan at one moment of the
// phase clock, as one JSON object.
#include <cstdio>
#include <iostream>
#include <optional>

#include "Commands.h"
#include "CliArgs.h"
#include "CliMessages.h"
#include "Json.h"
#include "Output.h"
#include "PassportJson.h"
#include "Usage.h"
#include "SchemeJson.h"
#include "model/SVObject.h"
#include "plan/SVInfo.h"
#include "plan/SVtime.h"
#include "platform/Messages.h"
#include "platform/TextFile.h"
#include "store/OpenPassport.h"

namespace {

struct TDumpArgs {
  std::string Dir;
  std::optional<int> Phase;
  std::optional<int> Program;
  std::optional<double> Remaining;
  bool Strict = false;
};

bool ParseArgs(const TArgs& args, TDumpArgs& out, std::string& why) {
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    const bool hasValue = i + 1 < args.size();
    if (a == "--phase") {
      if (!hasValue || !ParseInt(args[++i], 1, 255, out.Phase)) return BadValue(why, args, hasValue ? i - 1 : i, "a phase, 1 to 255");
    } else if (a == "--program") {
      if (!hasValue || !ParseInt(args[++i], 0, 2, out.Program)) return BadValue(why, args, hasValue ? i - 1 : i, "0, 1 or 2");
    } else if (a == "--remaining") {
      if (!hasValue || !ParseRemaining(args[++i], out.Remaining)) return BadValue(why, args, hasValue ? i - 1 : i, kRemainingRange);
    } else if (a == "--strict") {
      out.Strict = true;
    } else if (a.rfind("--", 0) == 0 || !out.Dir.empty()) {
      return false;
    } else {
      out.Dir = a;
    }
  }
  return !out.Dir.empty();
}

void WriteTable(TJsonWriter& json, const std::string& key, const TSVTable& table) {
  json.Key(key).BeginObject().Member("cols", table.ColCount).Key("rows").BeginArray();
  for (int r = 1; r <= table.RowCount; ++r) {
    json.BeginArray();
    for (int c = 1; c <= table.ColCount; ++c) json.String(table.Cell(c, r));
    json.EndArray();
  }
  json.EndArray().EndObject();
}

std::string ColorText(TColor c) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "0x%06X", static_cast<unsigned>(c & 0xFFFFFF));
  return buf;
}

// The same colour as a web colour: "#RRGGBB" (red 0x5050FF is "#FF5050").
std::string RgbText(TColor c) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "#%02X%02X%02X", static_cast<unsigned>(c & 0xFF), static_cast<unsigned>((c >> 8) & 0xFF),
                static_cast<unsigned>((c >> 16) & 0xFF));
  return buf;
}

void WritePlan(TJsonWriter& json, const TSVInfo& info, const TSVtime& time) {
  json.Key("phases").BeginArray();
  for (int k = 1; k <= info.Phases.Count; ++k) {
    const TSVPhase& p = *info.Phases.Item(k);
    json.BeginObject().Member("number", p.Number).Member("tmin", p.TMin).Key("tmain").BeginArray();
    for (int m = 1; m <= 3; ++m) json.Int(p.TMain[static_cast<std::size_t>(m)]);
    json.EndArray().Member("intermediate", time.IntermediateTime(k)).Member("duration", time.Duration(k)).EndObject();
  }
  json.EndArray();

  json.Key("directions").BeginArray();
  for (int i = 1; i <= info.Directions.Count; ++i) {
    const TSVNapr& d = *info.Directions.Item(i);
    json.BeginObject()
        .Member("name", d.Name)
        .Member("number", d.Number)
        .Member("phases", d.PhaseListText())
        .Member("conflict", d.ConflictText)
        .Member("tGreen", d.TGreen)
        .Member("tGreenFlash", d.TGreenFlash)
        .Member("tYellow", d.TYellow)
        .Member("tRed", d.TRed)
        .Member("tRedYellow", d.TRedYellow)
        .Member("redControl", d.RedControlText)
        .Member("color", ColorText(d.SignalColor()))
        .Member("greenNow", d.IsGreenNow())
        .Member("rgb", RgbText(d.SignalColor()))
        .EndObject();
  }
  json.EndArray();
}

void WriteTram(TJsonWriter& json, const TTramscheme& tram) {
  json.Key("tram").BeginObject().Member("count", tram.Count).Key("schemes").BeginArray();
  for (int s = 1; s <= tram.Count; ++s) {
    const TTramSchemeEntry& scheme = tram.Schemes[static_cast<std::size_t>(s)];
    json.BeginObject().Member("name", scheme.Name).Key("lamps").BeginArray();
    for (int l = 1; l <= kTramLamps; ++l) {
      const TTramLamp& lamp = scheme.Lamps[static_cast<std::size_t>(l)];
      json.BeginArray().Int(lamp.Kind).Int(lamp.Direction).EndArray();
    }
    json.EndArray().EndObject();
  }
  json.EndArray().EndObject();
}

}  // namespace

void WritePassportMembers(TJsonWriter& json, TSVObject& scheme) {
  TSVInfo& info = *scheme.Info;
  TSVtime& time = *scheme.Time;
  json.Member("address", info.AddressText())
      .Member("address1", info.Address1)
      .Member("address2", info.Address2)
      .Member("objectNumber", info.ObjectNumber())
      .Member("objectType", info.ObjectType)
      .Member("realScale", info.RealScale)
      .Member("tkk", info.Phases.Tkk)
      .Member("comment", info.Comment)
      .Member("connection", info.ConnectionText);
  WritePlan(json, info, time);
  WriteTable(json, "equipment", info.EquipmentTable);
  WriteTable(json, "changes", info.ChangeTable);
  WriteTable(json, "exo", info.ExoTable);
  WriteTram(json, info.TramScheme);
  json.Key("clock")
      .BeginObject()
      .Member("phase", time.Phase)
      .Member("program", time.Program)
      .Member("remaining", time.Remaining)
      .EndObject();
  WriteSchemeLayers(json, scheme);
}

void WriteMessages(TJsonWriter& json, const std::vector<TMessage>& messages) {
  json.Key("messages").BeginArray();
  for (const TMessage& m : messages)
    json.BeginObject()
        .Member("severity", m.Severity == TMessageSeverity::Info ? "info" : "error")
        .Member("text", m.Text)
        .EndObject();
  json.EndArray();
}

int CmdDump(const TArgs& args) {
  TDumpArgs a;
  std::string why;
  if (!ParseArgs(args, a, why)) return UsageError("dump", why);
  if (!PassportDirReadable("dump", a.Dir)) return 1;
  std::string dir = a.Dir;
  if (dir.back() != '/' && dir.back() != '\\') dir += '/';

  // Loaded as the viewer loads it: the information, then the scheme, then
  // the clock set to the phase and program asked for.
  TCliMessages messages;
  TLoadedPassport passport = OpenPassportDir(dir);
  TSVObject& scheme = *passport.Scheme;
  if (StoppedAsStrict("dump", a.Dir, a.Strict, messages)) return 1;
  if (!PhaseOfPassport(a.Phase, *scheme.Info, why)) return UsageError("dump", why);
  TSVtime& time = *scheme.Time;
  time.SetPhase(a.Phase.value_or(1));
  if (a.Program) {
    time.Program = static_cast<std::uint8_t>(*a.Program);
    time.SetPhase(time.Phase);
  }
  if (a.Remaining) time.Remaining = *a.Remaining;
  scheme.CopyTimingToDirections();

  TJsonWriter json;
  json.BeginObject();
  WritePassportMembers(json, scheme);
  WriteMessages(json, messages.Messages);
  json.EndObject();
  return WriteOutput("dump", "-", json.Text() + '\n') ? 0 : 1;
}

#include "PassportJson.h"

#include <cstdio>
#include <string>

#include "Json.h"
#include "SchemeJson.h"
#include "model/SVObject.h"
#include "plan/SVInfo.h"
#include "plan/SVtime.h"
#include "platform/Messages.h"

namespace {

void WriteTable(TJsonWriter& json, const std::string& key, const TSVTable& table) {
  json.Key(key).BeginObject().Member("cols", table.ColCount).Key("rows").BeginArray();
  for (int r = 1; r <= table.RowCount; ++r) {
    json.BeginArray();
    for (int c = 1; c <= table.ColCount; ++c) json.String(table.Cell(c, r));
    json.EndArray();
  }
  json.EndArray().EndObject();
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

std::string ColorText(TColor c) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "0x%06X", static_cast<unsigned>(c & 0xFFFFFF));
  return buf;
}

void WritePassportMembers(TJsonWriter& json, TSVObject& scheme) {
  WritePassportInformation(json, scheme);
  WriteSchemeLayers(json, scheme);
}

void WritePassportInformation(TJsonWriter& json, TSVObject& scheme) {
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

#pragma once
// The members that "dump" prints for a passport: its information, signal
// plan at the clock's moment, tables, tram schemes, clock and scheme layers.
class TJsonWriter;
class TSVObject;

void WritePassportMembers(TJsonWriter& json, TSVObject& scheme);

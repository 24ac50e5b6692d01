#pragma once
// The members that "dump" prints for a passport: its information, signal
// plan at the clock's moment, tables, tram schemes, clock and scheme layers.
#include <string>
#include <vector>

#include "platform/Types.h"

class TJsonWriter;
class TSVObject;
struct TMessage;

void WritePassportMembers(TJsonWriter& json, TSVObject& scheme);
// The same without the scheme's layers: what a comparison of two passports'
// information reads.
void WritePassportInformation(TJsonWriter& json, TSVObject& scheme);
// The member "messages": every box the run would have shown, in order.
void WriteMessages(TJsonWriter& json, const std::vector<TMessage>& messages);
// A signal colour as "dump" writes it: "0x" and six hex digits of 0x00BBGGRR.
std::string ColorText(TColor c);

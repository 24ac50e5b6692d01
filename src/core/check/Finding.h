#pragma once
// What the passport check reports: one finding per inconsistency, with what
// it concerns so that a window can show the items and a script can count.
#include <string>
#include <vector>

enum class TFindingSeverity { Warning, Error };

// An item of the scheme as `dump` lists it: the layer number (1..12) and the
// 0-based position among the layer's items, newest first.
struct TItemRef {
  int Layer = 0;
  int Index = 0;
  friend bool operator==(const TItemRef& a, const TItemRef& b) { return a.Layer == b.Layer && a.Index == b.Index; }
};

struct TFinding {
  TFindingSeverity Severity = TFindingSeverity::Warning;
  std::string Code;
  // For the user, in Russian.
  std::string Message;
  std::vector<TItemRef> Items;
  // Direction slots (1-based) and phase numbers concerned.
  std::vector<int> Directions;
  std::vector<int> Phases;
  // The class of the table dialog where it is mended ("TPhaseForm",
  // "TNaprDataForm"); empty when it is mended on the scheme.
  std::string Table;
};

struct TFindingCounts {
  int Errors = 0;
  int Warnings = 0;
};

TFindingCounts CountFindings(const std::vector<TFinding>& findings);
const char* SeverityName(TFindingSeverity severity);
// The Russian word shown in lists: "ошибка" / "предупреждение".
const char* SeverityCaption(TFindingSeverity severity);

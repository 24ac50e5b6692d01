#pragma once
// One line of the database overview: what identifies a passport, how big its
// plan and scheme are, when it was last changed and what its check found.
#include <string>

#include "Finding.h"

struct TPassportSummary {
  std::string Dir;
  std::string Number;
  std::string Address;
  // 0 "Системный", 1 "Локальный", 2 "УК".
  int ObjectType = 0;
  int Phases = 0;
  int Directions = 0;
  int Items = 0;
  // The latest date of the change log as written there; empty when none.
  std::string LastChange;
  // The same date as yyyymmdd for sorting; 0 when it cannot be read as a date.
  int LastChangeKey = 0;
  TFindingCounts Findings;
};

// Reads and checks the passport without showing any message; safe to call
// from a worker thread.
TPassportSummary SummarizePassport(const std::string& dir);

// "05.03.2024 г." gives 20240305; text that does not start with a date dd.mm.yyyy gives 0.
int ChangeDateKey(const std::string& text);

// The caption of an object type: "Системный", "Локальный", "УК" (or the number).
std::string ObjectTypeCaption(int type);

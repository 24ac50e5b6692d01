#pragma once
// The rules of the passport check, one small function each, listed in one
// table: a new rule is a function and a line in the table, nothing else.
#include <vector>

#include "CheckContext.h"

using TCheckRuleFn = void (*)(TCheckContext& ctx, TFindingList& out);

struct TCheckRule {
  const char* Code;
  TFindingSeverity Severity;
  TCheckRuleFn Run;
  // The table dialog where the plan is mended; nullptr for the scheme.
  const char* Table = nullptr;
};

const std::vector<TCheckRule>& CheckRules();

// The rules, grouped by what they look at.
void CheckHeadNoDirection(TCheckContext& ctx, TFindingList& out);
void CheckTramHeadEmpty(TCheckContext& ctx, TFindingList& out);
void CheckDirectionNoHead(TCheckContext& ctx, TFindingList& out);
void CheckDirectionNameNoDigits(TCheckContext& ctx, TFindingList& out);
void CheckDirectionUnknownPhase(TCheckContext& ctx, TFindingList& out);
void CheckDirectionThresholds(TCheckContext& ctx, TFindingList& out);
void CheckPhaseNoArrows(TCheckContext& ctx, TFindingList& out);
void CheckArrowUnknownPhase(TCheckContext& ctx, TFindingList& out);
void CheckPhaseNothingOpen(TCheckContext& ctx, TFindingList& out);
void CheckCycleMismatch(TCheckContext& ctx, TFindingList& out);
void CheckItemStray(TCheckContext& ctx, TFindingList& out);
void CheckLabelFar(TCheckContext& ctx, TFindingList& out);
void CheckHangingNoCarrier(TCheckContext& ctx, TFindingList& out);
void CheckLoadMessages(TCheckContext& ctx, TFindingList& out);
void CheckInfoMissing(TCheckContext& ctx, TFindingList& out);

// What reading the passport reported: each box the user would have seen on
// opening it, now a finding instead of an interruption.
#include "CheckRules.h"

void CheckLoadMessages(TCheckContext& ctx, TFindingList& out) {
  for (const TMessage& m : ctx.LoadMessages)
    out.Add(m.Severity == TMessageSeverity::Error ? TFindingSeverity::Error : TFindingSeverity::Warning,
            "При чтении паспорта: " + m.Text);
}

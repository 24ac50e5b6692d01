// What reading the passport reported: each box the user would have seen on
// opening it, now a finding instead of an interruption.
#include "CheckRules.h"
#include "model/SVObject.h"
#include "platform/TextFile.h"

void CheckLoadMessages(TCheckContext& ctx, TFindingList& out) {
  for (const TMessage& m : ctx.LoadMessages)
    out.Add(m.Severity == TMessageSeverity::Error ? TFindingSeverity::Error : TFindingSeverity::Warning,
            "При чтении паспорта: " + m.Text);
}

// A scheme without its info.txt has lost its plan: the arrows were dropped on
// reading and a save would write the shortened scheme. Not a new passport
// (that has neither file, or both).
void CheckInfoMissing(TCheckContext& ctx, TFindingList& out) {
  const std::string& dir = ctx.Scheme.Dir;
  if (FileExists(dir + "map.txt") && !FileExists(dir + "info.txt"))
    out.Add("Есть файл map.txt, но нет файла info.txt: план фаз и направлений паспорта потерян");
}

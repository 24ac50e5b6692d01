#include "ViewerVersions.h"

#include "Database.h"
#include "history/ChangeSummary.h"
#include "platform/IniFile.h"

TRecordOptions ViewerRecordOptions() {
  TRecordOptions o;
  o.Author = AuthorFromConfig(TIniFile(ConfigFilePath()));
  o.Summarizer = ChangeSummary;
  return o;
}

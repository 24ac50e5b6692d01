#include "ChangeSummary.h"

#include <exception>

#include "PassportDiff.h"
#include "Record.h"

std::string ChangeSummary(const TPassportFiles& before, const TPassportFiles& after) {
  std::string summary;
  try {
    summary = SummarizeDiff(DiffPassports(before, after));
  } catch (const std::exception&) {
    // A passport the comparison cannot read is recorded all the same.
  }
  return summary.empty() ? PlainSummary(before, after) : summary;
}

#pragma once
// The report of a comparison, whatever the two sides were read from (two
// passport folders, or versions of one passport).
#include <string>

#include "history/PassportDiff.h"

// The summary line, then every difference of the information (path: before
// → after) and of the scheme (+ added, - removed, ~ changed with the lines
// that differ). "Паспорта совпадают." when nothing differs.
std::string DiffText(const TPassportDiff& diff);
// Compares and writes the report (JSON with `json`) to standard output.
// The exit status: 0 equal, 1 different, 2 when the report cannot be written.
int ReportDiff(const TPassportFiles& before, const TPassportFiles& after, bool json);

#pragma once
// The message a version is recorded under: what the comparison says changed.
#include <string>

#include "PassportFiles.h"

// The summary of the change from `before` to `after` as the comparison
// words it; the plain sentence naming the passport when the comparison
// finds nothing to say (a change of bytes only) or cannot read a side.
std::string ChangeSummary(const TPassportFiles& before, const TPassportFiles& after);

#pragma once
// Whole-database runs of dump, render, print and export: the command named
// with a database instead of a passport runs once for every passport of it,
// each in a child process of its own, several at a time, and writes
// OUT/svoN.EXT for each.
#include <optional>
#include <string>

#include "Commands.h"

// When the arguments name a database, runs the command over it and gives the
// exit code: the worst of the passports' (a usage error gives 2 at once).
// Otherwise gives nothing and leaves `args` without --jobs, which a single
// passport does not need, for the command itself to read.
std::optional<int> RunOverDatabase(const std::string& command, TArgs& args);

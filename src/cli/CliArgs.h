#pragma once
// Reading the values of command-line options.
#include <optional>
#include <string>

// A decimal integer in [lo, hi], nothing else.
bool ParseInt(const std::string& s, int lo, int hi, std::optional<int>& out);
// A real with "." as the decimal point, as the passport files write them.
bool ParseReal(const std::string& s, std::optional<double>& out);

#pragma once
// Reading the values of command-line options.
#include <optional>
#include <string>
#include <vector>

class TSVInfo;

// A decimal integer in [lo, hi], nothing else.
bool ParseInt(const std::string& s, int lo, int hi, std::optional<int>& out);
// A real with "." as the decimal point, as the passport files write them.
bool ParseReal(const std::string& s, std::optional<double>& out);
// Seconds left in a phase: a real, 0 or more.
bool ParseRemaining(const std::string& s, std::optional<double>& out);
constexpr const char* kRemainingRange = "seconds left in the phase, 0 or more";

// Says which argument is wrong and why, for UsageError: "--width 10: at
// least 16" for the option at `option` and its value after it, "--width: a
// value is missing (...)" when nothing follows it. Always false.
bool BadValue(std::string& why, const std::vector<std::string>& args, std::size_t option,
              const std::string& reason);
// Why an argument that no rule took is wrong: "--x: no such option", or
// "b: one folder only (it is a)" for a second folder. Always false.
bool Unexpected(std::string& why, const std::string& arg, const std::string& taken);
// "--out is missing" and the like. Always false.
bool Missing(std::string& why, const std::string& what);
// A phase asked for by an option must be one of the passport's: false with
// "--phase 9: the passport has 4 phases" otherwise.
bool PhaseOfPassport(const std::optional<int>& phase, const TSVInfo& info, std::string& why,
                     const std::string& option = "--phase");

#include "CliArgs.h"

#include <charconv>

#include "plan/SVInfo.h"
#include "platform/TextFile.h"

bool ParseInt(const std::string& s, int lo, int hi, std::optional<int>& out) {
  int v = 0;
  const auto res = std::from_chars(s.data(), s.data() + s.size(), v);
  if (s.empty() || res.ec != std::errc() || res.ptr != s.data() + s.size() || v < lo || v > hi) return false;
  out = v;
  return true;
}

bool ParseReal(const std::string& s, std::optional<double>& out) {
  if (s.empty() || s.find_first_of(" \t\r\n") != std::string::npos) return false;
  try {
    out = TTextReader::FromBytes(s).ReadReal();
    return true;
  } catch (const TInOutError&) {
    return false;
  }
}

bool ParseRemaining(const std::string& s, std::optional<double>& out) {
  std::optional<double> v;
  if (!ParseReal(s, v) || !(*v >= 0)) return false;
  out = v;
  return true;
}

bool BadValue(std::string& why, const std::vector<std::string>& args, std::size_t option,
              const std::string& reason) {
  if (option >= args.size()) return false;
  if (option + 1 < args.size())
    why = args[option] + " " + args[option + 1] + ": " + reason;
  else
    why = args[option] + ": a value is missing (" + reason + ")";
  return false;
}

bool Unexpected(std::string& why, const std::string& arg, const std::string& taken) {
  if (arg.rfind("--", 0) == 0)
    why = arg + ": no such option, or given twice";
  else
    why = arg + ": one folder only (it is " + taken + ")";
  return false;
}

bool Missing(std::string& why, const std::string& what) {
  why = what + " is missing";
  return false;
}

bool PhaseOfPassport(const std::optional<int>& phase, const TSVInfo& info, std::string& why,
                     const std::string& option) {
  if (!phase || *phase <= info.Phases.Count) return true;
  why = option + " " + std::to_string(*phase) + ": the passport has " + std::to_string(info.Phases.Count) +
        " phase" + (info.Phases.Count == 1 ? "" : "s");
  return false;
}

// generate: writes a synthetic passport of a chosen size, for measuring the
// program on schemes far larger than real ones.
#include <charconv>
#include <filesystem>
#include <iostream>

#include "Commands.h"
#include "Usage.h"
#include "gen/PassportGenerator.h"
#include "platform/TextFile.h"

namespace {

template <class T>
bool ParseNumber(const std::string& text, T& out) {
  const char* first = text.data();
  const char* last = first + text.size();
  const auto res = std::from_chars(first, last, out);
  return !text.empty() && res.ec == std::errc() && res.ptr == last;
}

// More would take minutes to write and gigabytes to open.
constexpr int kMaxItems = 10000000;

}  // namespace

int CmdGenerate(const TArgs& args) {
  TGeneratorOptions options;
  std::string out;
  bool haveItems = false, haveSeed = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (i + 1 >= args.size()) return UsageError("generate");
    const std::string& value = args[++i];
    if (a == "--items" && !haveItems) {
      if (!ParseNumber(value, options.Items) || options.Items < 0 || options.Items > kMaxItems)
        return UsageError("generate");
      haveItems = true;
    } else if (a == "--seed" && !haveSeed) {
      if (!ParseNumber(value, options.Seed)) return UsageError("generate");
      haveSeed = true;
    } else if (a == "--out" && out.empty()) {
      out = value;
    } else {
      return UsageError("generate");
    }
  }
  if (!haveItems || !haveSeed || out.empty()) return UsageError("generate");
  std::error_code ec;
  std::filesystem::create_directories(out, ec);
  if (!DirectoryExists(out)) {
    CliError("generate") << "cannot create the output directory " << out << '\n';
    return 1;
  }
  return WriteGeneratedPassport(out, options) ? 0 : 1;
}

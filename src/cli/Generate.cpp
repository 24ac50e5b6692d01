// generate: writes a synthetic passport of a chosen size, for measuring the
// program on schemes far larger than real ones.
#include <charconv>
#include <filesystem>
#include <iostream>

#include "CliMessages.h"
#include "Commands.h"
#include "Output.h"
#include "platform/ProgramDir.h"
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
  bool haveItems = false, haveSeed = false, force = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "--force") {
      force = true;
      continue;
    }
    if (i + 1 >= args.size()) return UsageError("generate", a + ": a value is missing, or no such option");
    const std::string& value = args[++i];
    if (a == "--items" && !haveItems) {
      if (!ParseNumber(value, options.Items) || options.Items < 0 || options.Items > kMaxItems)
        return UsageError("generate", a + " " + value + ": 0 to " + std::to_string(kMaxItems));
      haveItems = true;
    } else if (a == "--seed" && !haveSeed) {
      if (!ParseNumber(value, options.Seed)) return UsageError("generate", a + " " + value + ": a whole number");
      haveSeed = true;
    } else if (a == "--out" && out.empty()) {
      out = value;
    } else {
      return UsageError("generate", a + ": no such option, or given twice");
    }
  }
  if (!haveItems) return UsageError("generate", "--items is missing");
  if (!haveSeed) return UsageError("generate", "--seed is missing");
  if (out.empty()) return UsageError("generate", "--out is missing");
  std::string why;
  if (!OutputDirFree(out, force, why)) {
    CliError("generate") << why << '\n';
    return 1;
  }
  std::error_code ec;
  std::filesystem::create_directories(out, ec);
  if (!DirectoryExists(out)) {
    CliError("generate") << "cannot create the output directory " << out << '\n';
    return 1;
  }
  // A passport half written (its info without its map) is removed again.
  const std::string dir = WithTrailingSep(out);
  TPartialFile info(FileExists(dir + "info.txt") ? std::string() : dir + "info.txt");
  TPartialFile map(FileExists(dir + "map.txt") ? std::string() : dir + "map.txt");
  TCliMessages messages;
  if (!WriteGeneratedPassport(out, options)) return 1;
  info.Keep();
  map.Keep();
  return 0;
}

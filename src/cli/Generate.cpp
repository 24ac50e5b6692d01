// generate: writes a synthetic passport of a chosen size, for measuring the
// program on schemes far larger than real ones.
#include <charconv>
#include <filesystem>
#include <iostream>

#include "Commands.h"
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

int GenerateUsage() {
  std::cerr << "usage: svpass-cli generate --items N --seed S --out <dir>\n"
               "  writes info.txt and map.txt of a passport of N scheme items (0 to "
            << kMaxItems
            << "),\n"
               "  a grid of intersections under one signal plan; the same seed gives the same files\n";
  return 2;
}

}  // namespace

int CmdGenerate(const TArgs& args) {
  TGeneratorOptions options;
  std::string out;
  bool haveItems = false, haveSeed = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (i + 1 >= args.size()) return GenerateUsage();
    const std::string& value = args[++i];
    if (a == "--items" && !haveItems) {
      if (!ParseNumber(value, options.Items) || options.Items < 0 || options.Items > kMaxItems) return GenerateUsage();
      haveItems = true;
    } else if (a == "--seed" && !haveSeed) {
      if (!ParseNumber(value, options.Seed)) return GenerateUsage();
      haveSeed = true;
    } else if (a == "--out" && out.empty()) {
      out = value;
    } else {
      return GenerateUsage();
    }
  }
  if (!haveItems || !haveSeed || out.empty()) return GenerateUsage();
  std::error_code ec;
  std::filesystem::create_directories(out, ec);
  if (!DirectoryExists(out)) {
    std::cerr << "error: cannot create the output directory " << out << '\n';
    return 1;
  }
  return WriteGeneratedPassport(out, options) ? 0 : 1;
}

// summary: one row per passport of a database — its number, address and
// object type, the size of its plan and scheme, what its check found and when
// its files were last written — as an aligned table, CSV or JSON.
#include <sys/stat.h>

#include <algorithm>
#include <atomic>
#include <ctime>
#include <iostream>
#include <optional>
#include <sstream>
#include <thread>

#include "CliArgs.h"
#include "Commands.h"
#include "json/Json.h"
#include "Usage.h"
#include "check/PassportCheck.h"
#include "check/PassportSummary.h"
#include "platform/Codec1251.h"
#include "platform/ProgramDir.h"
#include "platform/TextFile.h"

namespace {

struct TRowData {
  TPassportSummary Summary;
  // Last written, ISO 8601 in UTC; empty when the file is missing.
  std::string InfoDate;
  std::string MapDate;
};

std::string FileDate(const std::string& path) {
  struct stat st {};
  if (stat(path.c_str(), &st) != 0) return "";
  std::tm utc{};
  if (!gmtime_r(&st.st_mtime, &utc)) return "";
  char buf[32];
  return std::strftime(buf, sizeof buf, "%Y-%m-%dT%H:%M:%SZ", &utc) ? buf : "";
}

// Passports are read and checked side by side; each worker keeps its
// messages to itself.
std::vector<TRowData> Summarize(const std::vector<std::string>& dirs) {
  std::vector<TRowData> rows(dirs.size());
  std::atomic<std::size_t> next{0};
  auto work = [&] {
    for (std::size_t i; (i = next++) < dirs.size();) {
      // The dates before the reading, which must not be what they tell.
      rows[i].InfoDate = FileDate(JoinPath(dirs[i], "info.txt"));
      rows[i].MapDate = FileDate(JoinPath(dirs[i], "map.txt"));
      rows[i].Summary = SummarizePassport(dirs[i]);
    }
  };
  const std::size_t threads = std::min<std::size_t>(std::max(1u, std::thread::hardware_concurrency()), dirs.size());
  std::vector<std::thread> pool;
  for (std::size_t t = 1; t < threads; ++t) pool.emplace_back(work);
  work();
  for (std::thread& t : pool) t.join();
  return rows;
}

const std::vector<std::string> kColumns = {"number", "address",  "type",     "phases", "directions",
                                           "items",  "errors",   "warnings", "info_date", "map_date"};

std::vector<std::string> Cells(const TRowData& r) {
  const TPassportSummary& s = r.Summary;
  return {s.Number,
          s.Address,
          ObjectTypeCaption(s.ObjectType),
          std::to_string(s.Phases),
          std::to_string(s.Directions),
          std::to_string(s.Items),
          std::to_string(s.Findings.Errors),
          std::to_string(s.Findings.Warnings),
          r.InfoDate,
          r.MapDate};
}

// A field of RFC 4180: quoted when it holds a separator, a quote or a line end.
std::string CsvField(const std::string& text) {
  if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
  std::string out = "\"";
  for (char c : text) out += c == '"' ? std::string("\"\"") : std::string(1, c);
  return out + "\"";
}

void WriteCsv(std::ostream& out, const std::vector<TRowData>& rows) {
  for (std::size_t c = 0; c < kColumns.size(); ++c) out << (c ? "," : "") << kColumns[c];
  out << "\r\n";
  for (const TRowData& r : rows) {
    const std::vector<std::string> cells = Cells(r);
    for (std::size_t c = 0; c < cells.size(); ++c) out << (c ? "," : "") << CsvField(cells[c]);
    out << "\r\n";
  }
}

void WriteJson(std::ostream& out, const std::vector<TRowData>& rows) {
  TJsonWriter json;
  json.BeginObject().Key("passports").BeginArray();
  for (const TRowData& r : rows) {
    const TPassportSummary& s = r.Summary;
    json.BeginObject()
        .Member("dir", s.Dir)
        .Member("number", s.Number)
        .Member("address", s.Address)
        .Member("objectType", s.ObjectType)
        .Member("objectTypeName", ObjectTypeCaption(s.ObjectType))
        .Member("phases", s.Phases)
        .Member("directions", s.Directions)
        .Member("items", s.Items)
        .Member("errors", s.Findings.Errors)
        .Member("warnings", s.Findings.Warnings);
    for (const auto& [key, date] : {std::pair<const char*, const std::string*>{"infoDate", &r.InfoDate},
                                    {"mapDate", &r.MapDate}}) {
      json.Key(key);
      if (date->empty())
        json.Null();
      else
        json.String(*date);
    }
    json.EndObject();
  }
  json.EndArray().EndObject();
  out << json.Text() << '\n';
}

// Control characters of passport texts written as JSON writes them, so that
// one passport stays one line of the table.
std::string Printable(const std::string& text) {
  const std::string quoted = TJsonWriter::Escape(text);
  std::string plain = quoted.substr(1, quoted.size() - 2);
  // Quotes and backslashes need no escape in a table.
  std::string out;
  for (std::size_t i = 0; i < plain.size(); ++i) {
    if (plain[i] == '\\' && i + 1 < plain.size() && (plain[i + 1] == '"' || plain[i + 1] == '\\')) ++i;
    out += plain[i];
  }
  return out;
}

void WriteTable(std::ostream& out, const std::vector<TRowData>& rows) {
  // Texts to the left, counts to the right, widths in characters.
  const std::vector<bool> right = {true, false, false, true, true, true, true, true, false, false};
  std::vector<std::vector<std::string>> table{kColumns};
  for (const TRowData& r : rows) {
    std::vector<std::string> cells = Cells(r);
    for (std::string& c : cells) c = c.empty() ? "-" : Printable(c);
    table.push_back(cells);
  }
  std::vector<std::size_t> widths(kColumns.size(), 0);
  for (const auto& cells : table)
    for (std::size_t c = 0; c < cells.size(); ++c) widths[c] = std::max(widths[c], Utf8Length(cells[c]));
  for (const auto& cells : table) {
    std::string line;
    for (std::size_t c = 0; c < cells.size(); ++c) {
      const std::string pad(widths[c] - Utf8Length(cells[c]), ' ');
      if (c) line += "  ";
      line += right[c] ? pad + cells[c] : cells[c] + (c + 1 < cells.size() ? pad : "");
    }
    out << line << '\n';
  }
}

}  // namespace

int CmdSummary(const TArgs& args) {
  std::string target;
  enum class TForm { Table, Csv, Json } form = TForm::Table;
  bool formGiven = false;
  for (const std::string& a : args) {
    if (a == "--csv" || a == "--json") {
      if (formGiven) {
        CliError("summary") << a << ": give one of --csv and --json\n";
        return 2;
      }
      formGiven = true;
      form = a == "--csv" ? TForm::Csv : TForm::Json;
    } else if (a.rfind("--", 0) == 0 || !target.empty()) {
      std::string why;
      Unexpected(why, a, target);
      return UsageError("summary", why);
    } else {
      target = a;
    }
  }
  if (target.empty()) return UsageError("summary", "the database folder is missing");
  if (!DirectoryExists(target)) {
    CliError("summary") << "cannot read the database folder " << target << '\n';
    return 1;
  }
  std::vector<std::string> dirs;
  if (IsPassportDir(target)) {
    dirs.push_back(WithTrailingSep(target));
  } else {
    for (const std::string& d : PassportDirs(target))
      if (IsPassportDir(d)) dirs.push_back(d);
  }
  if (dirs.empty()) {
    CliError("summary") << "no passport in " << target << '\n';
    return 1;
  }
  const std::vector<TRowData> rows = Summarize(dirs);
  std::ostringstream text;
  if (form == TForm::Csv)
    WriteCsv(text, rows);
  else if (form == TForm::Json)
    WriteJson(text, rows);
  else
    WriteTable(text, rows);
  std::cout << text.str();
  std::cout.flush();
  if (!std::cout) {
    CliError("summary") << "cannot write to standard output\n";
    return 1;
  }
  return 0;
}

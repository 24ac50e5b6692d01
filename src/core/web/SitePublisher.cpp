#include "SitePublisher.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <map>
#include <set>

#include "IndexPage.h"
#include "PassportPage.h"
#include "SiteAssets.h"
#include "check/PassportCheck.h"
#include "doc/DocFormats.h"
#include "export/ExportModel.h"
#include "model/SVObject.h"
#include "plan/SVInfo.h"
#include "platform/TextFile.h"
#include "platform/TextMeasure.h"
#include "store/OpenPassport.h"
#include "store/PassportStore.h"

namespace fs = std::filesystem;

const char* const kWebTablesFormat = "docx";
const char* const kSiteManifest = ".svpass-site";

namespace {

// Changes whenever the pages would come out differently from the same
// passport: every page is then written again.
constexpr const char* kGeneration = "svpass-site 2";
constexpr const char* kSchemePdf = "scheme.pdf";
constexpr const char* kDiagramPdf = "diagram.pdf";

struct TManifestEntry {
  std::string Hash;
  TSiteEntry Site;
};

// A field of a manifest line: tab, line end and backslash escaped.
std::string Field(const std::string& s) {
  std::string out;
  for (char c : s) {
    if (c == '\\') out += "\\\\";
    else if (c == '\t') out += "\\t";
    else if (c == '\n') out += "\\n";
    else if (c == '\r') out += "\\r";
    else out += c;
  }
  return out;
}

std::string Unfield(const std::string& s) {
  std::string out;
  for (std::size_t i = 0; i < s.size(); ++i) {
    if (s[i] != '\\' || i + 1 == s.size()) {
      out += s[i];
      continue;
    }
    const char c = s[++i];
    out += c == 't' ? '\t' : c == 'n' ? '\n' : c == 'r' ? '\r' : c;
  }
  return out;
}

std::vector<std::string> SplitTabs(const std::string& line) {
  std::vector<std::string> parts(1);
  for (char c : line) {
    if (c == '\t') parts.emplace_back();
    else parts.back() += c;
  }
  return parts;
}

// Only names the store itself gives passports: a manifest can never make
// the publisher touch anything but a passport's own page directory.
bool IsPassportId(const std::string& id) {
  if (id.size() < 4 || id.compare(0, 3, "svo") != 0) return false;
  return std::all_of(id.begin() + 3, id.end(), [](char c) { return c >= '0' && c <= '9'; });
}

std::map<std::string, TManifestEntry> ReadManifest(const std::string& path) {
  std::map<std::string, TManifestEntry> entries;
  std::string bytes;
  try {
    bytes = ReadFileBytes(path);
  } catch (const TInOutError&) {
    return entries;
  }
  std::size_t start = 0;
  bool first = true;
  while (start < bytes.size()) {
    std::size_t end = bytes.find('\n', start);
    if (end == std::string::npos) end = bytes.size();
    const std::string line = bytes.substr(start, end - start);
    start = end + 1;
    if (first) {
      // Another generation's manifest: every page is made again.
      if (line != kGeneration) return entries;
      first = false;
      continue;
    }
    const std::vector<std::string> f = SplitTabs(line);
    if (f.size() != 7 || !IsPassportId(f[0])) continue;
    TManifestEntry e;
    e.Hash = f[1];
    e.Site = {f[0], Unfield(f[5]), Unfield(f[6]), std::atoi(f[4].c_str()), std::atoi(f[2].c_str()),
              std::atoi(f[3].c_str())};
    entries[f[0]] = e;
  }
  return entries;
}

std::string ManifestText(const std::map<std::string, TManifestEntry>& entries) {
  std::string text = std::string(kGeneration) + '\n';
  for (const auto& [id, e] : entries)
    text += id + '\t' + e.Hash + '\t' + std::to_string(e.Site.Errors) + '\t' + std::to_string(e.Site.Warnings) + '\t' +
            std::to_string(e.Site.ObjectType) + '\t' + Field(e.Site.Number) + '\t' + Field(e.Site.Address) + '\n';
  return text;
}

void MakeDirectory(const std::string& path) {
  std::error_code ec;
  fs::create_directories(path, ec);
  if (ec || !fs::is_directory(path)) throw TInOutError(kIoPathNotFound, "Не удалось создать каталог " + path);
}

// The files the publisher puts in a passport's directory, and nothing else.
void RemovePage(const std::string& dir) {
  std::error_code ec;
  // tables.doc: the tables' document before sites carried .docx.
  const std::string names[] = {"index.html", kSchemePdf, kDiagramPdf, std::string("tables.") + kWebTablesFormat,
                               "tables.doc"};
  for (const std::string& name : names) fs::remove(fs::path(dir) / name, ec);
  fs::remove(dir, ec);  // only when empty
}

class TSiteExportHost : public TExportHost {
 public:
  bool ChooseExportFile(std::string&) override { return false; }
  bool ChoosePrinter() override { return false; }
  TDocOutput* Output() override { return nullptr; }
  void SetBusy(bool) override {}
};

void WriteTables(TSVObject& scheme, const std::string& path) {
  TExportModel model;
  model.Prepare(*scheme.Info);
  TSiteExportHost host;
  if (!model.ExportTo(path, host)) throw TInOutError(kIoAccessDenied, "Не удалось записать файл " + path);
}

TSiteEntry EntryOf(const std::string& id, TSVObject& scheme, const std::vector<TFinding>& findings) {
  const TFindingCounts counts = CountFindings(findings);
  return {id, scheme.Info->ObjectNumber(), scheme.Info->AddressText(), scheme.Info->ObjectType, counts.Errors,
          counts.Warnings};
}

}  // namespace

std::string ContentHash(const std::string& bytes) {
  std::uint64_t h = 1469598103934665603ull;
  for (unsigned char c : bytes) {
    h ^= c;
    h *= 1099511628211ull;
  }
  char buf[20];
  std::snprintf(buf, sizeof buf, "%016llx", static_cast<unsigned long long>(h));
  return buf;
}

TPublishReport PublishSite(const std::shared_ptr<TPassportStore>& store, const TPublishOptions& options) {
  TPublishReport report;
  const std::string root = options.Out;
  MakeDirectory(root);
  const std::string manifestPath = (fs::path(root) / kSiteManifest).string();
  std::map<std::string, TManifestEntry> manifest = ReadManifest(manifestPath);

  const TPassportList list = store->List();
  const std::set<std::string> present(list.Passports.begin(), list.Passports.end());
  std::vector<std::string> todo;
  std::set<std::string> gone;
  if (options.Only.empty()) {
    todo = list.Passports;
    for (const auto& [id, e] : manifest)
      if (!present.count(id)) gone.insert(id);
  } else {
    for (const std::string& id : options.Only) {
      if (present.count(id)) todo.push_back(id);
      else if (manifest.count(id)) gone.insert(id);
      else report.Failed.push_back(id + ": нет такого паспорта в базе");
    }
  }
  for (const std::string& id : gone) {
    RemovePage((fs::path(root) / id).string());
    manifest.erase(id);
    report.Removed.push_back(id);
  }

  TApproxTextMeasure approx;
  TTextMeasure& measure = options.Measure ? *options.Measure : static_cast<TTextMeasure&>(approx);
  // What the pages are made with belongs to their hash.
  const std::string settings = std::string(kGeneration) + (options.Printer ? "+pdf" : "") +
                               (options.Tables ? std::string("+") + kWebTablesFormat : "");
  const int total = static_cast<int>(todo.size());
  for (int i = 0; i < total; ++i) {
    const std::string& id = todo[static_cast<std::size_t>(i)];
    if (options.Progress && !options.Progress(i, total, id)) {
      report.Stopped = true;
      break;
    }
    const std::string dir = (fs::path(root) / id).string();
    const std::string page = (fs::path(dir) / "index.html").string();
    try {
      const auto info = store->Read(id, TPassportFile::Info, TMissingFile::ReadEmpty);
      const auto map = store->Read(id, TPassportFile::Map, TMissingFile::ReadEmpty);
      const std::string hash = ContentHash(settings + '\0' + (info ? "i" + *info : "-") + '\0' + (map ? "m" + *map : "-"));
      const auto known = manifest.find(id);
      if (known != manifest.end() && known->second.Hash == hash && fs::exists(page)) {
        report.Unchanged.push_back(id);
        continue;
      }
      TLoadedPassport passport = OpenPassport(store, id, TMissingFile::ReadEmpty, TReadMessages::Kept);
      TSVObject& scheme = *passport.Scheme;
      const std::vector<TFinding> findings = CheckPassport(scheme, passport.Messages);
      MakeDirectory(dir);
      TPageDocuments docs;
      if (options.Printer) {
        const std::string schemePdf = options.Printer->SchemePdf(scheme);
        if (!schemePdf.empty()) {
          WriteFileAtomically((fs::path(dir) / kSchemePdf).string(), schemePdf);
          docs.SchemePdf = kSchemePdf;
        }
        const std::string diagramPdf = options.Printer->DiagramPdf(scheme);
        if (!diagramPdf.empty()) {
          WriteFileAtomically((fs::path(dir) / kDiagramPdf).string(), diagramPdf);
          docs.DiagramPdf = kDiagramPdf;
        }
      }
      if (options.Tables) {
        docs.Tables = std::string("tables.") + kWebTablesFormat;
        WriteTables(scheme, (fs::path(dir) / docs.Tables).string());
        std::error_code ec;  // the older site's .doc, if any, would only mislead
        if (docs.Tables != "tables.doc") fs::remove(fs::path(dir) / "tables.doc", ec);
      }
      WriteFileAtomically(page, PassportPageHtml(scheme, id, findings, docs, measure));
      manifest[id] = {hash, EntryOf(id, scheme, findings)};
      report.Written.push_back(id);
    } catch (const std::exception& e) {
      // The old page, if any, stays; the next publish tries again.
      if (manifest.count(id)) manifest[id].Hash.clear();
      report.Failed.push_back(id + ": " + e.what());
    }
  }

  WriteFileAtomically((fs::path(root) / "site.css").string(), SiteStyleSheet());
  WriteFileAtomically((fs::path(root) / "site.js").string(), SiteScript());
  std::vector<TSiteEntry> entries;
  for (const auto& [id, e] : manifest) entries.push_back(e.Site);
  std::sort(entries.begin(), entries.end(), [](const TSiteEntry& a, const TSiteEntry& b) {
    const auto number = [](const std::string& id) { return std::atol(id.c_str() + 3); };
    return number(a.Id) < number(b.Id);
  });
  WriteFileAtomically((fs::path(root) / "index.html").string(), IndexPageHtml(entries));
  WriteFileAtomically(manifestPath, ManifestText(manifest));
  return report;
}

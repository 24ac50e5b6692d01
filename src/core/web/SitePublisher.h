#pragma once
// A passport database published as a static web site: DIR/index.html,
// DIR/svoN/index.html with the documents beside it, the shared style and
// script. Publishing again rewrites only the passports whose files changed
// since (by a hash of their bytes, kept in DIR's manifest) and removes the
// pages of passports that are gone.
#include <functional>
#include <memory>
#include <string>
#include <vector>

class TSVObject;
class TPassportStore;
class TTextMeasure;

// The printed pages linked from a passport's page; the Qt side prints them.
class TWebPrinter {
 public:
  virtual ~TWebPrinter() = default;
  // The printed scheme / time diagram as PDF bytes; empty when the passport
  // has none (a УК object has no time diagram). Throws on failure.
  virtual std::string SchemePdf(TSVObject& scheme) = 0;
  virtual std::string DiagramPdf(TSVObject& scheme) = 0;
};

// The extension of the exported tables beside each page: one of the
// document formats, the richest the department's word processors open.
extern const char* const kWebTablesFormat;

struct TPublishOptions {
  std::string Out;
  // Only these passports (ids); all of the database when empty.
  std::vector<std::string> Only;
  // nullptr: no PDFs.
  TWebPrinter* Printer = nullptr;
  // The exported tables beside each page.
  bool Tables = true;
  TTextMeasure* Measure = nullptr;
  // Told before each passport; false stops the run (what is written stays
  // consistent: the manifest and the index are written at the end either way).
  std::function<bool(int done, int total, const std::string& id)> Progress;
};

struct TPublishReport {
  std::vector<std::string> Written;
  std::vector<std::string> Unchanged;
  std::vector<std::string> Removed;
  // "svo7: why" for each passport that could not be published.
  std::vector<std::string> Failed;
  bool Stopped = false;
};

// The name of the manifest inside the site's directory.
extern const char* const kSiteManifest;

// Publishes `store`'s passports into options.Out. Throws TInOutError naming
// the file when the site's own files cannot be written.
TPublishReport PublishSite(const std::shared_ptr<TPassportStore>& store, const TPublishOptions& options);

// A 64-bit FNV-1a hash of bytes, as sixteen hex digits.
std::string ContentHash(const std::string& bytes);

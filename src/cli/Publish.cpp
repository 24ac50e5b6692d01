// publish: the database as a static web site for the field: an index of the
// passports and a page for each, made again only where a passport changed.
#include <iostream>
#include <memory>

#include "CliArgs.h"
#include "Commands.h"
#include "Usage.h"
#include "platform/TextFile.h"
#include "store/FolderStore.h"
#include "web/SitePublisher.h"

#ifdef SVPASS_HAVE_RENDER
#include "OffscreenApp.h"
#include "qt/WebPrinter.h"
#endif

namespace {

struct TPublishArgs {
  std::string Database;
  std::string Out;
  std::vector<std::string> Only;
  bool NoPdf = false;
};

bool ParseArgs(const TArgs& args, TPublishArgs& out, std::string& why) {
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "--out") {
      if (i + 1 >= args.size() || args[i + 1].empty() || !out.Out.empty())
        return BadValue(why, args, i, "the site's directory, given once");
      out.Out = args[++i];
    } else if (a == "--only") {
      while (i + 1 < args.size() && args[i + 1].rfind("--", 0) != 0) out.Only.push_back(args[++i]);
      if (out.Only.empty()) return BadValue(why, args, i, "one or more passports, svoN");
    } else if (a == "--no-pdf") {
      out.NoPdf = true;
    } else if (a.rfind("--", 0) == 0 || !out.Database.empty()) {
      return Unexpected(why, a, out.Database);
    } else {
      out.Database = a;
    }
  }
  if (out.Database.empty()) return Missing(why, "the database folder");
  if (out.Out.empty()) return Missing(why, "--out");
  return true;
}

}  // namespace

int CmdPublish(const TArgs& args) {
  TPublishArgs a;
  std::string why;
  if (!ParseArgs(args, a, why)) return UsageError("publish", why);
  if (!DirectoryExists(a.Database)) {
    CliError("publish") << "cannot read the database folder " << a.Database << '\n';
    return 1;
  }
  TPublishOptions options;
  options.Out = a.Out;
  options.Only = a.Only;
#ifdef SVPASS_HAVE_RENDER
  const std::unique_ptr<QGuiApplication> app = StartOffscreenApplication();
  TQtWebPrinter printer;
  if (!a.NoPdf) options.Printer = &printer;
#endif
  try {
    const TPublishReport report = PublishSite(std::make_shared<TFolderStore>(a.Database), options);
    for (const std::string& f : report.Failed) CliError("publish") << f << '\n';
    std::cout << "written " << report.Written.size() << ", unchanged " << report.Unchanged.size() << ", removed "
              << report.Removed.size() << '\n';
    return report.Failed.empty() ? 0 : 1;
  } catch (const TInOutError& e) {
    CliError("publish") << e.what() << '\n';
    return 1;
  }
}

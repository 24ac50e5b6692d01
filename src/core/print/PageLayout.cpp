#include "PageLayout.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "model/Geometry.h"
#include "platform/IniFile.h"
#include "platform/Messages.h"

const char* const kPageSection = "Page";
const char* const kPageKeys[6] = {"leftmargin", "rightmargin", "topmargin", "bottommargin", "TopColon", "bottomColon"};

namespace {

double* MarginSlot(TPageMargins& m, int i) {
  double* slots[6] = {&m.Left, &m.Right, &m.Top, &m.Bottom, &m.Header, &m.Footer};
  return slots[i];
}

}  // namespace

bool ParseMargin(const std::string& text, double& value) {
  std::size_t b = 0, e = text.size();
  while (b < e && (text[b] == ' ' || text[b] == '\t')) ++b;
  while (e > b && (text[e - 1] == ' ' || text[e - 1] == '\t')) --e;
  if (b == e) return false;
  std::string s = text.substr(b, e - b);
  int separators = 0;
  for (char& c : s) {
    if (c == ',' || c == '.') {
      c = '.';
      ++separators;
    } else if (!(std::isdigit(static_cast<unsigned char>(c)) || c == '-' || c == '+')) {
      return false;
    }
  }
  if (separators > 1) return false;
  char* end = nullptr;
  const double v = std::strtod(s.c_str(), &end);
  if (end != s.c_str() + s.size() || !std::isfinite(v)) return false;
  value = v;
  return true;
}

std::string MarginConversionError(const std::string& text) {
  return "'" + text + "' is not a valid floating point value";
}

std::string FormatGeneral5(double value) {
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.5G", value);
  std::string s = buf;
  std::replace(s.begin(), s.end(), '.', ',');
  return s;
}

bool ReadPageMargins(const TIniFile& config, const TPageMargins& defaults, TPageMargins& margins) {
  TPageMargins def = defaults;
  for (int i = 0; i < 6; ++i) {
    const std::string text = config.ReadString(kPageSection, kPageKeys[i], FormatGeneral5(*MarginSlot(def, i)));
    double v = 0;
    if (!ParseMargin(text, v)) {
      ShowError(MarginConversionError(text));
      return false;
    }
    *MarginSlot(margins, i) = v;
  }
  return true;
}

TPrinterMetrics PaperMetrics(double widthMm, double heightMm, int dpi) {
  TPrinterMetrics m;
  m.DpiX = m.DpiY = dpi;
  m.PaperWidth = Round(widthMm / 25.4 * dpi);
  m.PaperHeight = Round(heightMm / 25.4 * dpi);
  m.Printable = TRect{0, 0, m.PaperWidth, m.PaperHeight};
  return m;
}

TPageRects PageRects(const TPageMargins& margins, const TPrinterMetrics& printer, TPoint origin, double divisor) {
  const double cmX = printer.DpiX / 2.54, cmY = printer.DpiY / 2.54;
  const TRect& p = printer.Printable;
  const double left = std::max<double>(margins.Left * cmX, p.Left);
  const double right = std::min<double>(printer.PaperWidth - margins.Right * cmX, p.Right);
  const double top = std::max<double>(margins.Top * cmY, p.Top);
  const double bottom = std::min<double>(printer.PaperHeight - margins.Bottom * cmY, p.Bottom);
  const auto x = [&](double v) { return Round((v - origin.x) / divisor); };
  const auto y = [&](double v) { return Round((v - origin.y) / divisor); };
  TPageRects r;
  r.Page = TRect{x(left), y(top), x(right), y(bottom)};
  const int header = Round(margins.Header * cmY / divisor);
  r.FooterHeight = Round(margins.Footer * cmY / divisor);
  r.Header = TRect{r.Page.Left, r.Page.Top, r.Page.Right, r.Page.Top + header};
  r.Body = TRect{r.Page.Left, r.Header.Bottom, r.Page.Right, r.Page.Bottom};
  return r;
}

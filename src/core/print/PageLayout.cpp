#include "PageLayout.h"

#include <algorithm>

#include "model/Geometry.h"
#include "platform/IniFile.h"
#include "platform/Messages.h"
#include "platform/UserNumbers.h"

const char* const kPageSection = "Page";
const char* const kPageKeys[6] = {"leftmargin", "rightmargin", "topmargin", "bottommargin", "TopColon", "bottomColon"};

namespace {

double* MarginSlot(TPageMargins& m, int i) {
  double* slots[6] = {&m.Left, &m.Right, &m.Top, &m.Bottom, &m.Header, &m.Footer};
  return slots[i];
}

}  // namespace

bool ParseMargin(const std::string& text, double& value) { return ParseUserReal(text, value); }

std::string MarginConversionError(const std::string& text) {
  return "'" + text + "' is not a valid floating point value";
}

const char* const kMarginNames[6] = {"Левое поле",   "Правое поле", "Верхнее поле", "Нижнее поле",
                                     "Высота верхнего колонтитула", "Высота нижнего колонтитула"};

std::string MarginFieldError(int index, const std::string& text) {
  return std::string(kMarginNames[index]) + ": «" + text + "» — не число сантиметров (например, «1,5»).";
}

int ParseMarginTexts(const std::array<std::string, 6>& texts, std::array<double, 6>& values) {
  static const int order[6] = {2, 0, 3, 1, 4, 5};
  std::array<double, 6> read{};
  for (int i : order) {
    const std::string& text = texts[static_cast<std::size_t>(i)];
    if (!ParseMargin(text, read[static_cast<std::size_t>(i)])) {
      ShowError(MarginFieldError(i, text));
      return i;
    }
  }
  values = read;
  return -1;
}

std::string FormatGeneral5(double value) { return FormatUserGeneral(value, 5); }

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

#include "PlanGridForm.h"

#include <charconv>
#include <climits>
#include <exception>
#include <utility>

#include "InfoEditMark.h"
#include "plan/SVNapr.h"
#include "platform/Messages.h"

namespace {

const char kConversionPrefix[] = "Ошибка перевода строки в число. Вероятно, введено нецелое число секунд. (";
constexpr long long kMaxSeconds = 65535;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

bool StrictInteger(const std::string& text, long long& value) {
  const char* first = text.data();
  const char* last = first + text.size();
  bool negative = false;
  if (first != last && (*first == '+' || *first == '-')) {
    negative = *first == '-';
    ++first;
  }
  if (first == last || !IsDigit(*first)) return false;
  long long v = 0;
  const auto res = std::from_chars(first, last, v);
  if (res.ec != std::errc() || res.ptr != last) return false;
  if (negative) v = -v;
  if (v < INT_MIN || v > INT_MAX) return false;
  value = v;
  return true;
}

std::string NotAnIntegerText(const std::string& text) { return "'" + text + "' is not a valid integer value"; }

long long LeadingInteger(const std::string& text) {
  std::size_t i = 0;
  while (i < text.size() && static_cast<unsigned char>(text[i]) <= ' ') ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  long long v = 0;
  for (; i < text.size() && IsDigit(text[i]); ++i) {
    v = v * 10 + (text[i] - '0');
    // Far beyond any count; stop before the number overflows.
    if (v > INT_MAX) v = INT_MAX;
  }
  return negative ? -v : v;
}

TPlanGridForm::TPlanGridForm(TSVInfo& info, std::vector<TPlanColumn> columns)
    : Info_(info), Grid_(std::move(columns)) {}

bool TPlanGridForm::SetCell(int row, int column, const std::string& text) {
  if (!Grid_.SetCell(row, column, text)) return false;
  CellEdited(row, column);
  return true;
}

bool TPlanGridForm::SelectRow(int row) { return Grid_.Select(row); }

void TPlanGridForm::CellEdited(int, int) {}

int TPlanGridForm::Press(TDialogButton button) {
  if (button != TDialogButton::Ok) return mrCancel;
  TInfoEditMark mark(Info_);
  try {
    return Store() ? mrOk : mrNone;
  } catch (const std::exception&) {
    ShowError(UnknownErrorText());
    return mrNone;
  }
}

bool TPlanGridForm::Seconds(const std::string& text, std::uint16_t& field) {
  const std::string t = TrimText(text);
  long long v = 0;
  if (!StrictInteger(t, v)) {
    ShowError(kConversionPrefix + NotAnIntegerText(t) + ".");
    return false;
  }
  // A time field holds 0..65535 s; anything else would be stored as a
  // different number of seconds than the one shown (-1 as 65535).
  if (v < 0 || v > kMaxSeconds) {
    ShowError("Недопустимое число секунд: " + t + ". Допустимы значения от 0 до 65535.");
    return false;
  }
  field = static_cast<std::uint16_t>(v);
  return true;
}

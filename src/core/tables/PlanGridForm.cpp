#include "PlanGridForm.h"

#include <charconv>
#include <climits>
#include <exception>
#include <utility>

#include "InfoEditMark.h"
#include "plan/SVNapr.h"
#include "platform/Messages.h"

namespace {

// A time field holds 0..65535 s; anything else would be stored as a
// different number of seconds than the one shown (-1 as 65535).
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

std::string WholeNumberFault(const std::string& text, long long least, long long most) {
  const std::string t = TrimText(text);
  const std::string range =
      "«" + t + "» — допустимы значения от " + std::to_string(least) + " до " + std::to_string(most) + ".";
  long long v = 0;
  if (StrictInteger(t, v)) return v < least || v > most ? range : std::string();
  // Digits too many for any count or time are still a whole number.
  const std::size_t digits = t.find_first_not_of("+-") == 1 ? 1 : 0;
  const bool wholeNumber =
      t.size() > digits && t.find_first_not_of("0123456789", digits) == std::string::npos;
  return wholeNumber ? range : "«" + t + "» — не целое число.";
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
  Bad_ = TBadEntry();
  try {
    if (!CheckCells()) return mrNone;
    TInfoEditMark mark(Info_);
    Store();
    return mrOk;
  } catch (const std::exception&) {
    ShowError(UnknownErrorText());
    return mrNone;
  }
}

bool TPlanGridForm::CheckSecondsCell(int row, int column) {
  const std::string fault = WholeNumberFault(Grid_.Cell(row, column), 0, kMaxSeconds);
  if (fault.empty()) return true;
  ShowError("Строка " + std::to_string(row) + ", столбец «" + Grid_.Column(column).Caption + "»: " + fault);
  Bad_ = {row, column, std::string()};
  Grid_.Select(row);
  return false;
}

bool TPlanGridForm::CheckSecondsField(const std::string& control, const std::string& label, const std::string& text) {
  const std::string fault = WholeNumberFault(text, 0, kMaxSeconds);
  if (fault.empty()) return true;
  ShowError("Поле «" + label + "»: " + fault);
  Bad_ = {0, 0, control};
  return false;
}

std::uint16_t TPlanGridForm::Seconds(const std::string& text) {
  long long v = 0;
  StrictInteger(TrimText(text), v);
  return static_cast<std::uint16_t>(v);
}

#include "platform/data_exchange.h"

#include <charconv>
#include <string>

#include "platform/dialog.h"

namespace kerumina::platform {

namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

std::string RangeMessage(int minValue, int maxValue) {
  std::string message(MESSAGE_INTEGER_RANGE);
  auto replace = [&message](std::string_view marker, int value) {
    auto at = message.find(marker);
    if (at != std::string::npos) message.replace(at, marker.size(), std::to_string(value));
  };
  replace("%1", minValue);
  replace("%2", maxValue);
  return message;
}

}  // namespace

void CDataExchange::Fail(std::string_view message) {
  Host& host = dialog_.host();
  host.MessageBox(message, host.applicationTitle(), MessageBoxButtons::Ok, MessageBoxIcon::Warning);
  if (Control* control = dialog_.GetDlgItem(lastControlId_)) dialog_.GotoDlgCtrl(*control);
  failed_ = true;
}

std::optional<int> ParseDialogInteger(std::string_view text) {
  std::size_t begin = 0;
  while (begin < text.size() && IsBlank(text[begin])) ++begin;
  std::size_t end = text.size();
  while (end > begin && IsBlank(text[end - 1])) --end;
  std::string_view number = text.substr(begin, end - begin);
  if (!number.empty() && number.front() == '+') number.remove_prefix(1);
  if (number.empty()) return std::nullopt;
  int value = 0;
  auto [last, error] = std::from_chars(number.data(), number.data() + number.size(), value);
  if (error != std::errc() || last != number.data() + number.size()) return std::nullopt;
  return value;
}

void ExchangeInt(CDataExchange& dx, int id, int& value) {
  if (dx.failed()) return;
  dx.PrepareControl(id);
  if (!dx.saveAndValidate()) {
    dx.dialog().SetDlgItemText(id, std::to_string(value));
    return;
  }
  std::optional<int> parsed = ParseDialogInteger(dx.dialog().GetDlgItemText(id));
  if (!parsed) {
    dx.Fail(MESSAGE_NOT_AN_INTEGER);
    return;
  }
  value = *parsed;
}

void ValidateMinMaxInt(CDataExchange& dx, int value, int minValue, int maxValue) {
  if (dx.failed() || !dx.saveAndValidate()) return;
  if (value < minValue || value > maxValue) dx.Fail(RangeMessage(minValue, maxValue));
}

}  // namespace kerumina::platform

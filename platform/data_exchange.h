// The framework's dialog data exchange for integer edit boxes: members to controls, or
// controls to members with validation. A failure shows the framework's message, puts the
// focus on the offending box with its text selected, and stops the rest of the exchange.
#pragma once

#include <optional>
#include <string_view>

namespace kerumina::platform {

class CDialog;

inline constexpr std::string_view MESSAGE_NOT_AN_INTEGER = "整数を入力してください。";
inline constexpr std::string_view MESSAGE_INTEGER_RANGE =
    "%1 から %2 までの整数を入力してください。";

class CDataExchange {
 public:
  CDataExchange(CDialog& dialog, bool saveAndValidate)
      : dialog_(dialog), saveAndValidate_(saveAndValidate) {}

  CDialog& dialog() const { return dialog_; }
  bool saveAndValidate() const { return saveAndValidate_; }
  bool failed() const { return failed_; }
  // Remembers the control last exchanged, the one a failed validation points at.
  void PrepareControl(int id) { lastControlId_ = id; }
  // Shows message, focuses the last control and stops the exchange.
  void Fail(std::string_view message);

 private:
  CDialog& dialog_;
  bool saveAndValidate_;
  bool failed_ = false;
  int lastControlId_ = 0;
};

// Reads an integer the way the framework does: blanks around an optional sign and digits;
// anything else, or a value outside 32 bits, is not an integer.
std::optional<int> ParseDialogInteger(std::string_view text);

void ExchangeInt(CDataExchange& dx, int id, int& value);
void ValidateMinMaxInt(CDataExchange& dx, int value, int minValue, int maxValue);

}  // namespace kerumina::platform

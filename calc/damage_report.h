// The plain-text explanation of one damage row that "詳細取得" puts on the clipboard: kept
// next to the calculation so the window and the command line print the same bytes.
#pragma once

#include <string>

#include "calc/damage.h"

namespace kerumina::calc {

// The report of a row as UTF-8 text with CR LF line ends (its cp932 form is what the
// column widths are measured in); empty for a skipped row.
std::string DamageReport(const DamageRequest& request, const DamageResult& result);

}  // namespace kerumina::calc

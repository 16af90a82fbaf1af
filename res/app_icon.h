// The application icon compiled into the program, so a copy shows it wherever it runs,
// installed or not. The images are the PNG sizes of res/icon/, smallest first.
#pragma once

#include <span>

#include "platform/host.h"

namespace kerumina::res {

std::span<const platform::IconImage> ApplicationIcon();

}  // namespace kerumina::res

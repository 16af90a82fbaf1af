// Names for the controls a screen reader announces without a caption of their own (drop-down
// lists, edit boxes, lists): a window's labels stand beside or above them, and a person
// reads the two together ("わざ１" and "タイプ"), so the names come from where the labels are.
#pragma once

#include <string>
#include <vector>

#include "platform/dialog_template.h"

namespace kerumina::platform {

// One name per control of the template, in its order: a control's own caption where it
// has one, else its row label and its column heading joined by a blank, else the caption
// of the frame around it; empty for labels and frames.
std::vector<std::string> AccessibleNames(const DialogTemplate& dialog);

}  // namespace kerumina::platform

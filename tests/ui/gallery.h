// A window with one control of every kind and its contents: both GUI smoke tests render
// it, so the two backends are checked against the same model.
#pragma once

#include "platform/dialog.h"
#include "platform/dialog_template.h"

namespace kerumina::ui {

extern const platform::DialogTemplate GALLERY;
// Puts the contents the smoke tests read back into the gallery's controls.
void FillGallery(platform::CDialog& gallery);

}  // namespace kerumina::ui

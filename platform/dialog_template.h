// A dialog resource: the window's caption and size and its controls, each with id, kind,
// caption, style and rectangle in dialog units. res/ holds one per window; CDialog builds
// its controls from it and a backend lays them out from the dialog units.
#pragma once

#include <span>

#include "platform/controls.h"
#include "platform/window_types.h"

namespace kerumina::platform {

// Labels and frames nobody addresses.
inline constexpr int ID_STATIC = -1;

struct ControlTemplate {
  int id = ID_STATIC;
  ControlKind kind = ControlKind::StaticText;
  const char* caption = "";
  unsigned style = STYLE_NONE;
  DluRect rect;
};

enum DialogStyle : unsigned {
  DIALOG_CAPTION = 0,             // every dialog has a caption
  DIALOG_SYSTEM_MENU = 1u << 0,   // system menu and close box
  DIALOG_MINIMIZE_BOX = 1u << 1,  // can be minimised
};

struct DialogTemplate {
  int resourceId = 0;
  const char* caption = "";
  int width = 0;  // client area, dialog units
  int height = 0;
  unsigned style = DIALOG_CAPTION;
  std::span<const ControlTemplate> controls;
};

}  // namespace kerumina::platform

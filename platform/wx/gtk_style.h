// GTK's own minimum control heights exceed those of classic dialogs; these style rules let
// controls laid out in dialog units show their text unclipped, and let a long drop-down
// list open as a scrolling list instead of a screen-high menu.
#pragma once

namespace kerumina::platform::wx {

void InstallCompactControlStyle();

}  // namespace kerumina::platform::wx

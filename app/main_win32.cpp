// main() of the GUI on Windows: the application object on the Win32 backend.
#include "platform/win32/win32_app.h"
#include "ui/main_app.h"

int main() {
  return kerumina::platform::win32::RunWin32Application([](kerumina::platform::Host& host) {
    kerumina::ui::CMainApp app(host);
    app.InitInstance();
    return 0;
  });
}

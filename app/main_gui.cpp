// main() of the GUI: the application object on the wx backend.
#include "platform/wx/wx_app.h"
#include "ui/main_app.h"

int main(int argc, char** argv) {
  return kerumina::platform::wx::RunWxApplication(argc, argv, [](kerumina::platform::Host& host) {
    kerumina::ui::CMainApp app(host);
    app.InitInstance();
    return 0;
  });
}

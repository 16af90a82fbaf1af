// Smoke test of the real GUI: the program starts on the wx backend; posted button events
// open the three tool windows from the launcher, the about box opens from the system menu
// and closes with OK, and the launcher's close button ends the run and writes the settings.
// "--hold SECONDS" keeps each stage on screen that long (for screenshots).
#include <wx/app.h>
#include <wx/button.h>
#include <wx/dialog.h>
#include <wx/timer.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <functional>
#include <string>

#include "platform/process.h"
#include "platform/profile.h"
#include "platform/wx/wx_app.h"
#include "platform/wx/wx_host.h"
#include "res/about_dlg.h"
#include "res/top_window_dlg.h"
#include "ui/damage_dlg.h"
#include "ui/main_app.h"
#include "ui/para_check_dlg.h"
#include "ui/search_dlg.h"
#include "ui/top_window_dlg.h"

namespace {

using kerumina::platform::CDialog;
using kerumina::platform::wx::WxHost;
using Clock = std::chrono::steady_clock;

int failures = 0;

void Check(bool condition, const char* what) {
  std::printf("%s: %s\n", condition ? "ok" : "FAILED", what);
  if (!condition) ++failures;
}

void PressButton(const CDialog& dialog, int id) {
  auto* button = wxDynamicCast(WxHost::WidgetOf(dialog, id), wxButton);
  if (button == nullptr) {
    Check(false, "button widget exists");
    return;
  }
  wxCommandEvent event(wxEVT_BUTTON, button->GetId());
  event.SetEventObject(button);
  button->GetEventHandler()->ProcessEvent(event);
}

bool OnScreen(const CDialog* dialog) {
  wxDialog* window = dialog != nullptr ? WxHost::WindowOf(*dialog) : nullptr;
  return window != nullptr && window->IsShown() && dialog->IsWindowVisible();
}

// Runs next after the given number of milliseconds, letting the toolkit draw meanwhile.
void Later(int milliseconds, std::function<void()> next) {
  if (milliseconds <= 0) {
    wxTheApp->CallAfter(std::move(next));
    return;
  }
  auto* timer = new wxTimer();
  timer->Bind(wxEVT_TIMER, [timer, next = std::move(next)](wxTimerEvent&) {
    next();
    timer->Stop();
    wxTheApp->CallAfter([timer] { delete timer; });
  });
  timer->StartOnce(milliseconds);
}

}  // namespace

int main(int argc, char** argv) {
  const Clock::time_point start = Clock::now();
  int holdMs = 0;
  for (int i = 1; i + 1 < argc; ++i) {
    if (std::strcmp(argv[i], "--hold") == 0) holdMs = std::atoi(argv[i + 1]) * 1000;
  }
  wxSetAssertHandler([](const wxString& file, int line, const wxString&, const wxString& cond,
                        const wxString& message) {
    std::printf("FAILED: wx assertion %s:%d %s %s\n", static_cast<const char*>(file.utf8_str()),
                line, static_cast<const char*>(cond.utf8_str()),
                static_cast<const char*>(message.utf8_str()));
    ++failures;
  });
  std::string folder = kerumina::platform::FolderOf(kerumina::platform::ExecutablePathOfProcess());
  std::filesystem::remove(folder + "kerumina.ini");

  int status =
      kerumina::platform::wx::RunWxApplication(argc, argv, [&](kerumina::platform::Host& base) {
        auto& host = static_cast<WxHost&>(base);
        kerumina::ui::CMainApp app(host);
        host.onModalRunStarted = [&](CDialog& dialog) {
          if (dialog.dialogTemplate().resourceId == kerumina::res::IDD_ABOUTBOX) {
            Check(OnScreen(&dialog), "about box on screen");
            Later(holdMs, [&dialog] { PressButton(dialog, kerumina::platform::ID_OK); });
            return;
          }
          auto& launcher = dynamic_cast<kerumina::ui::CTopWindowDlg&>(dialog);
          auto elapsed =
              std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count();
          std::printf("launcher on screen after %lld ms\n", static_cast<long long>(elapsed));
          Check(OnScreen(&launcher), "launcher on screen");
          Check(!OnScreen(launcher.searchDlg()), "tool windows start hidden");
          PressButton(launcher, kerumina::res::IDC_TOP_SEARCH);
          PressButton(launcher, kerumina::res::IDC_TOP_BOX);
          PressButton(launcher, kerumina::res::IDC_TOP_PARA_CHECK);
          Check(OnScreen(launcher.searchDlg()), "search window opened");
          Check(OnScreen(launcher.damageDlg()), "box window opened");
          Check(OnScreen(launcher.paraCheckDlg()), "individual-value window opened");
          std::fflush(stdout);
          Later(holdMs, [&launcher] {
            std::printf("stage: about box\n");
            std::fflush(stdout);
            launcher.UserSystemCommand(kerumina::res::IDM_ABOUTBOX);
            Check(OnScreen(&launcher), "launcher still up after the about box");
            PressButton(launcher, kerumina::res::IDC_TOP_QUIT);
          });
        };
        app.InitInstance();
        return 0;
      });

  kerumina::platform::Profile profile;
  profile.SetPath(folder + "kerumina.ini");
  Check(profile.GetProfileInt("Main", "Version", 0) == 60, "settings version written");
  Check(profile.GetProfileInt("Search", "show", 0) == 1, "search window recorded as open");
  Check(profile.GetProfileInt("Damage", "show", 0) == 1, "box window recorded as open");
  Check(status == 0, "program ended normally");
  std::printf("%s\n", failures == 0 ? "GUI smoke test passed" : "GUI smoke test FAILED");
  return failures == 0 ? 0 : 1;
}

// Smoke test of the real GUI: the program starts on the wx backend; posted button events
// open the three tool windows from the launcher, the about box opens from the system menu
// and closes with OK, and the launcher's close button ends the run and writes the settings.
// "--hold SECONDS" keeps each stage on screen that long (for screenshots).
#include <wx/app.h>
#include <wx/choice.h>
#include <wx/dialog.h>
#include <wx/listctrl.h>
#include <wx/radiobut.h>

#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <sstream>
#include <string>

#include "platform/process.h"
#include "platform/profile.h"
#include "platform/wx/wx_app.h"
#include "platform/wx/wx_host.h"
#include "res/about_dlg.h"
#include "res/top_window_dlg.h"
#include "tests/ui/gallery.h"
#include "tests/ui/gui_smoke_damage.h"
#include "tests/ui/gui_smoke_para_check.h"
#include "tests/ui/gui_smoke_search.h"
#include "tests/ui/wx_driver.h"
#include "ui/damage_dlg.h"
#include "ui/main_app.h"
#include "ui/para_check_dlg.h"
#include "ui/search_dlg.h"
#include "ui/top_window_dlg.h"

namespace {

namespace platform = kerumina::platform;
using kerumina::platform::CDialog;
using kerumina::platform::wx::WxHost;
using kerumina::ui::FillGallery;
using kerumina::ui::GALLERY;
using namespace kerumina::ui::smoke;

bool OnScreen(const CDialog* dialog) {
  wxDialog* window = dialog != nullptr ? WxHost::WindowOf(*dialog) : nullptr;
  return window != nullptr && window->IsShown() && dialog->IsWindowVisible();
}

void CheckWidgetsMirrorTheModel(CDialog& gallery) {
  auto* choice = wxDynamicCast(WxHost::WidgetOf(gallery, 1), wxChoice);
  Check(choice != nullptr && choice->GetCount() == 475 && choice->GetSelection() == 0 &&
            choice->GetString(0) == wxString::FromUTF8(" 無指定"),
        "drop-down list mirrors items and selection");
  auto* list = wxDynamicCast(WxHost::WidgetOf(gallery, 7), wxListCtrl);
  Check(list != nullptr && list->GetItemCount() == 3 && list->GetColumnCount() == 3 &&
            list->GetItemText(1, 1) == wxString::FromUTF8("かえんどり"),
        "list view mirrors rows");
}

// Events as the toolkit sends them when a person uses the widgets.
void ActOnWidgets(CDialog& gallery) {
  ChooseAt(gallery, 1, 2);
  Type(gallery, 2, "12");
  ClickRadio(gallery, 6);
  ClickRow(gallery, 7, 1);
}

void CheckUserActionsReachedTheModel(CDialog& gallery) {
  using namespace kerumina::platform;
  Check(gallery.Item<ComboBox>(1).GetCurSel() == 2, "choice reaches the model");
  Check(gallery.GetDlgItemText(2) == "12", "typing reaches the model");
  Check(gallery.IsDlgButtonChecked(6) == 1 && gallery.IsDlgButtonChecked(5) == 0,
        "radio click reaches the model and clears its group");
  auto* other = wxDynamicCast(WxHost::WidgetOf(gallery, 5), wxRadioButton);
  Check(other != nullptr && !other->GetValue(), "group change mirrored into the widgets");
  ListHit hit = gallery.Item<ListView>(7).GetLastClick();
  std::printf("list click hit row %d column %d\n", hit.item, hit.subItem);
  Check(hit.item == 1 && hit.subItem == 1, "list click reports row and column");
}

// Milliseconds since the process was started (exec, libraries and all); -1 if unknown.
long long MillisecondsSinceProcessStart() {
  std::ifstream stat("/proc/self/stat");
  std::string text((std::istreambuf_iterator<char>(stat)), std::istreambuf_iterator<char>());
  auto afterName = text.rfind(')');
  std::ifstream uptimeFile("/proc/uptime");
  double uptime = 0;
  if (afterName == std::string::npos || !(uptimeFile >> uptime)) return -1;
  std::istringstream fields(text.substr(afterName + 2));
  std::string field;
  for (int i = 3; i <= 22 && fields >> field; ++i) {
  }
  double started = std::stod(field) / static_cast<double>(sysconf(_SC_CLK_TCK));
  return static_cast<long long>((uptime - started) * 1000);
}

// The launcher's button shows a tool window for the first time: until it is drawn.
void TimeFirstShow(const CDialog& launcher, int button, const CDialog& window) {
  const Stopwatch watch;
  Press(launcher, button);
  const double shown = watch.Milliseconds();
  // GTK lays the window out and draws it on its next frame.
  wxYield();
  WxHost::WindowOf(window)->Update();
  std::printf("timing: %s first shown: %.2f ms, drawn %.2f ms (%.2f ms processor)\n",
              window.GetWindowText().c_str(), shown, watch.Milliseconds(), watch.CpuMs());
}

}  // namespace

int main(int argc, char** argv) {
  const Clock::time_point start = Clock::now();
  wxSetAssertHandler([](const wxString& file, int line, const wxString&, const wxString& cond,
                        const wxString& message) {
    Check(false, "wx assertion " + Utf8(file) + ":" + std::to_string(line) + " " + Utf8(cond) +
                     " " + Utf8(message));
  });
  std::string folder = platform::FolderOf(platform::ExecutablePathOfProcess());
  std::filesystem::remove(folder + "kerumina.ini");

  int status = platform::wx::RunWxApplication(argc, argv, [&](platform::Host& base) {
    auto& host = static_cast<WxHost&>(base);
    kerumina::ui::CMainApp app(host);
    const int holdMs = HoldMilliseconds();
    host.onModalRunStarted = [&](CDialog& dialog) {
      if (dialog.dialogTemplate().resourceId == kerumina::res::IDD_ABOUTBOX) {
        Check(OnScreen(&dialog), "about box on screen");
        if (holdMs > 0) {
          MoveKeepingSize(dialog, 1500, 400);
        }
        Later(holdMs, [&dialog] { Press(dialog, platform::ID_OK); });
        return;
      }
      auto& launcher = dynamic_cast<kerumina::ui::CTopWindowDlg&>(dialog);
      auto elapsed =
          std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count();
      std::printf("launcher on screen after %lld ms (%lld ms since the process started)\n",
                  static_cast<long long>(elapsed), MillisecondsSinceProcessStart());
      Check(OnScreen(&launcher), "launcher on screen");
      Check(!OnScreen(launcher.searchDlg()), "tool windows start hidden");
      Check(WxHost::WindowOf(launcher)->GetIcons().GetIconCount() == 4 &&
                WxHost::WindowOf(*launcher.damageDlg())->GetIcons().GetIconCount() == 4,
            "windows carry the four sizes of the application icon");
      // A person's first click comes after the program has idled a moment.
      const platform::Rect placed = launcher.paraCheckDlg()->GetWindowPlacement().normalPosition;
      wxYield();
      const platform::Rect after = launcher.paraCheckDlg()->GetWindowPlacement().normalPosition;
      Check(!OnScreen(launcher.paraCheckDlg()) &&
                !WxHost::WindowOf(*launcher.paraCheckDlg())->GetRect().IsEmpty() &&
                placed.left == after.left && placed.top == after.top &&
                placed.Width() == after.Width() && placed.Height() == after.Height(),
            "tool windows readied while idle stay hidden where they were placed");
      TimeFirstShow(launcher, kerumina::res::IDC_TOP_SEARCH, *launcher.searchDlg());
      TimeFirstShow(launcher, kerumina::res::IDC_TOP_BOX, *launcher.damageDlg());
      TimeFirstShow(launcher, kerumina::res::IDC_TOP_PARA_CHECK, *launcher.paraCheckDlg());
      Check(OnScreen(launcher.searchDlg()), "search window opened");
      Check(OnScreen(launcher.damageDlg()), "box window opened");
      Check(OnScreen(launcher.paraCheckDlg()), "individual-value window opened");
      CheckParaCheckWindow(*launcher.paraCheckDlg());
      kerumina::ui::RunSearchSmokeStage(*launcher.searchDlg(), holdMs > 0);
      static std::unique_ptr<CDialog> gallery;
      gallery = std::make_unique<CDialog>(host, GALLERY);
      gallery->Create();
      FillGallery(*gallery);
      gallery->ShowWindow(platform::SHOW_SHOW);
      if (holdMs > 0) {
        // Side by side for screenshots on a large virtual screen.
        MoveKeepingSize(launcher, 10, 10);
        MoveKeepingSize(*launcher.paraCheckDlg(), 10, 200);
        MoveKeepingSize(*launcher.searchDlg(), 670, 10);
        MoveKeepingSize(*launcher.damageDlg(), 670, 610);
        MoveKeepingSize(*gallery, 1460, 10);
      }
      CheckWidgetsMirrorTheModel(*gallery);
      ActOnWidgets(*gallery);
      Later(0, [] { CheckUserActionsReachedTheModel(*gallery); });
      std::fflush(stdout);
      Later(holdMs, [&launcher] {
        RunDamageStage(launcher);
        gallery->DestroyWindow();
        std::printf("stage: about box\n");
        std::fflush(stdout);
        launcher.UserSystemCommand(kerumina::res::IDM_ABOUTBOX);
        Check(OnScreen(&launcher), "launcher still up after the about box");
        Press(launcher, kerumina::res::IDC_TOP_QUIT);
      });
    };
    app.InitInstance();
    return 0;
  });

  platform::Profile profile;
  profile.SetPath(folder + "kerumina.ini");
  Check(profile.GetProfileInt("Main", "Version", 0) == 60, "settings version written");
  Check(profile.GetProfileInt("Search", "show", 0) == 1, "search window recorded as open");
  Check(profile.GetProfileInt("Damage", "show", 0) == 1, "box window recorded as open");
  Check(status == 0, "program ended normally");
  // Each stage's checks count in the same tally as the ones above.
  const bool passed = FailedChecks() == 0;
  std::printf("%s\n", passed ? "GUI smoke test passed" : "GUI smoke test FAILED");
  return passed ? 0 : 1;
}

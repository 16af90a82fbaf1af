// Smoke test of the real GUI on the wx backend: what a headless test cannot see. Posted
// toolkit events open the tool windows from the launcher; a gallery of every control kind
// checks that widgets mirror the model and report a person's use back; each window's stage
// drives its real widgets and times the reactions the README speaks of; a screen reader's
// view of every window is walked through AT-SPI; the longest texts show whole; the about
// box opens from the system menu; closing the launcher ends the run and writes the settings.
// "--hold SECONDS" keeps the filled windows on screen that long (for screenshots);
// "--walk PYTHON SCRIPT" names the accessibility walk.
#include <wx/app.h>
#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/dataview.h>
#include <wx/dialog.h>
#include <wx/evtloop.h>
#include <wx/process.h>
#include <wx/radiobut.h>
#include <wx/stattext.h>
#include <wx/tooltip.h>
#include <wx/utils.h>

#include <gtk/gtk.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "box/box.h"
#include "platform/accessible_names.h"
#include "platform/process.h"
#include "platform/profile.h"
#include "platform/wx/wx_app.h"
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
using platform::CDialog;
using platform::ControlKind;
using platform::wx::WxHost;
using namespace kerumina::ui::smoke;

bool OnScreen(const CDialog* dialog) {
  wxDialog* window = dialog != nullptr ? WxHost::WindowOf(*dialog) : nullptr;
  return window != nullptr && window->IsShown() && dialog->IsWindowVisible();
}

void CheckGallery(CDialog& gallery) {
  using namespace platform;
  auto* choice = WidgetAs<wxChoice>(gallery, 1);
  Check(choice != nullptr && choice->GetCount() == 475 && choice->GetSelection() == 0 &&
            choice->GetString(0) == wxString::FromUTF8(" 無指定"),
        "drop-down list mirrors items and selection");
  Check(ListRows(gallery, 7) == 3 && CellText(gallery, 7, 1, 1) == "かえんどり" &&
            WidgetAs<wxDataViewCtrl>(gallery, 7)->GetSelectedItemsCount() == 1,
        "list mirrors rows and selection");
  gallery.CheckDlgButton(5, 0);
  Settle(gallery);
  Check(!WidgetAs<wxRadioButton>(gallery, 5)->GetValue() &&
            !WidgetAs<wxRadioButton>(gallery, 6)->GetValue(),
        "a radio group with none checked shows none");
  ChooseAt(gallery, 1, 2);
  Type(gallery, 2, "12");
  ClickRadio(gallery, 6);
  ChooseAt(gallery, 8, 5);
  ClickRow(gallery, 7, 2);
  ClickHeading(gallery, 7, 2);
  Settle(gallery);
  Check(gallery.Item<ComboBox>(1).GetCurSel() == 2, "choice reaches the model");
  Check(gallery.GetDlgItemText(2) == "12", "typing reaches the model");
  Check(gallery.IsDlgButtonChecked(6) == 1, "radio click reaches the model");
  Check(gallery.Item<ListBox>(8).GetCurSel() == 5, "list box choice reaches the model");
  const ListHit hit = gallery.Item<ListView>(7).GetLastClick();
  Check(hit.item == 2 && hit.subItem == 1 && gallery.Item<ListView>(7).GetSelectedItem() == 2,
        "a click on a row reports row and column and selects it");
  Check(gallery.Item<ListView>(7).GetLastColumnClick() == 2, "a heading click reaches the model");
}

// Tab walks the widgets that take input in template order, and nothing else.
bool TabStopsFollowTheTemplate(const CDialog& dialog) {
  std::vector<wxWindow*> stops;
  for (wxWindow* child : WxHost::WindowOf(dialog)->GetChildren().front()->GetChildren()) {
    if (child->IsShown() && child->AcceptsFocusFromKeyboard()) stops.push_back(child);
  }
  std::vector<wxWindow*> expected;
  for (const auto& control : dialog.controls()) {
    const ControlKind kind = control->kind();
    if (kind != ControlKind::StaticText && kind != ControlKind::GroupBox &&
        control->IsWindowVisible()) {
      expected.push_back(WxHost::WidgetOf(dialog, control->id()));
    }
  }
  return stops == expected;
}

// A caption or one-line text fits, or ends in "…" and shows whole as its tooltip.
bool ShowsWhole(const wxWindow& widget) {
  if (auto* label = dynamic_cast<const wxStaticText*>(&widget)) {
    const wxString text = label->GetLabel();
    if (!label->HasFlag(wxST_ELLIPSIZE_END) ||
        label->GetTextExtent(text).x <= label->GetClientSize().x) {
      return true;
    }
    return label->GetToolTip() != nullptr && label->GetToolTip()->GetTip() == text;
  }
  if (dynamic_cast<const wxCheckBox*>(&widget) || dynamic_cast<const wxRadioButton*>(&widget)) {
    return widget.GetBestSize().x <= widget.GetSize().x;
  }
  return true;
}

bool TextsShowWhole(const wxWindow& parent) {
  bool whole = true;
  for (const wxWindow* child : parent.GetChildren()) {
    if (!ShowsWhole(*child)) {
      std::printf("cut off: \"%s\"\n", Utf8(child->GetLabel()).c_str());
      whole = false;
    }
    whole = TextsShowWhole(*child) && whole;
  }
  return whole;
}

void CheckLongestTexts(const kerumina::ui::CTopWindowDlg& launcher) {
  for (const auto& longest : kerumina::ui::LONGEST_TEXTS) {
    kerumina::ui::ShowLongest(launcher, longest);
    const CDialog& dialog = kerumina::ui::WindowOf(launcher, longest.window);
    Settle(dialog);
    wxWindow* widget = WxHost::WidgetOf(dialog, longest.id);
    bool whole = ShowsWhole(*widget);
    if (auto* list = dynamic_cast<wxDataViewCtrl*>(widget)) {
      // The width GTK lays out on its next frame.
      const int width = gtk_tree_view_column_get_fixed_width(
          gtk_tree_view_get_column(GTK_TREE_VIEW(list->GtkGetTreeView()), longest.column));
      whole = width > list->GetTextExtent(wxString::FromUTF8(longest.text)).x;
    }
    Check(whole, std::string("shows whole: ") + longest.text);
  }
}

// Every list and drop-down of the window, as the walk expects to hear it.
void AddExpectations(const CDialog& dialog, std::vector<std::string>& lines) {
  const std::vector<std::string> names = platform::AccessibleNames(dialog.dialogTemplate());
  for (std::size_t i = 0; i < names.size(); ++i) {
    const platform::Control& control = *dialog.controls()[i];
    if (!control.IsWindowVisible()) continue;
    std::string rows = "-1";
    std::string selected;
    if (control.kind() == ControlKind::ListView) {
      const auto& list = static_cast<const platform::ListView&>(control);
      rows = std::to_string(list.GetItemCount());
      if (list.GetSelectedItem() != platform::ListView::NONE) {
        selected = list.GetItemText(list.GetSelectedItem(), 0);
      }
    } else if (control.kind() == ControlKind::ComboBox || control.kind() == ControlKind::ListBox) {
      const auto& items = static_cast<const platform::ItemListControl&>(control);
      if (control.kind() == ControlKind::ListBox) rows = std::to_string(items.GetCount());
      if (items.GetCurSel() >= 0) selected = items.GetText(items.GetCurSel());
    } else {
      continue;
    }
    lines.push_back(dialog.GetWindowText() + "|" + names[i] + "|" + rows + "|" + selected);
  }
}

// Runs the walk while the program keeps answering the accessibility bus.
void WalkAccessibleTrees(const std::vector<const CDialog*>& windows) {
  const auto& argv = wxTheApp->argv;
  int at = 1;
  while (at + 2 < wxTheApp->argc && Utf8(argv[at]) != "--walk") ++at;
  if (at + 2 >= wxTheApp->argc) return (void)std::printf("accessibility walk not asked for\n");
  std::vector<std::string> lines;
  for (const CDialog* dialog : windows) AddExpectations(*dialog, lines);
  std::vector<std::string> args = {Utf8(argv[at + 1]), Utf8(argv[at + 2]),
                                   std::to_string(getpid())};
  args.insert(args.end(), lines.begin(), lines.end());
  std::vector<std::wstring> wide;
  for (const std::string& arg : args) wide.push_back(wxString::FromUTF8(arg).ToStdWstring());
  std::vector<wchar_t*> command;
  for (std::wstring& arg : wide) command.push_back(arg.data());
  command.push_back(nullptr);
  int status = 127;
  wxGUIEventLoop loop;
  auto* process = new wxProcess();
  process->Bind(wxEVT_END_PROCESS, [&status, &loop](wxProcessEvent& event) {
    status = event.GetExitCode();
    loop.Exit();
  });
  const auto start = std::chrono::steady_clock::now();
  if (wxExecute(command.data(), wxEXEC_ASYNC, process) > 0) loop.Run();
  const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
  std::printf("accessibility walk took %.0f ms\n", took.count());
  Check(status == 0, "every window reads whole through the accessibility interface");
}

}  // namespace

int main(int argc, char** argv) {
  wxSetAssertHandler([](const wxString& file, int line, const wxString&, const wxString& cond,
                        const wxString& message) {
    Check(false, "wx assertion " + Utf8(file) + ":" + std::to_string(line) + " " + Utf8(cond) +
                     " " + Utf8(message));
  });
  const std::string folder = platform::FolderOf(platform::ExecutablePathOfProcess());
  std::filesystem::remove(folder + "kerumina.ini");
  kerumina::ui::WriteSmokeBox(folder + kerumina::box::BOX_FILE_NAME);

  int status = platform::wx::RunWxApplication(argc, argv, [&](platform::Host& base) {
    auto& host = static_cast<WxHost&>(base);
    kerumina::ui::CMainApp app(host);
    static std::unique_ptr<CDialog> gallery;
    host.onModalRunStarted = [&](CDialog& dialog) {
      if (dialog.dialogTemplate().resourceId == kerumina::res::IDD_ABOUTBOX) {
        Check(OnScreen(&dialog), "about box on screen");
        Press(dialog, platform::ID_OK);
        return;
      }
      auto& launcher = dynamic_cast<kerumina::ui::CTopWindowDlg&>(dialog);
      CDialog* tools[] = {launcher.searchDlg(), launcher.damageDlg(), launcher.paraCheckDlg()};
      Check(OnScreen(&launcher) && !OnScreen(tools[0]), "launcher on screen, tool windows hidden");
      Check(WxHost::WindowOf(launcher)->GetIcons().GetIconCount() == 4,
            "windows carry the four sizes of the application icon");
      // A person's first click comes after the program has idled a moment.
      const platform::Rect placed = tools[2]->GetWindowPlacement().normalPosition;
      wxYield();
      const platform::Rect after = tools[2]->GetWindowPlacement().normalPosition;
      Check(!OnScreen(tools[2]) && placed.left == after.left && placed.top == after.top &&
                placed.Width() == after.Width(),
            "tool windows readied while idle stay hidden where they were placed");
      const int buttons[] = {kerumina::res::IDC_TOP_SEARCH, kerumina::res::IDC_TOP_BOX,
                             kerumina::res::IDC_TOP_PARA_CHECK};
      for (int i = 0; i < 3; ++i) {
        const std::string what = tools[i]->GetWindowText() + " first shown";
        Timed(what.c_str(), *tools[i], [&] { Press(launcher, buttons[i]); });
        Check(OnScreen(tools[i]), tools[i]->GetWindowText() + " opened");
      }
      gallery = std::make_unique<CDialog>(host, kerumina::ui::GALLERY);
      gallery->Create();
      kerumina::ui::FillGallery(*gallery);
      gallery->ShowWindow(platform::SHOW_SHOW);
      Settle(*gallery);
      CheckGallery(*gallery);
      const int holdMs = HoldMilliseconds();
      CheckParaCheckWindow(*launcher.paraCheckDlg());
      kerumina::ui::RunSearchSmokeStage(*launcher.searchDlg(), holdMs > 0);
      RunDamageStage(launcher);
      CDialog* detail = launcher.searchDlg()->detailView();
      CDialog* editor = launcher.damageDlg()->editDlg();
      std::vector<const CDialog*> windows = {&launcher, tools[0], detail,       tools[1],
                                             editor,    tools[2], gallery.get()};
      bool tabs = true;
      bool whole = true;
      for (const CDialog* window : windows) {
        Settle(*window);
        tabs = TabStopsFollowTheTemplate(*window) && tabs;
        whole = TextsShowWhole(*WxHost::WindowOf(*window)) && whole;
      }
      Check(tabs, "Tab walks every window's inputs in layout order, nothing else");
      Check(whole, "every caption and text shows whole");
      WalkAccessibleTrees(windows);
      if (holdMs > 0) {
        // Side by side on a large virtual screen, for screenshots.
        const std::pair<CDialog*, wxPoint> places[] = {
            {&launcher, {10, 10}},       {tools[2], {10, 200}}, {tools[0], {670, 10}},
            {detail, {1470, 10}},        {tools[1], {10, 760}}, {editor, {1110, 760}},
            {gallery.get(), {1940, 760}}};
        for (auto [window, at] : places) {
          MoveKeepingSize(*window, at.x, at.y);
          const wxSize size = WxHost::WindowOf(*window)->GetSize();
          std::printf("window %s: %dx%d+%d+%d\n", window->GetWindowText().c_str(), size.x, size.y,
                      at.x, at.y);
        }
        std::printf("stage: windows held for screenshots\n");
        std::fflush(stdout);
        Hold(holdMs);
      }
      CheckLongestTexts(launcher);
      gallery->DestroyWindow();
      launcher.UserSystemCommand(kerumina::res::IDM_ABOUTBOX);
      Check(OnScreen(&launcher), "launcher still up after the about box");
      Press(launcher, kerumina::res::IDC_TOP_QUIT);
    };
    app.InitInstance();
    return 0;
  });

  platform::Profile profile;
  profile.SetPath(folder + "kerumina.ini");
  Check(profile.GetProfileInt("Main", "Version", 0) == 60 &&
            profile.GetProfileInt("Search", "show", 0) == 1 &&
            profile.GetProfileInt("Damage", "show", 0) == 1,
        "settings written, the open windows recorded");
  Check(status == 0, "program ended normally");
  const bool passed = FailedChecks() == 0;
  std::printf("%s\n", passed ? "GUI smoke test passed" : "GUI smoke test FAILED");
  return passed ? 0 : 1;
}

// Smoke test of the real GUI on the Win32 backend (under Wine and a virtual X server): the
// launcher's buttons open the three tool windows through real button clicks, each window is
// captured from the screen, Escape (through the dialog manager) hides one, minimising the
// launcher hides the others and restoring brings them back, the about box opens from the
// system menu and closes with Enter, and closing the launcher writes the settings.
// A gallery window checks that the native controls mirror the model and report back.
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "platform/process.h"
#include "platform/profile.h"
#include "platform/win32/win32_app.h"
#include "platform/win32/win32_host.h"
#include "res/about_dlg.h"
#include "res/search_dlg.h"
#include "res/top_window_dlg.h"
#include "ui/damage_dlg.h"
#include "ui/main_app.h"
#include "ui/para_check_dlg.h"
#include "ui/search_dlg.h"
#include "ui/top_window_dlg.h"

namespace {

namespace platform = kerumina::platform;
using platform::CDialog;
using platform::win32::Win32Host;

int failures = 0;
// An undrawn window is one or two colours; borders and a captioned button bring more.
constexpr std::size_t MIN_COLOURS = 4;
std::string folder;

void Check(bool condition, const char* what) {
  std::printf("%s: %s\n", condition ? "ok" : "FAILED", what);
  std::fflush(stdout);
  if (!condition) ++failures;
}

bool OnScreen(const CDialog* dialog) {
  HWND window = dialog != nullptr ? Win32Host::WindowOf(*dialog) : nullptr;
  return window != nullptr && IsWindowVisible(window) != FALSE && dialog->IsWindowVisible();
}

std::wstring TextOf(HWND window) {
  wchar_t text[256] = {};
  GetWindowTextW(window, text, 256);
  return text;
}

// Screenshots are taken by the script that runs this test (see gui_smoke_wine.sh): a
// request names the window and its screen rectangle; the script answers with a BMP file.
void RequestCapture(HWND window, const std::string& name) {
  RECT r;
  GetWindowRect(window, &r);
  std::ofstream(platform::PathFromUtf8(folder + "capture-" + name + ".request"))
      << r.left << ' ' << r.top << ' ' << r.right - r.left << ' ' << r.bottom - r.top << '\n';
}

bool CaptureDone(const std::string& name) {
  return std::filesystem::exists(platform::PathFromUtf8(folder + "capture-" + name + ".done"));
}

// The distinct colours of a 24-bit BMP the script wrote; an undrawn window has one or two.
std::size_t ColoursOfCapture(const std::string& name) {
  std::ifstream in(platform::PathFromUtf8(folder + "smoke-" + name + ".bmp"), std::ios::binary);
  std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (bytes.size() < sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER)) return 0;
  BITMAPFILEHEADER file;
  std::memcpy(&file, bytes.data(), sizeof file);
  std::set<std::uint32_t> colours;
  for (std::size_t at = file.bfOffBits; at + 3 <= bytes.size(); at += 3) {
    colours.insert(static_cast<std::uint8_t>(bytes[at]) |
                   static_cast<std::uint8_t>(bytes[at + 1]) << 8 |
                   static_cast<std::uint8_t>(bytes[at + 2]) << 16);
  }
  std::printf("%s: %zu colours\n", name.c_str(), colours.size());
  return colours.size();
}

// The bytes of one clipboard format, up to and including the first terminating NUL.
std::string ClipboardText(UINT format) {
  std::string bytes;
  if (OpenClipboard(nullptr) == FALSE) return bytes;
  if (HANDLE data = GetClipboardData(format)) {
    const auto* text = static_cast<const char*>(GlobalLock(data));
    std::size_t unit = format == CF_UNICODETEXT ? 2 : 1;
    for (std::size_t at = 0; text != nullptr && at < GlobalSize(data); at += unit) {
      bytes.append(text + at, unit);
      if (std::string(text + at, unit) == std::string(unit, '\0')) break;
    }
    GlobalUnlock(data);
  }
  CloseClipboard();
  return bytes;
}

// In front of the others: without a window manager only the stacking order decides.
void Raise(HWND window) {
  SetWindowPos(window, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  SetForegroundWindow(window);
}

void Click(const CDialog& dialog, int id) {
  HWND button = Win32Host::ControlOf(dialog, id);
  Check(button != nullptr, "button exists");
  SendMessageW(button, BM_CLICK, 0, 0);
}

// A key as a person types it: posted, so that it passes the message loop's dialog manager.
void PostKey(HWND window, WPARAM key) {
  PostMessageW(window, WM_KEYDOWN, key, 0);
  PostMessageW(window, WM_KEYUP, key, 0);
}

// A window with one control of every kind.
using platform::ControlKind;
constexpr unsigned SUNKEN_CENTER = platform::STYLE_SUNKEN | platform::STYLE_CENTER;
const platform::ControlTemplate GALLERY_CONTROLS[] = {
    {-1, ControlKind::GroupBox, "種族値による絞込み", 0, {7, 4, 150, 58}},
    {-1, ControlKind::StaticText, "HP", 0, {14, 18, 30, 8}},
    {1, ControlKind::ComboBox, "", platform::STYLE_SORT, {14, 28, 64, 12}},
    {2, ControlKind::Edit, "31", platform::STYLE_CENTER, {84, 28, 30, 12}},
    {3, ControlKind::StaticText, "－", SUNKEN_CENTER, {120, 28, 30, 12}},
    {4, ControlKind::CheckBox, "LV技", 0, {14, 45, 40, 10}},
    {5, ControlKind::RadioButton, "OR指定", platform::STYLE_GROUP, {58, 45, 44, 10}},
    {6, ControlKind::RadioButton, "AND指定", 0, {104, 45, 48, 10}},
    {7, ControlKind::ListView, "", 0, {7, 68, 150, 60}},
    {8, ControlKind::ListBox, "", 0, {164, 8, 60, 120}},
    {9, ControlKind::Button, "条件クリア", 0, {164, 132, 60, 14}},
};
const platform::DialogTemplate GALLERY{999, "gallery", 232, 152, 0, GALLERY_CONTROLS};

void FillGallery(CDialog& gallery) {
  using namespace platform;
  auto& combo = gallery.Item<ComboBox>(1);
  for (const char* text : {"ひのこ", " 無指定", "アクアテール", "かみなり", "つるぎのまい"}) {
    combo.AddString(text);
  }
  for (int i = 0; i < 470; ++i) combo.AddString("わざ" + std::to_string(i));
  combo.SetCurSel(0);
  gallery.CheckDlgButton(4, 1);
  gallery.CheckDlgButton(5, 1);
  auto& list = gallery.Item<ListView>(7);
  list.InsertColumn(0, "番号", ColumnAlign::Center, 36);
  list.InsertColumn(1, "名前", ColumnAlign::Left, 90);
  list.InsertColumn(2, "タイプ１", ColumnAlign::Center, 60);
  const char* names[] = {"ヴォルミル", "かえんどり", "みずがめ"};
  for (int row = 0; row < 3; ++row) {
    list.InsertItem(row, std::to_string(row + 1));
    list.SetItemText(row, 1, names[row]);
    list.SetItemText(row, 2, row == 1 ? "ほのお" : "みず");
  }
  list.SetSelectedItem(1);
  auto& box = gallery.Item<ListBox>(8);
  for (int stat = 100; stat < 112; ++stat) box.AddString(std::to_string(stat) + " (0-2)");
  box.SetCurSel(3);
}

void CheckControlsMirrorTheModel(const CDialog& gallery) {
  HWND combo = Win32Host::ControlOf(gallery, 1);
  wchar_t first[32] = {};
  SendMessageW(combo, CB_GETLBTEXT, 0, reinterpret_cast<LPARAM>(first));
  Check(SendMessageW(combo, CB_GETCOUNT, 0, 0) == 475 &&
            SendMessageW(combo, CB_GETCURSEL, 0, 0) == 0 && std::wstring(first) == L" 無指定",
        "drop-down list mirrors items, their order and the selection");
  HWND list = Win32Host::ControlOf(gallery, 7);
  wchar_t cell[32] = {};
  LVITEMW item{};
  item.iSubItem = 1;
  item.pszText = cell;
  item.cchTextMax = 32;
  SendMessageW(list, LVM_GETITEMTEXTW, 1, reinterpret_cast<LPARAM>(&item));
  HWND header = reinterpret_cast<HWND>(SendMessageW(list, LVM_GETHEADER, 0, 0));
  Check(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0) == 3 &&
            SendMessageW(header, HDM_GETITEMCOUNT, 0, 0) == 3 &&
            std::wstring(cell) == L"かえんどり",
        "list view mirrors columns and rows");
  Check(SendMessageW(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED) == 1,
        "list view mirrors the selection");
  Check(SendMessageW(Win32Host::ControlOf(gallery, 4), BM_GETCHECK, 0, 0) == BST_CHECKED &&
            SendMessageW(Win32Host::ControlOf(gallery, 5), BM_GETCHECK, 0, 0) == BST_CHECKED,
        "check box and radio button mirror the model");
  Check(SendMessageW(Win32Host::ControlOf(gallery, 8), LB_GETCURSEL, 0, 0) == 3,
        "list box mirrors the selection");
}

// What the system sends when a person uses the controls.
void ActOnControls(const CDialog& gallery) {
  HWND window = Win32Host::WindowOf(gallery);
  HWND combo = Win32Host::ControlOf(gallery, 1);
  SendMessageW(combo, CB_SETCURSEL, 2, 0);
  SendMessageW(window, WM_COMMAND, MAKEWPARAM(1, CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo));
  SetWindowTextW(Win32Host::ControlOf(gallery, 2), L"12");
  SendMessageW(Win32Host::ControlOf(gallery, 6), BM_CLICK, 0, 0);
  SendMessageW(Win32Host::ControlOf(gallery, 4), BM_CLICK, 0, 0);
  // A click on the second row, in its second column.
  HWND list = Win32Host::ControlOf(gallery, 7);
  RECT cell{};
  cell.top = 1;
  cell.left = LVIR_BOUNDS;
  SendMessageW(list, LVM_GETSUBITEMRECT, 1, reinterpret_cast<LPARAM>(&cell));
  NMITEMACTIVATE click{};
  click.hdr.hwndFrom = list;
  click.hdr.idFrom = 7;
  click.hdr.code = NM_CLICK;
  click.iItem = -1;
  click.ptAction = POINT{(cell.left + cell.right) / 2, (cell.top + cell.bottom) / 2};
  SendMessageW(window, WM_NOTIFY, 7, reinterpret_cast<LPARAM>(&click));
}

void CheckUserActionsReachedTheModel(CDialog& gallery) {
  using namespace platform;
  Check(gallery.Item<ComboBox>(1).GetCurSel() == 2, "choice reaches the model");
  Check(gallery.GetDlgItemText(2) == "12", "typing reaches the model");
  Check(gallery.IsDlgButtonChecked(6) == 1 && gallery.IsDlgButtonChecked(5) == 0,
        "radio click reaches the model and clears its group");
  Check(gallery.IsDlgButtonChecked(4) == 0 &&
            SendMessageW(Win32Host::ControlOf(gallery, 4), BM_GETCHECK, 0, 0) == BST_UNCHECKED,
        "check box click toggles the model and the control");
  ListHit hit = gallery.Item<ListView>(7).GetLastClick();
  std::printf("list click hit row %d column %d\n", hit.item, hit.subItem);
  Check(hit.item == 1 && hit.subItem == 1, "list click reports row and column");
}

// Steps run one after another from a timer, so that the windows draw in between.
std::vector<std::function<void()>> steps;
std::size_t nextStep = 0;

void RepeatThisStep() {
  --nextStep;
}

// One step that runs over several timer ticks: raise the window, let it draw, ask for the
// screenshot, wait for it (10 s at most), check that the window was drawn.
void CaptureInTurn(HWND window, const std::string& name) {
  static int tick = 0;
  constexpr int GIVE_UP = 40;
  ++tick;
  if (tick == 1) Raise(window);
  if (tick == 2) RequestCapture(window, name);
  if (tick >= 2 && !CaptureDone(name) && tick < GIVE_UP) {
    RepeatThisStep();
    return;
  }
  if (tick == 1) {
    RepeatThisStep();
    return;
  }
  tick = 0;
  Check(CaptureDone(name) && ColoursOfCapture(name) > MIN_COLOURS,
        ("screenshot shows the window drawn: " + name).c_str());
}

void CALLBACK RunNextStep(HWND, UINT, UINT_PTR timer, DWORD) {
  if (nextStep >= steps.size()) {
    KillTimer(nullptr, timer);
    return;
  }
  steps[nextStep++]();
}

}  // namespace

int main() {
  int status = platform::win32::RunWin32Application([](platform::Host& base) {
    auto& host = static_cast<Win32Host&>(base);
    folder = platform::FolderOf(host.GetModuleFileName());
    std::filesystem::remove(platform::PathFromUtf8(folder + "kerumina.ini"));
    kerumina::ui::CMainApp app(host);
    std::unique_ptr<CDialog> gallery;
    CDialog* about = nullptr;
    kerumina::ui::CTopWindowDlg* launcher = nullptr;
    host.onModalRunStarted = [&](CDialog& dialog) {
      if (dialog.dialogTemplate().resourceId == kerumina::res::IDD_ABOUTBOX) {
        about = &dialog;
        return;
      }
      launcher = &dynamic_cast<kerumina::ui::CTopWindowDlg&>(dialog);
      SetTimer(nullptr, 0, 300, RunNextStep);
    };
    auto top = [&] { return Win32Host::WindowOf(*launcher); };
    steps = {
        [&] {
          Check(OnScreen(launcher), "launcher on screen");
          Check(TextOf(Win32Host::ControlOf(*launcher, kerumina::res::IDC_TOP_SEARCH)) ==
                    L"ヴォルミル検索",
                "Japanese caption reaches the native button");
          Check(!OnScreen(launcher->searchDlg()), "tool windows start hidden");
          Click(*launcher, kerumina::res::IDC_TOP_SEARCH);
          Click(*launcher, kerumina::res::IDC_TOP_BOX);
          Click(*launcher, kerumina::res::IDC_TOP_PARA_CHECK);
        },
        [&] {
          Check(OnScreen(launcher->searchDlg()), "search window opened");
          Check(OnScreen(launcher->damageDlg()), "box window opened");
          Check(OnScreen(launcher->paraCheckDlg()), "individual-value window opened");
          gallery = std::make_unique<CDialog>(host, GALLERY);
          gallery->Create();
          FillGallery(*gallery);
          gallery->ShowWindow(platform::SHOW_SHOW);
          CheckControlsMirrorTheModel(*gallery);
          ActOnControls(*gallery);
        },
        [&] { CheckUserActionsReachedTheModel(*gallery); },
        // Each window in front on its own, then captured.
        [&] { CaptureInTurn(Win32Host::WindowOf(*gallery), "gallery"); },
        [&] { CaptureInTurn(Win32Host::WindowOf(*launcher->searchDlg()), "search"); },
        [&] { CaptureInTurn(Win32Host::WindowOf(*launcher->damageDlg()), "box"); },
        [&] { CaptureInTurn(Win32Host::WindowOf(*launcher->paraCheckDlg()), "paracheck"); },
        [&] { CaptureInTurn(top(), "launcher"); },
        [&] {
          gallery->DestroyWindow();
          PostKey(Win32Host::ControlOf(*launcher->searchDlg(), kerumina::res::IDC_SEARCH_CLOSE),
                  VK_ESCAPE);
        },
        [&] {
          Check(!OnScreen(launcher->searchDlg()), "Escape hides a tool window");
          SendMessageW(top(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
        },
        [&] {
          Check(launcher->IsIconic(), "launcher minimised");
          Check(!OnScreen(launcher->damageDlg()) && !OnScreen(launcher->paraCheckDlg()),
                "minimising the launcher hides the open tool windows");
          SendMessageW(top(), WM_SYSCOMMAND, SC_RESTORE, 0);
        },
        [&] {
          Check(OnScreen(launcher->damageDlg()) && OnScreen(launcher->paraCheckDlg()) &&
                    !OnScreen(launcher->searchDlg()),
                "restoring brings back exactly the windows it hid");
          Click(*launcher, kerumina::res::IDC_TOP_SEARCH);
          wchar_t entry[64] = {};
          GetMenuStringW(GetSystemMenu(top(), FALSE), kerumina::res::IDM_ABOUTBOX, entry, 64,
                         MF_BYCOMMAND);
          Check(std::wstring(entry) == L"kerumina のﾊﾞｰｼﾞｮﾝ情報(&A)...",
                "system menu holds the about entry");
          PostMessageW(top(), WM_SYSCOMMAND, kerumina::res::IDM_ABOUTBOX, 0);
        },
        [&] {
          Check(about != nullptr && OnScreen(about), "about box on screen");
          Check(IsWindowEnabled(top()) == FALSE, "launcher blocked while the about box runs");
          if (about != nullptr) {
            PostKey(Win32Host::ControlOf(*about, platform::ID_OK), VK_RETURN);
          }
        },
        [&] {
          Check(IsWindowEnabled(top()) != FALSE && OnScreen(launcher),
                "about box closed with Enter, launcher usable again");
          host.SetClipboardText("ケルミナ\r\n");
          static const wchar_t WIDE[] = L"ケルミナ\r\n";
          Check(ClipboardText(CF_UNICODETEXT) ==
                    std::string(reinterpret_cast<const char*>(WIDE), sizeof WIDE),
                "clipboard holds Unicode text");
          Check(ClipboardText(CF_TEXT) == std::string("\x83\x50\x83\x8B\x83\x7E\x83\x69\r\n", 11),
                "clipboard holds Shift-JIS for programs that read only ANSI text");
          PostMessageW(top(), WM_CLOSE, 0, 0);
        },
    };
    app.InitInstance();
    Check(nextStep == steps.size(), "every step ran");
    return 0;
  });

  platform::Profile profile;
  profile.SetPath(folder + "kerumina.ini");
  Check(profile.GetProfileInt("Main", "Version", 0) == 60, "settings version written");
  Check(profile.GetProfileInt("Search", "show", 0) == 1, "search window recorded as open");
  Check(profile.GetProfileInt("Damage", "show", 0) == 1, "box window recorded as open");
  Check(profile.GetProfileInt("TopWindow", "right", 0) >
            profile.GetProfileInt("TopWindow", "left", 0),
        "launcher placement written");
  Check(status == 0, "program ended normally");
  std::printf("%s\n", failures == 0 ? "GUI smoke test passed" : "GUI smoke test FAILED");
  return failures == 0 ? 0 : 1;
}
